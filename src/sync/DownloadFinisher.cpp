#include "sync/DownloadFinisher.h"

#include "app/Constants.h"
#include "app/LogHelper.h"
#include "db/DbOperator.h"
#include "files/DeviceInfo.h"
#include "sync/SyncStrategyFactory.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Summary and index files are parsed and then dropped; everything else
// (detail files, voice notes, the renamed Holter recording) is kept.
bool isKept(const QString& name)
{
    return !name.contains('.') || name.contains(".wav");
}

} // namespace

DownloadFinisher::DownloadFinisher(const QString& dataDir)
    : m_dataDir(dataDir)
{}

QString DownloadFinisher::deviceDir(const QString& sn) const
{
    return m_dataDir + "/" + sn + "/";
}

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

DownloadFinisher::Result DownloadFinisher::finish(const QString& downloadDir)
{
    Result result;
    if (downloadDir.isEmpty())
        return result;
    const QString dir = downloadDir.endsWith('/') ? downloadDir : downloadDir + '/';

    const auto info = DeviceInfo::readFile(dir + Vitacor::kDeviceFileName);
    if (!info)
        return discard(dir, result, Outcome::NoDeviceInfo, "dev.dat is missing or empty");
    result.sn = info->sn;
    result.modelType = info->modelType;
    if (!isUsableSerial(info->sn))
        return discard(dir, result, Outcome::NoDeviceInfo,
                       "dev.dat names no usable serial number: \"" + info->sn + "\"");

    DbOperator* db = DbOperator::instance();
    if (!db->beginTransaction())
        return discard(dir, result, Outcome::DeviceNotStored, "the record store cannot start a transaction");
    if (!db->storeDevice(*info)) {
        db->rollback();
        return discard(dir, result, Outcome::DeviceNotStored, "the device could not be stored");
    }
    if (!SyncStrategyFactory::create(info->modelType, info->sn)->sync(dir)) {
        db->rollback();
        return discard(dir, result, Outcome::SyncFailed, "storing its users and checks failed");
    }
    const QString destination = deviceDir(info->sn);
    QStringList moved;
    if (!moveFiles(dir, destination, &moved, result)) {
        db->rollback();
        return discard(dir, result, Outcome::MoveFailed, "its files could not be moved into " + destination);
    }
    if (!db->commit()) {
        moveBack(dir, destination, moved);
        db->rollback();
        return discard(dir, result, Outcome::SyncFailed, "the record store could not commit");
    }
    QDir(dir).removeRecursively();
    result.outcome = Outcome::Stored;
    return result;
}

bool DownloadFinisher::moveFiles(const QString& dir, const QString& destination, QStringList* moved, Result& result)
{
    if (!QDir().mkpath(destination))
        return false;
    const QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (!isKept(name))
            continue;
        if (QFileInfo::exists(destination + name)) {
            ++result.keptFiles;
            continue;
        }
        if (!QFile::rename(dir + name, destination + name)) {
            qDebug() << "cannot move" << dir + name << "to" << destination;
            moveBack(dir, destination, *moved);
            return false;
        }
        *moved << name;
    }
    result.movedFiles = moved->size();
    return true;
}

void DownloadFinisher::moveBack(const QString& dir, const QString& destination, const QStringList& names)
{
    for (const QString& name : names)
        QFile::rename(destination + name, dir + name);
    QDir().rmdir(destination);
}

DownloadFinisher::Result DownloadFinisher::discard(const QString& dir, Result result, Outcome outcome,
                                                   const QString& reason)
{
    QDir(dir).removeRecursively();
    result.outcome = outcome;
    result.reason = reason;
    result.movedFiles = 0;
    result.keptFiles = 0;
    LogHelper::instance()->writeLog("Download in " + dir + " not stored: " + reason + "; its files were removed.");
    return result;
}
