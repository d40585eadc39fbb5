#pragma once

#include "report/ReportData.h"

#include <QList>

class QPrinter;
class QWidget;
struct CheckRecord;

// Reports on paper and as one PDF, for a viewer or for the selected checks
// of the record list.
namespace ReportPrinting {

// The report of a stored check; false when there is none to show: a type
// without a page report, an unreadable detail file or an empty sleep trend.
bool reportOf(const QString& sn, const CheckRecord& record, ReportData* data);
// The reports of the checks that have one, in the given order.
QList<ReportData> reportsOf(const QString& sn, const QList<CheckRecord>& records);
// A4, full page, chosen before the print dialog; false when cancelled or
// when the printer could not start (which is shown).
bool print(QWidget* parent, const QList<ReportData>& reports);
// A4 and the full page, so a printer that defaults to Letter keeps the strip whole.
void prepare(QPrinter& printer);
// Prints on a printer set up and chosen; false, shown to the user, when it cannot start.
bool printOn(QPrinter& printer, const QList<ReportData>& reports, QWidget* parent);
// The proposed PDF name: one report is named by its check time, several by now.
QString pdfName(const QList<ReportData>& reports);
// Asks for a file and writes every report into one PDF; false when
// cancelled or failed (the failure is shown).
bool savePdf(QWidget* parent, const QList<ReportData>& reports);

} // namespace ReportPrinting
