#pragma once

#include "ui/viewers/ReportWidget.h"

// The sleep report's one page on screen.
class SlmReportWidget : public ReportWidget
{
    Q_OBJECT
public:
    explicit SlmReportWidget(QWidget* parent = nullptr);
};
