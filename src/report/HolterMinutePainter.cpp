#include "report/HolterMinutePainter.h"

#include "report/EcgTrace.h"
#include "report/HolterWaveRow.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

const QColor kLight(255, 192, 203);
const QColor kMedium(255, 122, 122);
const QColor kMajor(255, 0, 0);

// Every 5th line medium, every `major`th line red, the rest light.
const QColor& lineColour(int k, int major)
{
    return k % major == 0 ? kMajor : k % 5 == 0 ? kMedium : kLight;
}

} // namespace

QRectF HolterMinutePainter::fitPlot(const QRectF& area)
{
    const QSizeF size = QSizeF(kSmallColumns, kSmallRows).scaled(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2, size.width(),
                  size.height());
}

double HolterMinutePainter::pixelsPerCount(const QRectF& plot)
{
    return plot.height() / kGridRows * 0.5 / EcgTrace::kCountsPerMillivolt;
}

void HolterMinutePainter::paint(QPainter& painter, const QRectF& plot, const QVector<qint16>& samples, int minute) const
{
    paintGrid(painter, plot);
    paintTrace(painter, plot, samples, minute);
    paintCalibrationMarks(painter, plot);
}

void HolterMinutePainter::drawGridLines(QPainter& painter, const QPointF& origin, const QSizeF& size,
                                        double lineWidth) const
{
    const double stepX = size.width() / kSmallColumns;
    const double stepY = size.height() / kSmallRows;
    const double right = origin.x() + size.width();
    const double bottom = origin.y() + size.height();
    // Lighter lines first so the medium and major ones stay on top.
    for (const QColor* colour : {&kLight, &kMedium, &kMajor}) {
        painter.setPen(QPen(*colour, lineWidth, Qt::SolidLine, Qt::FlatCap));
        for (int k = 0; k <= kSmallColumns; ++k) {
            if (lineColour(k, 25) == *colour)
                painter.drawLine(QPointF(origin.x() + k * stepX, origin.y()), QPointF(origin.x() + k * stepX, bottom));
        }
        for (int k = 0; k <= kSmallRows; ++k) {
            if (lineColour(k, 20) == *colour)
                painter.drawLine(QPointF(origin.x(), origin.y() + k * stepY), QPointF(right, origin.y() + k * stepY));
        }
    }
}

void HolterMinutePainter::paintGrid(QPainter& painter, const QRectF& plot) const
{
    painter.save();
    painter.fillRect(plot, Qt::white);
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (!raster || painter.transform().type() > QTransform::TxTranslate) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawGridLines(painter, plot.topLeft(), plot.size(), m_style.gridLineWidth);
        painter.restore();
        return;
    }
    // Drawn line by line the grid costs a frame on a screen; its picture is
    // cached in device pixels, at the plot's sub-pixel offset, so it looks
    // exactly as the lines would.
    const double ratio = painter.device()->devicePixelRatioF();
    const QPointF device = painter.deviceTransform().map(plot.topLeft());
    const QPointF whole(std::floor(device.x()), std::floor(device.y()));
    const QPointF offset = device - whole;
    const QSizeF size = plot.size() * ratio;
    const double lineWidth = m_style.gridLineWidth * ratio;
    if (m_gridCache.isNull() || m_cacheSize != size || m_cacheOffset != offset || m_cacheLineWidth != lineWidth) {
        m_gridCache = QImage(int(std::ceil(offset.x() + size.width())) + 1,
                             int(std::ceil(offset.y() + size.height())) + 1, QImage::Format_ARGB32_Premultiplied);
        m_gridCache.fill(Qt::transparent);
        QPainter image(&m_gridCache);
        drawGridLines(image, offset, size, lineWidth);
        image.end();
        m_gridCache.setDevicePixelRatio(ratio);
        m_cacheSize = size;
        m_cacheOffset = offset;
        m_cacheLineWidth = lineWidth;
    }
    // Back into the painter's coordinates: a widget painted inside a window has
    // its place in the window in the device transform as well.
    painter.drawImage(painter.deviceTransform().inverted().map(whole), m_gridCache);
    painter.restore();
}

void HolterMinutePainter::paintTrace(QPainter& painter, const QRectF& plot, const QVector<qint16>& samples,
                                     int minute) const
{
    if (minute < 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(m_style.wavePen);
    HolterWaveRow::Geometry row;
    row.left = plot.left();
    row.right = plot.right();
    row.top = plot.top();
    row.bottom = plot.bottom();
    row.pixelsPerCount = pixelsPerCount(plot);
    const qint64 start = qint64(minute) * kSamplesPerMinute;
    for (int r = 0; r < kTraceRows; ++r) {
        const qint64 first = start + qint64(r) * kSamplesPerRow;
        if (first >= samples.size())
            break;
        row.baseline = plot.top() + (r + 1) * plot.height() / kGridRows;
        HolterWaveRow(row).paint(painter, samples, int(first), kSamplesPerRow);
    }
    painter.restore();
}

void HolterMinutePainter::paintCalibrationMarks(QPainter& painter, const QRectF& plot) const
{
    const double square = smallSquare(plot);
    const double left = plot.left();
    const double top = plot.top();
    const double millivolt = plot.height() / (2 * kGridRows);
    const double second = plot.width() / kSeconds;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen = m_style.markPen;
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    painter.setPen(pen);
    painter.setFont(m_style.markFont);

    const double x0 = left - square;
    const double w = 2 * square;
    const double y0 = top + plot.height() / kGridRows;
    QPolygonF pulse;
    pulse << QPointF(x0, y0) << QPointF(x0 - w, y0) << QPointF(x0 - w, y0 - millivolt)
          << QPointF(x0 - 2 * w, y0 - millivolt) << QPointF(x0 - 2 * w, y0) << QPointF(x0 - 3 * w, y0);
    painter.drawPolyline(pulse);
    painter.drawText(QRectF(x0 - 4 * w, y0 + square, 5 * w, 6 * square), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("1mv"));

    const double tick = 4 * square;
    painter.drawLine(QPointF(left, top), QPointF(left, top - tick));
    painter.drawLine(QPointF(left + second, top), QPointF(left + second, top - tick));
    const double bracket = top - tick / 2;
    const double stroke = second * 6 / 25;
    painter.drawLine(QPointF(left, bracket), QPointF(left + stroke, bracket));
    painter.drawLine(QPointF(left + second - stroke, bracket), QPointF(left + second, bracket));
    painter.drawText(QRectF(left, top - tick, second, tick), Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("1s"));
    painter.restore();
}
