#pragma once

#include "files/CheckRecord.h"

#include <QString>

class ReportViewer;
class QWidget;

// Opens the report of a stored check: the sleep viewer for sleep checks, the
// report viewer for the other checks with a report.
namespace ReportLauncher {

// The viewer, shown modeless and deleted on close; null when the check has
// no report to show.
ReportViewer* open(const QString& sn, const CheckRecord& record, QWidget* parent);

} // namespace ReportLauncher
