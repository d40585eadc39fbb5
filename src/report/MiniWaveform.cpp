#include "report/MiniWaveform.h"

#include <QPainter>

#include <cmath>

namespace {

// A strip has several samples per pixel column, and a column shows little
// more than the span from its lowest to its highest point: its first, lowest,
// highest and last point draw the same trace for a fraction of the work.
QPolygonF perPixelColumn(const QPolygonF& line)
{
    QPolygonF kept;
    kept.reserve(line.size());
    for (int first = 0; first < line.size();) {
        const double column = std::floor(line.at(first).x());
        int last = first;
        int lowest = first;
        int highest = first;
        while (last + 1 < line.size() && std::floor(line.at(last + 1).x()) == column) {
            ++last;
            if (line.at(last).y() < line.at(lowest).y())
                lowest = last;
            if (line.at(last).y() > line.at(highest).y())
                highest = last;
        }
        kept << line.at(first);
        for (int i : {qMin(lowest, highest), qMax(lowest, highest), last}) {
            if (i != first && line.at(i) != kept.last())
                kept << line.at(i);
        }
        first = last + 1;
    }
    return kept;
}

} // namespace

namespace MiniWaveform {

double pixelsPerCount(int sampleCount, int rectWidth)
{
    double unit = 0;
    double amplitude = 0;
    if (sampleCount >= 22000) {
        unit = rectWidth / 30.0;
        amplitude = unit / 1.9;
    } else if (sampleCount >= 14500) {
        unit = rectWidth / 20.0;
        amplitude = unit * 0.5;
    } else if (sampleCount >= 7000) {
        unit = rectWidth / 10.0;
        amplitude = unit / 2.5;
    } else {
        unit = rectWidth * 3 / 20.0;
        amplitude = unit / 2.5;
    }
    return amplitude / kCountsPerMillivolt;
}

QVector<QPolygonF> strips(const QVector<qint16>& samples, const QRect& rect)
{
    const int perStrip = samples.size() / 3;
    if (perStrip == 0 || rect.isEmpty())
        return {};
    const double step = double(rect.width()) / perStrip;
    const double scale = pixelsPerCount(samples.size(), rect.width());
    const double stripHeight = rect.height() / 3.0;

    QVector<QPolygonF> result;
    for (int k = 0; k < 3; ++k) {
        const double base = rect.top() + stripHeight * (k + 0.5);
        QPolygonF line;
        line.reserve(perStrip + 1);
        line << QPointF(rect.left(), base);
        for (int i = 0; i < perStrip; ++i) {
            const int sample = samples.at(k * perStrip + i);
            if (sample < -kSampleLimit || sample > kSampleLimit)
                continue;
            const double y = qBound<double>(rect.top(), base - sample * scale, rect.bottom());
            line << QPointF(qMin<double>(rect.left() + i * step, rect.right()), y);
        }
        result << line;
    }
    return result;
}

void paint(QPainter& painter, const QVector<qint16>& samples, const QRect& rect)
{
    const QVector<QPolygonF> lines = strips(samples, rect);
    painter.save();
    // A line along the clamped edge may still spill one pixel row through the pen's width.
    painter.setClipRect(rect, Qt::IntersectClip);
    for (const QPolygonF& line : lines)
        painter.drawPolyline(perPixelColumn(line));
    painter.restore();
}

} // namespace MiniWaveform
