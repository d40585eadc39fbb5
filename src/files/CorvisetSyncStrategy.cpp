#include "CorvisetSyncStrategy.h"

#include "CheckType.h"
#include "DbOperator.h"
#include "RecordFile.h"

bool CorvisetSyncStrategy::sync(const QString& dir)
{
    const int code = CheckType::CorvisetDailyCheck;
    return DbOperator::instance()->insertChecks(serialNumber(), code,
                                                RecordFile::read(dir + "1dlc.dat", CheckType::recordSize(code)));
}
