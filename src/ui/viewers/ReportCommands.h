#pragma once

#include "files/CheckRecord.h"
#include "report/ReportData.h"
#include "ui/viewers/ReportLauncher.h"
#include "ui/viewers/ReportPrinting.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// What the main window does with the reports of stored checks: opens the
// viewer of one check, prints the reports of the selected checks or saves
// them as one PDF. Tests put their own in place of the dialogs.
struct ReportCommands
{
    using ViewerOpener = std::function<ReportViewer*(const QString& sn, const CheckRecord& record, QWidget* parent)>;
    using Output = std::function<bool(QWidget* parent, const QList<ReportData>& reports)>;

    ViewerOpener openViewer = ReportLauncher::open;
    Output print = ReportPrinting::print;
    Output savePdf = ReportPrinting::savePdf;
};
