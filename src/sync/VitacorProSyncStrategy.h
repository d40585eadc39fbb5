#pragma once

#include "files/UserRecord.h"
#include "files/XUserRecord.h"
#include "sync/SyncStrategy.h"

#include <QList>

// Every monitor but the Corviset: the two user lists first (so the checks
// find their users), then the index files of each check type the model
// offers, the Holter recording and the multi-test files.
class VitacorProSyncStrategy : public SyncStrategy
{
public:
    bool sync(const QString& dir) override;

private:
    bool syncCheckType(const QString& dir, int checkType);
    // Stores the checks of each listed user's own index file of the type.
    template <class U>
    bool syncPerUser(const QString& dir, int checkType, const QList<U>& users);
    // Renames "waveFile" after its start time and stores the recording.
    bool syncHolter(const QString& dir);
    bool syncMultiTests(const QString& dir);

    QList<UserRecord> m_users;
    QList<XUserRecord> m_xusers;
};
