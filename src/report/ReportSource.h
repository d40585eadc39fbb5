#pragma once

#include "report/ReportData.h"

#include <QList>
#include <QString>

// Reads what a stored check's report shows: the record, the detail file or
// sleep trend of the data directory, and the patient as edited for the
// report (or else the check's user).
namespace ReportSource {

// Whether the single-check page painters paint the report of a check type:
// every type with a report but Holter, which has the Holter report.
bool hasReport(int checkType);
// Those types in ascending order.
QList<int> reportTypes();
// False with a one-line reason when the check is not stored or its report
// cannot be made (no report for the type, detail file unreadable).
bool load(const QString& sn, int checkType, const QString& checkTime, ReportData* data, QString* error);
// The same from a record the caller holds.
bool fromRecord(const QString& sn, const CheckRecord& record, ReportData* data, QString* error);

} // namespace ReportSource
