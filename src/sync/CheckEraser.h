#pragma once

#include <QString>
#include <QStringList>

// Removes stored checks together with the files of their type in the device
// folder (the detail file named by check time, its voice note and companion
// files, a Holter recording). A file another stored check of the device still
// uses stays. A deletion holds the monitor's download lock, so no download
// stores the check again half-way, and it is all or nothing per check: the
// files are set aside while the record store deletes, and when a file cannot
// be moved or the store refuses, the check stays with every file.
namespace CheckEraser {

struct Result
{
    int erased = 0;
    // Checks that stayed stored, with their files.
    int kept = 0;
    // A download of the monitor held its lock for longer than a download waits.
    bool busy = false;
    // The files that could not be removed, with the system's reason, one line each.
    QStringList keptFiles;
    // Why nothing could start (the lock file or scratch folder), or why the store kept a check.
    QString failure;

    bool isComplete() const { return kept == 0 && !busy && failure.isEmpty(); }
};

// The files a check of that type may have, whether they exist or not.
QStringList filesOf(const QString& dataDir, const QString& sn, int checkType, const QString& checkTime);
// One check; userName is needed only for the per-user blood glucose.
Result eraseCheck(const QString& sn, int checkType, const QString& checkTime, const QString& userName = QString());
// Every check of a device, type by type; the checks that cannot go stay.
Result eraseDevice(const QString& sn);
// The multi-tests of one user of a device; the user is hidden when all went.
Result eraseMultiTestUser(const QString& sn, const QString& medicalid);

} // namespace CheckEraser
