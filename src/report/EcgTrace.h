#pragma once

#include <QPolygonF>
#include <QVector>

// One row of an ECG strip on paper: samples laid left to right at a fixed
// count per row, heights in pixels per ADC count around a baseline.
namespace EcgTrace {

// 32767 * 12 * 8 / 4033 counts make one millivolt.
constexpr double kCountsPerMillivolt = 779.9732209273494;
// Samples beyond this magnitude are artefacts and get no point.
constexpr int kSampleLimit = 30000;

struct Row
{
    double left = 0;
    double right = 0;
    double baseline = 0;
    double top = 0;
    double bottom = 0;
    int samplesPerRow = 1750;
    double pixelsPerCount = 0;
};

// Pixels per count for a scale in pixels per millimetre and a gain in mm/mV.
double pixelsPerCount(double scale, double gainMmPerMv);
// The polyline of samples[first .. first + samplesPerRow - 1], starting at
// (left, baseline); a first index at or past the end gives that point alone.
QPolygonF row(const QVector<qint16>& samples, int first, const Row& geometry);

} // namespace EcgTrace
