#include "ui/viewers/SlmReportWidget.h"

#include "files/CheckType.h"

SlmReportWidget::SlmReportWidget(QWidget* parent)
    : ReportWidget(parent)
{
    ReportData empty;
    empty.checkType = CheckType::Sleep;
    setData(empty);
}
