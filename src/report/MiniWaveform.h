#pragma once

#include <QPolygonF>
#include <QRect>
#include <QVector>

class QPainter;

// The small ECG picture of a row: the samples cut into three strips, one
// above the other, scaled by the length of the recording and held inside
// the rectangle.
namespace MiniWaveform {

constexpr double kCountsPerMillivolt = 779.9732209273494;
// Samples beyond this magnitude are artefacts and get no point.
constexpr int kSampleLimit = 30000;

// Pixels per ADC count for a recording of sampleCount samples drawn
// rectWidth pixels wide.
double pixelsPerCount(int sampleCount, int rectWidth);
// The three polylines; none when there are fewer than three samples.
QVector<QPolygonF> strips(const QVector<qint16>& samples, const QRect& rect);
// Draws the strips with the painter's pen.
void paint(QPainter& painter, const QVector<qint16>& samples, const QRect& rect);

} // namespace MiniWaveform
