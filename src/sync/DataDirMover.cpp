#include "sync/DataDirMover.h"

#include "app/Config.h"
#include "app/LogHelper.h"
#include "db/DbOperator.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// The folder a path names, with the symbolic links of its existing part
// resolved, so a link into the data directory is seen through.
QString realPath(const QString& dir)
{
    QString path = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    QString rest;
    for (;;) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty())
            return QDir::cleanPath(canonical + rest);
        const int slash = path.lastIndexOf('/');
        if (slash < 0 || path == "/")
            return QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
        rest = path.mid(slash) + rest;
        path = slash == 0 ? QString("/") : path.left(slash);
    }
}

constexpr QDir::Filters kEntries = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

} // namespace

DataDirMover::DataDirMover(const QString& oldDir, const QString& newDir, const QString& dbFileName)
    : m_oldDir(QDir::cleanPath(oldDir))
    , m_newDir(QDir::cleanPath(newDir))
    , m_dbFileName(dbFileName)
{}

DataDirMover::Check DataDirMover::check(const QString& oldDir, const QString& newDir)
{
    const QString from = realPath(oldDir);
    const QString to = realPath(newDir);
    if (from == to)
        return Check::Same;
    if (to.startsWith(from + "/"))
        return Check::Subdirectory;
    if (QFileInfo(newDir).exists() && !QFileInfo(newDir).isDir())
        return Check::NotAFolder;
    return Check::Move;
}

int DataDirMover::countFiles(const QString& dir)
{
    int count = 0;
    QDirIterator it(dir, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

DataDirMover::Outcome DataDirMover::run()
{
    m_total = countFiles(m_oldDir);
    m_done = 0;
    if (!QDir().mkpath(m_newDir))
        return Outcome::FolderNotCreated;

    Config* config = Config::instance();
    DbOperator* db = DbOperator::instance();
    const QString oldDb = m_oldDir + "/" + m_dbFileName;
    const QString newDb = m_newDir + "/" + m_dbFileName;
    bool copied = false;
    // An existing database in the new folder is never overwritten: the copy fails.
    const bool opened = db->reopenAfter([&] {
        copied = !QFile::exists(oldDb) || QFile::copy(oldDb, newDb);
        config->setDataDir(copied ? m_newDir : m_oldDir);
    });
    if (!copied)
        return Outcome::DatabaseNotCopied;
    if (!opened) {
        db->reopenAfter([&] {
            QFile::remove(newDb);
            config->setDataDir(m_oldDir);
        });
        return Outcome::DatabaseNotOpened;
    }
    if (QFile::exists(oldDb)) {
        QFile::remove(oldDb);
        ++m_done;
    }
    moveContents(m_oldDir, m_newDir);
    LogHelper::instance()->reopen();
    return Outcome::Moved;
}

bool DataDirMover::moveContents(const QString& source, const QString& destination)
{
    bool allLeft = true;
    const QFileInfoList entries = QDir(source).entryInfoList(kEntries, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        const QString from = entry.absoluteFilePath();
        const QString to = destination + "/" + entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            if (!QDir().mkpath(to)) {
                qDebug() << "cannot create" << to << "; kept in the old place:" << from;
                m_kept << from;
                m_done += countFiles(from);
                allLeft = false;
                continue;
            }
            if (moveContents(from, to))
                QDir(from).removeRecursively();
            else
                allLeft = false;
            continue;
        }
        if (!QFile::rename(from, to)) {
            // Across file systems, or a file held open elsewhere: copy it and leave the original.
            if (QFile::copy(from, to)) {
                m_copied << from;
            } else {
                qDebug() << "cannot move or copy" << from << "to" << to << "; kept in the old place";
                m_kept << from;
                allLeft = false;
            }
        }
        ++m_done;
    }
    return allLeft;
}

QString DataDirMover::failureText(Outcome outcome) const
{
    const QString from = QDir::toNativeSeparators(m_oldDir);
    const QString to = QDir::toNativeSeparators(m_newDir);
    switch (outcome) {
    case Outcome::Moved: return QString();
    case Outcome::FolderNotCreated: return QString("cannot create the folder %1; nothing was moved.").arg(to);
    case Outcome::DatabaseNotCopied:
        return QString("cannot copy the record database to %1 (the folder may not be writable, be full, or "
                       "already hold one); the data stays in %2 and nothing was moved.")
            .arg(to, from);
    case Outcome::DatabaseNotOpened:
        return QString("the record database copied to %1 does not open there; the data stays in %2 and nothing "
                       "was moved.")
            .arg(to, from);
    }
    return QString();
}
