#include "ui/holter/HolterReportWidget.h"

HolterReportWidget::HolterReportWidget(QWidget* parent)
    : PageStackWidget(&m_helper, parent)
{
    relayout();
}

void HolterReportWidget::setData(const HolterReport* report)
{
    m_helper.setData(report);
    relayout();
}

void HolterReportWidget::setLinesPerPage(int lines)
{
    m_helper.setLinesPerPage(lines);
    relayout();
}
