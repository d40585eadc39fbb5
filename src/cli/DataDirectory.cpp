#include "cli/DataDirectory.h"

#include "app/Config.h"
#include "db/DbOperator.h"

#include <QDir>
#include <QFileInfo>

bool DataDirectory::open(QString* error)
{
    const QString dir = Config::instance()->dataDir();
    const QString shown = QDir::toNativeSeparators(dir);
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir()) {
        *error = "the data directory " + shown + " is a file, not a folder; name a folder with --data-dir DIR.";
        return false;
    }
    if (!QDir().mkpath(dir)) {
        *error = "cannot create the data directory " + shown + ": check the path and your permissions.";
        return false;
    }
    QFileInfo folder(dir);
    if (!folder.isReadable() || !folder.isWritable() || !folder.isExecutable()) {
        *error = "cannot read and write the data directory " + shown + ": check your permissions.";
        return false;
    }
    const DbOperator* db = DbOperator::instance();
    if (db->health() != DbOperator::Health::Healthy) {
        *error = db->healthText();
        return false;
    }
    return true;
}
