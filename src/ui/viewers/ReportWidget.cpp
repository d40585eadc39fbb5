#include "ui/viewers/ReportWidget.h"

#include "report/ReportOutput.h"

#include <QPaintEvent>
#include <QPainter>

ReportWidget::ReportWidget(QWidget* parent)
    : QWidget(parent)
    , m_helper(ReportOutput::createHelper(-1))
{}

void ReportWidget::setData(const ReportData& report)
{
    m_helper = ReportOutput::createHelper(report.checkType);
    m_helper->setData(report);
    setScale(m_scale);
}

void ReportWidget::setScale(double scale)
{
    m_scale = scale;
    m_helper->setScale(scale);
    const double width = BasePaintHelper::kPageWidthMm * scale;
    const double height = BasePaintHelper::kPageHeightMm * scale;
    const double stride = height + 2 * scale;
    m_pages.clear();
    for (int i = 0; i < m_helper->pageCount(); ++i)
        m_pages << QRectF(0, i * stride + scale, width, height);
    setFixedSize(qRound(width + 1), qRound(m_helper->pageCount() * stride));
    update();
}

void ReportWidget::paintEvent(QPaintEvent* event)
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
