#pragma once

#include "report/ReportData.h"

#include <QList>

class CheckItemBase;
class QWidget;

// Reports on paper and as one PDF, for a viewer or for the selected rows of
// the record list.
namespace ReportPrinting {

// The reports of the rows that have one; rows without a report (no detail
// file, or a check type without a report) are left out.
QList<ReportData> reportsOf(const QList<CheckItemBase*>& rows);
// A4, full page, chosen before the print dialog; false when cancelled.
bool print(QWidget* parent, const QList<ReportData>& reports);
// Asks for a file and writes every report into one PDF; false when
// cancelled or failed (the failure is shown).
bool savePdf(QWidget* parent, const QList<ReportData>& reports);

} // namespace ReportPrinting
