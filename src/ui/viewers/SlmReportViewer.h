#pragma once

#include "ui/viewers/ReportViewer.h"

// The sleep report's viewer: the report viewer's commands and the export of
// the trend samples as CSV.
class SlmReportViewer : public ReportViewer
{
    Q_OBJECT
public:
    explicit SlmReportViewer(QWidget* parent = nullptr);

public slots:
    void on_btnCSV_clicked();
};
