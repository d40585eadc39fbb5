#include "device/CorvisetDownloadStrategy.h"

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
        // A record without a real time stamp is passed over by the sync; its detail would be an orphan.
        if (!record.checkTime.isValid())
            continue;
        const QString checkTime = record.checkTime.text();
        if (fetchCounted(folder, checkTime, isStored(checkTime)) < 0)
            return false;
    }
    return true;
}
