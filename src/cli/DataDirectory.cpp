#include "cli/DataDirectory.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>

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
    DbOperator::instance();
    // The schema is created on opening, so a usable store lists its device table.
    const QSqlDatabase db = QSqlDatabase::database(Vitacor::kDbConnectionName, false);
    if (!db.isOpen() || !db.tables().contains("tb_device")) {
        *error = "cannot open the record database " + QDir::toNativeSeparators(dir + "/" + Vitacor::kDbFileName) +
            ": it is damaged or not a database; move it away or choose another --data-dir.";
        return false;
    }
    return true;
}
