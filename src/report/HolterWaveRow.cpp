#include "report/HolterWaveRow.h"

#include "report/EcgTrace.h"

#include <QPainter>

#include <cmath>

namespace {

bool accepted(int sample)
{
    return sample >= -EcgTrace::kSampleLimit && sample <= EcgTrace::kSampleLimit;
}

} // namespace

HolterWaveRow::HolterWaveRow(const Geometry& geometry)
    : m_geometry(geometry)
{}

QPolygonF HolterWaveRow::points(const QVector<qint16>& samples, int first, int count) const
{
    const Geometry& g = m_geometry;
    QPolygonF line;
    line << QPointF(g.left, g.baseline);
    const double width = g.right - g.left;
    if (first < 0 || count <= 0 || width <= 0 || g.columnWidth <= 0)
        return line;
    const qint64 available = qMin<qint64>(count, qint64(samples.size()) - first);
    if (available <= 0)
        return line;
    const qint64 columns = qMax<qint64>(1, qint64(std::floor(width / g.columnWidth)));
    const double columnStep = width / columns;
    const auto yOf = [&g](int sample) { return qBound(g.top, g.baseline - sample * g.pixelsPerCount, g.bottom); };
    const auto append = [&line, &g](double x, double y) {
        if (g.wholeUnits) {
            x = std::round(x);
            y = std::round(y);
        }
        // The middle of three points at one height adds nothing to a line.
        const int n = line.size();
        if (n >= 2 && line.at(n - 1).y() == y && line.at(n - 2).y() == y && line.at(n - 1).x() != x)
            line[n - 1].setX(x);
        else
            line << QPointF(x, y);
    };
    const qint16* data = samples.constData() + first;
    if (count <= columns) {
        // No column holds two samples: each sample at its own place.
        line.reserve(int(available) + 1);
        for (qint64 i = 0; i < available; ++i) {
            if (accepted(data[i]))
                append(g.left + i * width / count, yOf(data[i]));
        }
        return line;
    }
    line.reserve(int(qMin<qint64>(2 * columns, 2 * available)) + 1);
    for (qint64 column = 0; column < columns; ++column) {
        // Integer bounds, so neighbouring columns neither share nor skip a sample.
        const qint64 begin = column * count / columns;
        if (begin >= available)
            break;
        const qint64 end = qMin(available, (column + 1) * count / columns);
        const double x = g.left + column * columnStep;
        qint64 low = -1;
        qint64 high = -1;
        for (qint64 i = begin; i < end; ++i) {
            if (!accepted(data[i]))
                continue;
            if (low < 0 || data[i] < data[low])
                low = i;
            if (high < 0 || data[i] > data[high])
                high = i;
        }
        if (low < 0)
            continue;
        const qint64 before = qMin(low, high);
        const qint64 after = qMax(low, high);
        append(x, yOf(data[before]));
        if (after != before && (data[high] - data[low]) * g.pixelsPerCount >= g.minimumSpan)
            append(x, yOf(data[after]));
    }
    return line;
}

void HolterWaveRow::paint(QPainter& painter, const QVector<qint16>& samples, int first, int count) const
{
    painter.drawPolyline(points(samples, first, count));
}
