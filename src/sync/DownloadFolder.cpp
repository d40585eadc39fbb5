#include "sync/DownloadFolder.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/FileRename.h"
#include "files/HolterHeader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

// Summary and index files are parsed and dropped, and so is a recording
// still under its download name; detail files, voice notes and recordings
// named by their start time are kept.
bool isKept(const QString& name)
{
    return (!name.contains('.') || name.endsWith(".wav")) && name != HolterHeader::fileName();
}

QString failure(const QString& what, const QString& path, int error)
{
    return QString("cannot %1 %2: %3").arg(what, QDir::toNativeSeparators(path), qt_error_string(error));
}

} // namespace

DownloadFolder::DownloadFolder(const QString& dataDir, const QString& sn)
    : m_sn(sn)
    , m_dataDir(dataDir)
    , m_path(scratchPath(dataDir, sn))
    , m_deviceDir(dataDir + "/" + sn + "/")
    , m_oldCopies(m_path + "replaced/")
    , m_setAsidePath(m_path + "erased/")
    , m_lock(lockPath(dataDir, sn))
{
    // Only a lock whose process is gone is stale; a long Holter download is not.
    m_lock.setStaleLockTime(0);
}

DownloadFolder::~DownloadFolder()
{
    release();
}

QString DownloadFolder::scratchPath(const QString& dataDir, const QString& sn)
{
    return dataDir + "/.temp_" + sn + "/";
}

QString DownloadFolder::lockPath(const QString& dataDir, const QString& sn)
{
    return dataDir + "/.temp_" + sn + ".lock";
}

bool DownloadFolder::claim(int waitMs)
{
    if (!QDir().mkpath(m_dataDir)) {
        m_notes.writeFailure = failure("create", m_dataDir, errno);
        return false;
    }
    if (!m_lock.tryLock(waitMs)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            m_notes.busy = true;
        else
            m_notes.writeFailure = failure("create the lock file", lockPath(m_dataDir, m_sn), errno);
        return false;
    }
    m_claimed = true;
    recover();
    // A folder left by an interrupted run would pass its files off as this download's.
    if (!remove())
        return false;
    if (!QDir().mkpath(m_path)) {
        m_notes.writeFailure = failure("create", m_path, errno);
        return false;
    }
    return true;
}

bool DownloadFolder::moveIntoDeviceFolder(int* moved, int* kept)
{
    *moved = 0;
    *kept = 0;
    if (!QDir().mkpath(m_deviceDir)) {
        m_notes.writeFailure = failure("create", m_deviceDir, errno);
        return false;
    }
    const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (isKept(name) && !moveOne(name, kept)) {
            undoMove();
            return false;
        }
    }
    *moved = m_moved.size();
    return true;
}

bool DownloadFolder::moveOne(const QString& name, int* kept)
{
    const QString target = m_deviceDir + name;
    const bool replacing = QFileInfo::exists(target);
    if (replacing) {
        if (!m_replacing.contains(name)) {
            ++*kept;
            return true;
        }
        // The old recording keeps a second name until the new one is stored, and the device
        // folder holds one of the two at every moment.
        QString error;
        QFile::remove(m_oldCopies + name);
        if (!QDir().mkpath(m_oldCopies) || !FileRename::keepCopy(target, m_oldCopies + name, &error)) {
            m_notes.writeFailure = QString("cannot replace %1: %2").arg(QDir::toNativeSeparators(target), error);
            return false;
        }
        m_replaced << name;
    }
    QFile file(m_path + name);
    QString error;
    const bool moved = replacing ? FileRename::over(file.fileName(), target, &error) : file.rename(target);
    if (!moved) {
        m_notes.writeFailure = QString("cannot move %1 to %2: %3")
                                   .arg(QDir::toNativeSeparators(m_path + name), QDir::toNativeSeparators(m_deviceDir),
                                        replacing ? error : file.errorString());
        return false;
    }
    m_moved << name;
    return true;
}

void DownloadFolder::undoMove()
{
    for (const QString& name : qAsConst(m_moved)) {
        if (m_replaced.contains(name))
            FileRename::over(m_oldCopies + name, m_deviceDir + name);
        else
            QFile::rename(m_deviceDir + name, m_path + name);
    }
    m_moved.clear();
    m_replaced.clear();
    QDir().rmdir(m_deviceDir);
}

bool DownloadFolder::setAside(const QString& name)
{
    QString error = m_claimed ? QString() : QString("the scratch folder is not claimed");
    if (!m_claimed || !QDir().mkpath(m_setAsidePath) ||
        !FileRename::over(m_deviceDir + name, m_setAsidePath + name, &error)) {
        m_notes.writeFailure =
            QString("cannot remove %1: %2")
                .arg(QDir::toNativeSeparators(m_deviceDir + name), error.isEmpty() ? qt_error_string(errno) : error);
        return false;
    }
    m_setAside << name;
    return true;
}

void DownloadFolder::putBack()
{
    for (const QString& name : qAsConst(m_setAside))
        FileRename::over(m_setAsidePath + name, m_deviceDir + name);
    m_setAside.clear();
}

void DownloadFolder::discardSetAside()
{
    for (const QString& name : qAsConst(m_setAside))
        QFile::remove(m_setAsidePath + name);
    m_setAside.clear();
}

void DownloadFolder::recover()
{
    m_recovered = 0;
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString& name : QDir(m_oldCopies).entryList(files)) {
        if (restoreReplaced(name))
            ++m_recovered;
    }
    // A deletion that was not stored leaves its check without the files it set aside.
    DbOperator* db = DbOperator::instance();
    for (const QString& name : QDir(m_setAsidePath).entryList(files)) {
        const QString checkTime = name.section('.', 0, 0);
        if (CheckType::keepsFiles(db->storedCheckType(m_sn, checkTime + m_sn)) &&
            QFile::rename(m_setAsidePath + name, m_deviceDir + name))
            ++m_recovered;
    }
}

bool DownloadFolder::restoreReplaced(const QString& name)
{
    // The replacement was finished when the record store holds the new recording's duration.
    const auto current = HolterHeader::readFile(m_deviceDir + name);
    if (current) {
        for (const HolterCheck& stored : DbOperator::instance()->holterChecks(m_sn)) {
            if (stored.checkTime == name && quint32(stored.duration) == current->duration)
                return false;
        }
    }
    return FileRename::over(m_oldCopies + name, m_deviceDir + name);
}

void DownloadFolder::recoverAll(const QString& dataDir)
{
    const QString prefix = QStringLiteral(".temp_");
    for (const QString& name : QDir(dataDir).entryList({prefix + "*"}, QDir::Dirs | QDir::Hidden)) {
        DownloadFolder folder(dataDir, name.mid(prefix.size()));
        // A folder another download holds is that download's to settle.
        if (folder.claim(0))
            folder.release();
    }
}

bool DownloadFolder::remove()
{
    // Unclaimed, the folder may be another download's.
    if (!m_claimed || QDir(m_path).removeRecursively())
        return true;
    m_notes.writeFailure = failure("remove", m_path, errno);
    return false;
}

void DownloadFolder::release()
{
    remove();
    if (m_claimed)
        m_lock.unlock();
    m_claimed = false;
}
