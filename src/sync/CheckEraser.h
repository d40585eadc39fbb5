#pragma once

#include <QString>
#include <QStringList>

// Removes stored checks together with their files in the device folder (the
// detail file named by check time, its voice note and companion files). The
// files go only after the record store confirmed, so a refused deletion never
// leaves a stored check without its waveform or voice note.
namespace CheckEraser {

// The files a check may have: detail, ".wav", ".o" and ".jpg".
QStringList filesOf(const QString& dataDir, const QString& sn, const QString& checkTime);
// One check; userName is needed only for the per-user blood glucose.
bool eraseCheck(const QString& sn, int checkType, const QString& checkTime, const QString& userName = QString());
// Every check of a device, type by type; false when any check stayed (the
// others are still removed).
bool eraseDevice(const QString& sn);
// The multi-tests of one user of a device, then the user is hidden; false
// when a check stayed or the user could not be hidden.
bool eraseMultiTestUser(const QString& sn, const QString& medicalid);

} // namespace CheckEraser
