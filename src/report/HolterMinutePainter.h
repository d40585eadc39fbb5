#pragma once

#include <QFont>
#include <QImage>
#include <QPen>
#include <QRectF>
#include <QVector>

class QPainter;

// One minute of Holter ECG on ECG paper, as the detail dialog and the
// one-minute report show it: 10 s across and seven rows of 20 small squares
// down (250 x 140 squares, 25 a second, 10 a millivolt), six rows of 10 s of
// trace, and the 1 s and 1 mV marks beside the plot.
class HolterMinutePainter
{
public:
    static constexpr int kSeconds = 10;
    static constexpr int kSmallColumns = 250;
    static constexpr int kSmallRows = 140;
    static constexpr int kGridRows = 7;
    static constexpr int kTraceRows = 6;
    static constexpr int kSamplesPerRow = 1250;
    static constexpr int kSamplesPerMinute = kTraceRows * kSamplesPerRow;

    struct Style
    {
        // Width of the grid lines in device units.
        double gridLineWidth = 1;
        QPen wavePen = QPen(Qt::black, 1);
        QPen markPen = QPen(Qt::black, 1);
        QFont markFont;
    };

    HolterMinutePainter() = default;

    void setStyle(const Style& style) { m_style = style; }
    const Style& style() const { return m_style; }

    // The largest plot of square small squares centred in `area`.
    static QRectF fitPlot(const QRectF& area);
    // Pixels per sample count: one millivolt is half a row.
    static double pixelsPerCount(const QRectF& plot);
    static double smallSquare(const QRectF& plot) { return plot.width() / kSmallColumns; }

    // Grid, trace of `minute` and the marks.
    void paint(QPainter& painter, const QRectF& plot, const QVector<qint16>& samples, int minute) const;
    // White paper with the grid; on screens and images a cached picture of
    // it, on PDF and paper vector lines.
    void paintGrid(QPainter& painter, const QRectF& plot) const;
    void paintTrace(QPainter& painter, const QRectF& plot, const QVector<qint16>& samples, int minute) const;
    // The 1 mV pulse left of the first row and the 1 s bracket above the plot.
    void paintCalibrationMarks(QPainter& painter, const QRectF& plot) const;

private:
    void drawGridLines(QPainter& painter, const QPointF& origin, const QSizeF& size, double lineWidth) const;

    Style m_style;
    mutable QImage m_gridCache;
    mutable QSizeF m_cacheSize;
    mutable QPointF m_cacheOffset;
    mutable double m_cacheLineWidth = 0;
};
