#pragma once

#include <QVector>
#include <QWidget>

class BasePaintHelper;

// A canvas of a document's A4 pages, one under another 2 mm apart, at a zoom
// in pixels per millimetre; only the pages in the exposed area are painted.
class PageStackWidget : public QWidget
{
    Q_OBJECT
public:
    // The helper paints the pages; it stays the caller's.
    explicit PageStackWidget(BasePaintHelper* helper, QWidget* parent = nullptr);

    void setScale(double scale);
    double scale() const { return m_scale; }
    const QVector<QRectF>& pages() const { return m_pages; }

protected:
    void setHelper(BasePaintHelper* helper);
    // Lays the pages out afresh after the helper's page count changed.
    void relayout();
    void paintEvent(QPaintEvent* event) override;

private:
    BasePaintHelper* m_helper;
    double m_scale = 5.0;
    QVector<QRectF> m_pages;
};
