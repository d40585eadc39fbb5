#include "sync/CheckEraser.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "sync/DownloadFolder.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {

QString userNameOf(const QString& userid)
{
    CheckUser user;
    if (userid == Vitacor::kNoUserId || !DbOperator::instance()->user(userid, &user))
        return QString();
    return user.name;
}

// Deletes one check inside a transaction while its files are set aside in
// the claimed scratch folder; they go with the folder once the deletion is stored.
bool eraseOne(DownloadFolder& folder, int checkType, const QString& checkTime, const QString& userName,
              CheckEraser::Result* result)
{
    DbOperator* db = DbOperator::instance();
    const QString sn = folder.sn();
    auto keep = [&](const QString& why) {
        db->rollback();
        folder.putBack();
        ++result->kept;
        if (result->failure.isEmpty())
            result->failure = why;
        return false;
    };
    if (!db->beginTransaction())
        return keep("the record database cannot start a transaction");
    if (!db->deleteCheck(sn, checkType, checkTime, userName))
        return keep("the record database kept the check");
    // A check of another type at the same second (glucose beside an ECG) keeps what it names.
    const bool stillUsed = CheckType::keepsFiles(db->storedCheckType(sn, checkTime + sn));
    QStringList present;
    for (const QString& path : CheckEraser::filesOf(Config::instance()->dataDir(), sn, checkType, checkTime)) {
        if (QFileInfo(path).isFile())
            present << path;
    }
    for (const QString& path : stillUsed ? QStringList() : present) {
        if (!folder.setAside(QFileInfo(path).fileName())) {
            result->keptFiles << folder.notes().writeFailure;
            for (const QString& other : present) {
                if (other != path)
                    result->keptFiles << QDir::toNativeSeparators(other);
            }
            return keep(folder.notes().writeFailure);
        }
    }
    if (!db->commit())
        return keep("the record database could not store the deletion");
    folder.discardSetAside();
    ++result->erased;
    return true;
}

// Runs `erase` while holding the monitor's download lock.
CheckEraser::Result withLock(const QString& sn, const std::function<void(DownloadFolder&, CheckEraser::Result*)>& erase)
{
    CheckEraser::Result result;
    DownloadFolder folder(Config::instance()->dataDir(), sn);
    if (!folder.claim()) {
        result.busy = folder.notes().busy;
        result.failure = result.busy ? QString("a download of %1 is running").arg(sn) : folder.notes().writeFailure;
        return result;
    }
    erase(folder, &result);
    return result;
}

} // namespace

namespace CheckEraser {

QStringList filesOf(const QString& dataDir, const QString& sn, int checkType, const QString& checkTime)
{
    if (!CheckType::keepsFiles(checkType))
        return {};
    const QString detail = DetailPath::of(dataDir, sn, checkTime);
    if (checkType == CheckType::Holter)
        return {detail};
    return {detail, detail + ".wav", detail + ".o", detail + ".jpg"};
}

Result eraseCheck(const QString& sn, int checkType, const QString& checkTime, const QString& userName)
{
    Result result =
        withLock(sn, [&](DownloadFolder& folder, Result* r) { eraseOne(folder, checkType, checkTime, userName, r); });
    if (result.erased == 0 && result.kept == 0)
        result.kept = 1;
    return result;
}

Result eraseDevice(const QString& sn)
{
    return withLock(sn, [&sn](DownloadFolder& folder, Result* result) {
        DbOperator* db = DbOperator::instance();
        for (int type : {CheckType::CorvisetDailyCheck, CheckType::Ecg, CheckType::Oxi, CheckType::Temperature,
                         CheckType::Sleep, CheckType::Spo2Temp, CheckType::Pedometer, CheckType::BloodPressure,
                         CheckType::UserBloodPressure, CheckType::DailyCheck, CheckType::SpotCheck, CheckType::Holter,
                         CheckType::UserGlucose, CheckType::Glucose, CheckType::MultiTest}) {
            if (type == CheckType::Holter) {
                for (const HolterCheck& holter : db->holterChecks(sn))
                    eraseOne(folder, type, holter.checkTime, QString(), result);
                continue;
            }
            for (const CheckRecord& record : db->checks(sn, type))
                eraseOne(folder, type, record.checkTimeText(), userNameOf(record.userid), result);
        }
    });
}

Result eraseMultiTestUser(const QString& sn, const QString& medicalid)
{
    return withLock(sn, [&](DownloadFolder& folder, Result* result) {
        for (const CheckRecord& record : DbOperator::instance()->checks(sn, CheckType::MultiTest, medicalid))
            eraseOne(folder, CheckType::MultiTest, record.checkTimeText(), QString(), result);
        if (result->kept == 0 && !DbOperator::instance()->setMultiTestUserHidden(sn, medicalid, true))
            result->failure = "the record database could not hide the user";
    });
}

} // namespace CheckEraser
