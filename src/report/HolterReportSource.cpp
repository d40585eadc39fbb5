#include "report/HolterReportSource.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckUser.h"
#include "files/DetailPath.h"
#include "holter/HolterReport.h"

#include <algorithm>

namespace HolterReportSource {

bool load(const QString& sn, const QString& checkTime, HolterReport* report, CheckUser* patient, QString* error)
{
    DbOperator* db = DbOperator::instance();
    const QList<HolterCheck> checks = db->holterChecks(sn);
    const auto stored = std::find_if(checks.cbegin(), checks.cend(),
                                     [&checkTime](const HolterCheck& check) { return check.checkTime == checkTime; });
    if (stored == checks.cend()) {
        *error = QString("no Holter recording of %1 is stored for the monitor '%2'.").arg(checkTime, sn);
        return false;
    }
    CheckUser user;
    // A recording without a user shows no gender.
    user.sex = -1;
    if (!stored->userid.isEmpty() && stored->userid != Vitacor::kNoUserId)
        db->user(stored->userid, &user);
    CheckUser edited;
    if (db->reportUser(checkTime + sn, &edited))
        user = edited;
    *patient = user;
    report->load(DetailPath::of(Config::instance()->dataDir(), sn, checkTime));
    report->setConfig(Config::instance());
    report->setUserInfo(patient);
    return true;
}

} // namespace HolterReportSource
