#pragma once

#include "report/BasePaintHelper.h"
#include "ui/viewers/PageStackWidget.h"

#include <memory>

// The viewer's canvas: the report's pages at the viewer's zoom.
class ReportWidget : public PageStackWidget
{
    Q_OBJECT
public:
    explicit ReportWidget(QWidget* parent = nullptr);
    // The painter of the check type: the sleep report or the single-check pages.
    void setData(const ReportData& report);
    BasePaintHelper* helper() const { return m_helper.get(); }

private:
    std::unique_ptr<BasePaintHelper> m_helper;
};
