#include "report/EcgTrace.h"

#include <QtGlobal>

namespace EcgTrace {

double pixelsPerCount(double scale, double gainMmPerMv)
{
    return scale * gainMmPerMv / kCountsPerMillivolt;
}

QPolygonF row(const QVector<qint16>& samples, int first, const Row& geometry)
{
    QPolygonF line;
    line << QPointF(geometry.left, geometry.baseline);
    if (first < 0 || geometry.samplesPerRow <= 0)
        return line;
    const int count = qMin(geometry.samplesPerRow, samples.size() - first);
    const double step = (geometry.right - geometry.left) / geometry.samplesPerRow;
    line.reserve(count + 1);
    for (int i = 0; i < count; ++i) {
        const int sample = samples.at(first + i);
        if (sample > kSampleLimit || sample < -kSampleLimit)
            continue;
        const double y = qBound(geometry.top, geometry.baseline - sample * geometry.pixelsPerCount, geometry.bottom);
        line << QPointF(geometry.left + i * step, y);
    }
    return line;
}

} // namespace EcgTrace
