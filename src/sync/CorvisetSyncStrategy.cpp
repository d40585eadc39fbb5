#include "sync/CorvisetSyncStrategy.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/RecordFile.h"

bool CorvisetSyncStrategy::sync(const QString& dir)
{
    const int code = CheckType::CorvisetDailyCheck;
    return DbOperator::instance()->insertChecks(serialNumber(), code,
                                                RecordFile::read(dir + "1dlc.dat", CheckType::recordSize(code)));
}
