#pragma once

#include "files/UserRecord.h"
#include "files/XUserRecord.h"
#include "sync/CheckScreen.h"
#include "sync/SyncStrategy.h"

#include <QList>

#include <optional>

// Every monitor but the Corviset: the two user lists first (so the checks
// find their users), then the index files of each check type the model
// offers, the Holter recording and the multi-test files.
class VitacorProSyncStrategy : public SyncStrategy
{
public:
    bool sync(DownloadFolder& folder) override;

private:
    bool syncCheckType(const QString& dir, int checkType);
    // Stores the checks of each listed user's own index file of the type.
    template <class U>
    bool syncPerUser(const QString& dir, int checkType, const QList<U>& users);
    // Renames "waveFile" after its start time and stores the recording, if
    // its header and size agree; a longer recording replaces a stored one.
    bool syncHolter(DownloadFolder& folder);
    bool syncMultiTests(const QString& dir);

    QList<UserRecord> m_users;
    QList<XUserRecord> m_xusers;
    std::optional<CheckScreen> m_screen;
};
