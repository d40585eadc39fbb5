#include "ui/holter/DetailReportWidget.h"

DetailReportWidget::DetailReportWidget(QWidget* parent)
    : PageStackWidget(&m_helper, parent)
{
    relayout();
}

void DetailReportWidget::setData(const HolterReport* report, int minute)
{
    m_helper.setData(report, minute);
    relayout();
}
