#pragma once

#include "report/HolterMinuteReportHelper.h"
#include "ui/viewers/PageStackWidget.h"

// The one-page ECG report of one Holter minute in its review dialog.
class DetailReportWidget : public PageStackWidget
{
    Q_OBJECT
public:
    explicit DetailReportWidget(QWidget* parent = nullptr);

    void setData(const HolterReport* report, int minute);
    HolterMinuteReportHelper* helper() { return &m_helper; }

private:
    HolterMinuteReportHelper m_helper;
};
