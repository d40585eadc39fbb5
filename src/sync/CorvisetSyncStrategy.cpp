#include "sync/CorvisetSyncStrategy.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/RecordFile.h"
#include "sync/CheckScreen.h"
#include "sync/DownloadFolder.h"

bool CorvisetSyncStrategy::sync(DownloadFolder& folder)
{
    const int code = CheckType::CorvisetDailyCheck;
    CheckScreen screen(serialNumber(), &folder.notes());
    return DbOperator::instance()->insertChecks(
        serialNumber(), code,
        screen.admit(code, RecordFile::read(folder.path() + "1dlc.dat", CheckType::recordSize(code))));
}
