#pragma once

#include "files/DailyRecord.h"
#include "files/EcgDetail.h"

#include <QString>

// The texts of a daily check that its row shows and the record list filters
// by. The two-user monitor (model 53) keeps its user (1 or 2) where others
// keep the blood-pressure flag, which it never measures, and its verdict is
// the pulse verdict instead of the ECG results.
namespace DailyCheckText {

bool isTwoUserMonitor(int modelType);
// 1 or 2 on the two-user monitor; anything else is no user.
int user(const DailyRecord& daily);
// "A" or "B" on the two-user monitor, else empty.
QString userLetter(const DailyRecord& daily, int modelType);
// The verdict of the result line; empty when the detail file was not read.
QString result(const EcgDetail& detail, int modelType);

} // namespace DailyCheckText
