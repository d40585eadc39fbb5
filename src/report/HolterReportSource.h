#pragma once

#include <QString>

class HolterReport;
struct CheckUser;

// A stored Holter recording for its report: the recording file of the data
// directory and the patient as edited for the report (or else the
// recording's user).
namespace HolterReportSource {

// False with a one-line reason when no such recording is stored. A stored
// recording whose file is missing or cut still counts: `report` is then not
// loaded and its report shows no ECG.
bool load(const QString& sn, const QString& checkTime, HolterReport* report, CheckUser* patient, QString* error);

} // namespace HolterReportSource
