#include "sync/DownloadFinisher.h"

#include "app/Constants.h"
#include "app/LogHelper.h"
#include "db/DbOperator.h"
#include "files/DeviceInfo.h"
#include "sync/DownloadFolder.h"
#include "sync/SyncStrategyFactory.h"

namespace {

// What failed, with the database's own reason when it gave one (a full disk says so).
QString storeFailure(const QString& what)
{
    const QString reason = DbOperator::instance()->lastErrorText();
    return reason.isEmpty() ? what : what + ": " + reason;
}

} // namespace

bool DownloadFinisher::isUsableSerial(const QString& sn)
{
    if (sn.trimmed().isEmpty() || sn.contains("..") || sn.contains('/') || sn.contains('\\'))
        return false;
    for (const QChar c : sn) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

DownloadFinisher::Result DownloadFinisher::finish(DownloadFolder& folder, bool complete)
{
    Result result;
    if (folder.recovered() > 0)
        LogHelper::instance()->writeLog(QString("Download of %1: %2 file(s) an interrupted run had taken out of the "
                                                "device folder were put back.")
                                            .arg(folder.sn())
                                            .arg(folder.recovered()));
    if (!complete) {
        folder.remove();
        result.notes = folder.notes();
        return result;
    }
    const QString dir = folder.path();
    auto info = DeviceInfo::readFile(dir + Vitacor::kDeviceFileName);
    if (!info)
        return discard(folder, result, Outcome::NoDeviceInfo, "dev.dat is missing or empty");
    result.sn = info->sn;
    result.modelType = info->modelType;
    if (!isUsableSerial(info->sn) || info->sn != folder.sn())
        return discard(folder, result, Outcome::NoDeviceInfo,
                       "dev.dat names no usable serial number or another one: \"" + info->sn + "\"");

    DbOperator* db = DbOperator::instance();
    if (!db->beginTransaction())
        return discard(folder, result, Outcome::DeviceNotStored,
                       storeFailure("the record store cannot start a transaction"));
    // A monitor that gave no branch code this time keeps the one stored.
    DeviceInfo stored;
    if (info->branchcode.isEmpty() && db->device(info->sn, &stored))
        info->branchcode = stored.branchcode;
    if (!db->storeDevice(*info)) {
        const QString reason = storeFailure("the device could not be stored");
        db->rollback();
        return discard(folder, result, Outcome::DeviceNotStored, reason);
    }
    if (!SyncStrategyFactory::create(info->modelType, info->sn)->sync(folder)) {
        const QString reason = storeFailure("storing its users and checks failed");
        db->rollback();
        return discard(folder, result, Outcome::SyncFailed, reason);
    }
    if (!folder.moveIntoDeviceFolder(&result.movedFiles, &result.keptFiles)) {
        db->rollback();
        return discard(folder, result, Outcome::MoveFailed, folder.notes().writeFailure);
    }
    if (!db->commit()) {
        const QString reason = storeFailure("the record store could not commit");
        folder.undoMove();
        db->rollback();
        return discard(folder, result, Outcome::SyncFailed, reason);
    }
    result.outcome = Outcome::Stored;
    // The checks are stored; a scratch folder that stays is told, not undone.
    folder.remove();
    result.notes = folder.notes();
    for (const QString& line : result.notes.omissions())
        LogHelper::instance()->writeLog("Download of " + result.sn + ": " + line);
    if (!result.notes.writeFailure.isEmpty())
        LogHelper::instance()->writeLog("Download of " + result.sn + ": " + result.notes.writeFailure);
    return result;
}

DownloadFinisher::Result DownloadFinisher::discard(DownloadFolder& folder, Result result, Outcome outcome,
                                                   const QString& reason)
{
    folder.remove();
    result.outcome = outcome;
    result.reason = reason;
    result.movedFiles = 0;
    result.keptFiles = 0;
    result.notes = folder.notes();
    LogHelper::instance()->writeLog("Download in " + folder.path() + " not stored: " + reason +
                                    "; its files were removed.");
    return result;
}
