#pragma once

#include <QString>

// Where a check's detail file lies: the device folder of the data directory,
// named by the check time. Voice notes add ".wav".
namespace DetailPath {

inline QString of(const QString& dataDir, const QString& sn, const QString& checkTime)
{
    return dataDir + "/" + sn + "/" + checkTime;
}

} // namespace DetailPath
