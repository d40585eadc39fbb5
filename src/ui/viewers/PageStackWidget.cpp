#include "ui/viewers/PageStackWidget.h"

#include "report/BasePaintHelper.h"

#include <QPaintEvent>
#include <QPainter>

PageStackWidget::PageStackWidget(BasePaintHelper* helper, QWidget* parent)
    : QWidget(parent)
    , m_helper(helper)
{}

void PageStackWidget::setScale(double scale)
{
    m_scale = scale;
    relayout();
}

void PageStackWidget::setHelper(BasePaintHelper* helper)
{
    m_helper = helper;
    relayout();
}

void PageStackWidget::relayout()
{
    const double s = m_scale;
    m_helper->setScale(s);
    const double width = BasePaintHelper::kPageWidthMm * s;
    const double height = BasePaintHelper::kPageHeightMm * s;
    const double stride = height + 2 * s;
    m_pages.clear();
    for (int i = 0; i < m_helper->pageCount(); ++i)
        m_pages << QRectF(0, i * stride + s, width, height);
    setFixedSize(qRound(width + 1), qRound(m_helper->pageCount() * stride));
    update();
}

void PageStackWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(238, 243, 250));
    m_helper->setForScreen(false);
    m_helper->setPainter(&painter);
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i).intersects(event->rect()))
            m_helper->paintPage(m_pages.at(i), i);
    }
    m_helper->setPainter(nullptr);
}
