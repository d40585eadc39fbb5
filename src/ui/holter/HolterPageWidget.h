#pragma once

#include <QVector>
#include <QWidget>

class BasePaintHelper;

// A canvas of a Holter document's A4 pages, one under another at 5 pixels
// per millimetre with a millimetre between them; only the pages in the
// exposed area are painted.
class HolterPageWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr double kScale = 5.0;

    explicit HolterPageWidget(BasePaintHelper* helper, QWidget* parent = nullptr);

    // Lays the pages out afresh after the helper's page count changed.
    void relayout();
    const QVector<QRectF>& pages() const { return m_pages; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BasePaintHelper* m_helper;
    QVector<QRectF> m_pages;
};
