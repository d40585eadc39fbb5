#include "sync/CheckEraser.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"

#include <QFile>

namespace {

void removeFiles(const QString& sn, const QString& checkTime)
{
    for (const QString& path : CheckEraser::filesOf(Config::instance()->dataDir(), sn, checkTime))
        QFile::remove(path);
}

QString userNameOf(const QString& userid)
{
    CheckUser user;
    if (userid == Vitacor::kNoUserId || !DbOperator::instance()->user(userid, &user))
        return QString();
    return user.name;
}

} // namespace

namespace CheckEraser {

QStringList filesOf(const QString& dataDir, const QString& sn, const QString& checkTime)
{
    const QString detail = DetailPath::of(dataDir, sn, checkTime);
    return {detail, detail + ".wav", detail + ".o", detail + ".jpg"};
}

bool eraseCheck(const QString& sn, int checkType, const QString& checkTime, const QString& userName)
{
    if (!DbOperator::instance()->deleteCheck(sn, checkType, checkTime, userName))
        return false;
    removeFiles(sn, checkTime);
    return true;
}

bool eraseDevice(const QString& sn)
{
    DbOperator* db = DbOperator::instance();
    bool all = true;
    for (int type : {CheckType::CorvisetDailyCheck, CheckType::Ecg, CheckType::Oxi, CheckType::Temperature,
                     CheckType::Sleep, CheckType::Spo2Temp, CheckType::Pedometer, CheckType::BloodPressure,
                     CheckType::UserBloodPressure, CheckType::DailyCheck, CheckType::SpotCheck, CheckType::Holter,
                     CheckType::UserGlucose, CheckType::Glucose, CheckType::MultiTest}) {
        if (type == CheckType::Holter) {
            for (const HolterCheck& holter : db->holterChecks(sn))
                all = eraseCheck(sn, type, holter.checkTime) && all;
            continue;
        }
        for (const CheckRecord& record : db->checks(sn, type))
            all = eraseCheck(sn, type, record.checkTimeText(), userNameOf(record.userid)) && all;
    }
    return all;
}

bool eraseMultiTestUser(const QString& sn, const QString& medicalid)
{
    bool all = true;
    for (const CheckRecord& record : DbOperator::instance()->checks(sn, CheckType::MultiTest, medicalid))
        all = eraseCheck(sn, CheckType::MultiTest, record.checkTimeText()) && all;
    return all && DbOperator::instance()->setMultiTestUserHidden(sn, medicalid, true);
}

} // namespace CheckEraser
