#pragma once

#include <QPolygonF>
#include <QVector>

class QPainter;

// One row of Holter ECG squeezed into columns of the output: where a
// column covers more than one sample it gets the minimum and the maximum
// of its samples (in their order), so no R wave is drawn shorter than it is;
// where there are no more samples than columns each sample is drawn at its
// own place, as a plain polyline.
class HolterWaveRow
{
public:
    struct Geometry
    {
        double left = 0;
        double right = 0;
        double baseline = 0;
        // Points are clamped between these.
        double top = 0;
        double bottom = 0;
        double pixelsPerCount = 0;
        // Width of one column in device units: a screen pixel, or a fraction
        // of a millimetre on paper so a PDF does not carry every sample.
        double columnWidth = 1;
        // A column whose span is lower than this gets one point (the span
        // would hide inside the pen); 0 keeps every span.
        double minimumSpan = 0;
        // Coordinates rounded to whole device units: on paper, where a unit
        // is under 0.1 mm, this loses nothing visible and halves the PDF.
        bool wholeUnits = false;
    };

    explicit HolterWaveRow(const Geometry& geometry);

    // The polyline of samples[first .. first + count - 1] spread over the
    // row, starting at (left, baseline); it stops where the samples end.
    QPolygonF points(const QVector<qint16>& samples, int first, int count) const;
    // Draws that polyline with the painter's pen.
    void paint(QPainter& painter, const QVector<qint16>& samples, int first, int count) const;

private:
    Geometry m_geometry;
};
