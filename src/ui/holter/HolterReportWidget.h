#pragma once

#include "report/HolterReportHelper.h"
#include "ui/viewers/PageStackWidget.h"

// The Holter ECG report's pages in its viewer.
class HolterReportWidget : public PageStackWidget
{
    Q_OBJECT
public:
    explicit HolterReportWidget(QWidget* parent = nullptr);

    void setData(const HolterReport* report);
    // 30 or 60 rows a page; the pages are laid out afresh.
    void setLinesPerPage(int lines);
    HolterReportHelper* helper() { return &m_helper; }

private:
    HolterReportHelper m_helper;
};
