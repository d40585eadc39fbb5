#include "device/CorvisetDownloadStrategy.h"

#include "db/DbOperator.h"
#include "files/CorvisetDailyRecord.h"
#include "files/RecordCodec.h"

#include <QFileInfo>

namespace {

const QString kIndexFileName = QStringLiteral("1dlc.dat");

} // namespace

bool CorvisetDownloadStrategy::download(const QString& folder)
{
    if (fetchFile(folder, kIndexFileName) < 0)
        return false;
    const QString indexPath = folder + kIndexFileName;
    if (!QFileInfo::exists(indexPath))
        return true;
    QList<QByteArray> records;
    if (!readRecords(indexPath, CorvisetDailyRecord::kSize, &records))
        return false;
    setTotalFiles(records.size());
    for (const CorvisetDailyRecord& record : RecordCodec::decodeAll<CorvisetDailyRecord>(records)) {
        const QString checkTime = record.checkTime.text();
        // Stored checks carry the check time followed by the serial number as their flow id.
        const bool stored = DbOperator::instance()->checkExists(serialNumber(), checkTime + serialNumber());
        if (fetchCounted(folder, checkTime, stored) < 0)
            return false;
    }
    return true;
}
