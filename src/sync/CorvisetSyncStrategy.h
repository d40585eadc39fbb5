#pragma once

#include "sync/SyncStrategy.h"

// The Corviset monitor keeps only its daily checks, in "1dlc.dat", and no users.
class CorvisetSyncStrategy : public SyncStrategy
{
public:
    bool sync(DownloadFolder& folder) override;
};
