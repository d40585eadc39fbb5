#pragma once

class CheckItemBase;
class QDialog;
class QWidget;

// Opens the report of a record row: the sleep viewer for sleep checks, the
// Holter summary for Holter recordings, the report viewer for the other
// checks with a report.
namespace ReportLauncher {

// The viewer, shown modeless and deleted on close; null when the row has
// no report. The row shows the patient details saved in the viewer.
QDialog* open(CheckItemBase* row, QWidget* parent);

} // namespace ReportLauncher
