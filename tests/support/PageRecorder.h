#pragma once

#include "report/BasePaintHelper.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTextItem>
#include <QVector>

#include <memory>

// What a report page draws, as drawn: its texts, each with the box it takes
// on the page and the clip it was drawn under (so tests can tell a cut,
// hidden or crowded text from a whole one), its polylines and its filled rectangles.
namespace PageRecorder {

struct Item
{
    QString text;
    // The ink of its glyphs, in page pixels.
    QRectF box;
    // The clip's bounding box; null when nothing clips the text.
    QRectF clip;
};

class Engine : public QPaintEngine
{
public:
    Engine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QTransform transform = painter()->transform();
        const QRectF local = QFontMetricsF(item.font()).tightBoundingRect(item.text()).translated(p);
        Item drawn{item.text(), transform.mapRect(local), QRectF()};
        if (painter()->hasClipping())
            drawn.clip = transform.mapRect(painter()->clipBoundingRect());
        items << drawn;
    }
    using QPaintEngine::drawRects;
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count && painter()->brush().style() != Qt::NoBrush; ++i)
            fills << painter()->transform().mapRect(rects[i]);
    }
    using QPaintEngine::drawPolygon;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            polylines << painter()->transform().map(QPolygonF(QVector<QPointF>(points, points + count)));
    }
    Type type() const override { return QPaintEngine::User; }

    QVector<Item> items;
    QVector<QPolygonF> polylines;
    QVector<QRectF> fills;
};

// A page-sized device at 300 dpi whose engine keeps the texts.
class Recorder : public QPaintDevice
{
public:
    static constexpr int kDpi = 300;

    QPaintEngine* paintEngine() const override { return &m_engine; }
    const QVector<Item>& items() const { return m_engine.items; }
    const QVector<QPolygonF>& polylines() const { return m_engine.polylines; }
    const QVector<QRectF>& fills() const { return m_engine.fills; }
    QRectF page() const { return QRectF(0, 0, width(), height()); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        const double scale = kDpi / 25.4;
        switch (metric) {
        case PdmWidth: return qRound(BasePaintHelper::kPageWidthMm * scale);
        case PdmHeight: return qRound(BasePaintHelper::kPageHeightMm * scale);
        case PdmWidthMM: return int(BasePaintHelper::kPageWidthMm);
        case PdmHeightMM: return int(BasePaintHelper::kPageHeightMm);
        case PdmNumColors: return 1 << 24;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kDpi;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable Engine m_engine;
};

// Paints page `index` of a report at 300 dpi, as the PDF writer does.
inline void paint(BasePaintHelper& helper, int index, Recorder* recorder)
{
    QPainter painter(recorder);
    helper.setPainter(&painter);
    helper.setScale(Recorder::kDpi / 25.4);
    helper.paintPage(recorder->page(), index);
    helper.setPainter(nullptr);
}

// The texts of page `index`.
inline QVector<Item> of(BasePaintHelper& helper, int index)
{
    Recorder recorder;
    paint(helper, index, &recorder);
    return recorder.items();
}

inline QString joined(const QVector<Item>& items)
{
    QStringList texts;
    for (const Item& item : items)
        texts << item.text;
    return texts.join('|');
}

} // namespace PageRecorder
