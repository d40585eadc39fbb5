#pragma once

#include "files/CheckRecord.h"
#include "report/ReportData.h"
#include "ui/holter/HolterPdfBatch.h"
#include "ui/viewers/ReportLauncher.h"
#include "ui/viewers/ReportPrinting.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// What the main window does with the reports of stored checks: opens the
// viewer of one check, prints the reports of the selected checks or saves
// them as one PDF (Holter recordings: a PDF each). Tests put their own in place of the dialogs.
struct ReportCommands
{
    using ViewerOpener = std::function<ReportViewer*(const QString& sn, const CheckRecord& record, QWidget* parent)>;
    using Output = std::function<bool(QWidget* parent, const QList<ReportData>& reports)>;

    ViewerOpener openViewer = ReportLauncher::open;
    Output print = ReportPrinting::print;
    Output savePdf = ReportPrinting::savePdf;
    // Holter recordings have a report of their own: one PDF file each, or
    // every report in one print job.
    using HolterOutput = std::function<int(QWidget* parent, const QList<HolterPdfBatch::Recording>& recordings)>;
    HolterOutput printHolter = HolterPdfBatch::print;
    HolterOutput saveHolterPdf = HolterPdfBatch::save;
};
