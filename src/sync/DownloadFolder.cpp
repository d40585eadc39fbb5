#include "sync/DownloadFolder.h"

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

bool DownloadFolder::claim()
{
    if (!QDir().mkpath(m_dataDir)) {
        m_notes.writeFailure = failure("create", m_dataDir, errno);
        return false;
    }
    if (!m_lock.tryLock(kLockWaitMs)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            m_notes.busy = true;
        else
            m_notes.writeFailure = failure("create the lock file", lockPath(m_dataDir, m_sn), errno);
        return false;
    }
    m_claimed = true;
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
    if (QFileInfo::exists(target)) {
        if (!m_replacing.contains(name)) {
            ++*kept;
            return true;
        }
        if (!QDir().mkpath(m_oldCopies) || !QFile::rename(target, m_oldCopies + name)) {
            m_notes.writeFailure = failure("replace", target, errno);
            return false;
        }
        m_replaced << name;
    }
    QFile file(m_path + name);
    if (!file.rename(target)) {
        m_notes.writeFailure = QString("cannot move %1 to %2: %3")
                                   .arg(QDir::toNativeSeparators(m_path + name), QDir::toNativeSeparators(m_deviceDir),
                                        file.errorString());
        return false;
    }
    m_moved << name;
    return true;
}

void DownloadFolder::undoMove()
{
    for (const QString& name : qAsConst(m_moved))
        QFile::rename(m_deviceDir + name, m_path + name);
    for (const QString& name : qAsConst(m_replaced))
        QFile::rename(m_oldCopies + name, m_deviceDir + name);
    m_moved.clear();
    m_replaced.clear();
    QDir().rmdir(m_deviceDir);
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
