#pragma once

#include "device/DownloadStrategy.h"

// The download of the Corviset monitor: its daily-check index "1dlc.dat" and
// one detail file per record, except for checks the record store already holds.
class CorvisetDownloadStrategy : public DownloadStrategy
{
    Q_OBJECT
public:
    using DownloadStrategy::DownloadStrategy;

    bool download(const QString& folder) override;
};
