#include "ui/viewers/ReportWidget.h"

#include "report/ReportOutput.h"

ReportWidget::ReportWidget(QWidget* parent)
    : PageStackWidget(nullptr, parent)
    , m_helper(ReportOutput::createHelper(-1))
{
    setHelper(m_helper.get());
}

void ReportWidget::setData(const ReportData& report)
{
    std::unique_ptr<BasePaintHelper> helper = ReportOutput::createHelper(report.checkType);
    helper->setData(report);
    setHelper(helper.get());
    m_helper = std::move(helper);
}
