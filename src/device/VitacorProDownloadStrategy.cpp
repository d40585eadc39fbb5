#include "device/VitacorProDownloadStrategy.h"

#include "app/Constants.h"
#include "app/LogHelper.h"
#include "device/XHarvo2.h"
#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/MultiTestFile.h"
#include "files/MultiTestRecord.h"
#include "files/RecordCodec.h"
#include "files/RecordFile.h"
#include "files/SlmRecord.h"
#include "files/SpotRecord.h"
#include "files/UserRecord.h"
#include "files/XUserRecord.h"

#include <QDebug>

namespace {

const QString kHolterFileName = QStringLiteral("waveFile");
const QString kVoiceSuffix = QStringLiteral(".wav");

int voiceOf(const EcgRecord& record)
{
    return record.voice;
}
int voiceOf(const DailyRecord& record)
{
    return record.voice;
}
int voiceOf(const SpotRecord& record)
{
    return record.voice;
}
int voiceOf(const SlmRecord&)
{
    return 0;
}

void debugLine(const char* text)
{
    qDebug().noquote() << text;
}

// The index bytes of a user list, which name each user's files.
QList<quint8> userIndexes(const QString& path, int recordSize)
{
    QList<quint8> indexes;
    const QList<QByteArray> records = RecordFile::read(path, recordSize);
    for (const QByteArray& record : records)
        indexes << quint8(record.at(0));
    return indexes;
}

} // namespace

bool VitacorProDownloadStrategy::download(const QString& folder)
{
    const int total = m_protocol ? m_protocol->getFileCount() : -1;
    if (total == 0) {
        LogHelper::instance()->writeLog("Downloading error: get file count = 0");
        return false;
    }
    setTotalFiles(total);

    if (!fetchUserList(folder, Vitacor::kUserFileName) || !fetchUserList(folder, Vitacor::kXUserFileName))
        return false;

    debugLine("[INFO] ecg file");
    if (offers(CheckType::Ecg) && !fetchWithDetails<EcgRecord>(folder, CheckType::fileName(CheckType::Ecg), true))
        return false;
    debugLine("[INFO] slm file");
    if (offers(CheckType::Sleep) && !fetchWithDetails<SlmRecord>(folder, CheckType::fileName(CheckType::Sleep), false))
        return false;
    debugLine("[INFO] oxi file");
    if (offers(CheckType::Oxi) && !fetchIndex(folder, CheckType::Oxi))
        return false;
    debugLine("[INFO] temp file");
    if (offers(CheckType::Temperature) && !fetchIndex(folder, CheckType::Temperature))
        return false;
    debugLine("[INFO] spo2temp file");
    if (offers(CheckType::Spo2Temp) && !fetchIndex(folder, CheckType::Spo2Temp))
        return false;

    const QList<quint8> users = userIndexes(folder + Vitacor::kUserFileName, UserRecord::kSize);
    const QList<quint8> xusers = userIndexes(folder + Vitacor::kXUserFileName, XUserRecord::kSize);

    debugLine("[INFO] daily file");
    if (!fetchUserDetails<DailyRecord>(folder, users, CheckType::DailyCheck))
        return false;
    debugLine("[INFO] nibp file");
    if (offers(CheckType::BloodPressure) && !fetchIndex(folder, CheckType::BloodPressure))
        return false;
    debugLine("[INFO] xnibp file");
    if (!fetchUserIndexes(folder, users, CheckType::UserBloodPressure))
        return false;
    debugLine("[INFO] pedo file");
    if (!fetchUserIndexes(folder, users, CheckType::Pedometer))
        return false;
    debugLine("[INFO] spot file");
    if (!fetchUserDetails<SpotRecord>(folder, xusers, CheckType::SpotCheck))
        return false;
    debugLine("[INFO] glu file");
    if (offers(CheckType::Glucose) && !fetchIndex(folder, CheckType::Glucose))
        return false;
    debugLine("[INFO] xglu file");
    if (!fetchUserIndexes(folder, users, CheckType::UserGlucose))
        return false;
    debugLine("[INFO] holter file");
    if (offers(CheckType::Holter) && !fetchHolter(folder))
        return false;
    debugLine("[INFO] multitest file");
    if (context().chineseEdition && offers(CheckType::MultiTest))
        return fetchMultiTests(folder, xusers);
    return true;
}

bool VitacorProDownloadStrategy::offers(int checkType) const
{
    return DeviceModel::of(modelType()).offers(checkType);
}

bool VitacorProDownloadStrategy::fetchUserList(const QString& folder, const QString& name)
{
    return fetchCounted(folder, name, false) >= 0;
}

template <class R>
bool VitacorProDownloadStrategy::fetchWithDetails(const QString& folder, const QString& indexName, bool skipStored)
{
    const int result = fetchCounted(folder, indexName, false);
    if (result <= 0)
        return result == 0;
    QList<QByteArray> records;
    if (!readRecords(folder + indexName, R::kSize, &records))
        return false;
    for (const R& record : RecordCodec::decodeAll<R>(records)) {
        // A record without a real time stamp is passed over by the sync; its files would be orphans.
        if (!record.checkTime.isValid())
            continue;
        const QString name = record.checkTime.text();
        const bool stored = skipStored && isStored(name);
        if (fetchCounted(folder, name, stored) < 0)
            return false;
        if (voiceOf(record) != 0 && fetchCounted(folder, name + kVoiceSuffix, false) < 0)
            return false;
    }
    return true;
}

template <class R>
bool VitacorProDownloadStrategy::fetchUserDetails(const QString& folder, const QList<quint8>& users, int checkType)
{
    if (!offers(checkType))
        return true;
    for (quint8 user : users) {
        if (!fetchWithDetails<R>(folder, CheckType::perUserFileName(user, checkType), false))
            return false;
    }
    return true;
}

bool VitacorProDownloadStrategy::fetchUserIndexes(const QString& folder, const QList<quint8>& users, int checkType)
{
    if (!offers(checkType))
        return true;
    for (quint8 user : users) {
        if (fetchCounted(folder, CheckType::perUserFileName(user, checkType), false) < 0)
            return false;
    }
    return true;
}

bool VitacorProDownloadStrategy::fetchHolter(const QString& folder)
{
    // A recording whose transfer began and broke, or could not be written, is a
    // failed download; a start that was refused (the monitor holds no recording)
    // or went unanswered is passed over while the monitor still answers.
    bool started = false;
    const QMetaObject::Connection watch = connect(
        m_protocol, &XHarvo2::downloadProgress, this, [&started] { started = true; }, Qt::DirectConnection);
    const int result = fetchLargeFile(folder, kHolterFileName);
    disconnect(watch);
    if (result > 0) {
        countFile();
        return true;
    }
    if (result == 0 || started || failedLocally() || !monitorAnswers())
        return false;
    // A start without a reply from a monitor that still answers leaves the recording on the monitor.
    if (m_protocol->lastFailure() == XHarvo2::Failure::Link)
        m_holterNotDownloaded = true;
    return true;
}

bool VitacorProDownloadStrategy::fetchMultiTests(const QString& folder, const QList<quint8>& users)
{
    for (quint8 user : users) {
        const QString indexName = CheckType::perUserFileName(user, CheckType::MultiTest);
        const int result = fetchCounted(folder, indexName, false);
        if (result < 0)
            return false;
        if (result == 0)
            continue;
        const MultiTestFile file = MultiTestFile::read(folder + indexName);
        if (file.status == MultiTestFile::Status::Unreadable)
            return false;
        for (const MultiTestRecord& record : RecordCodec::decodeAll<MultiTestRecord>(file.records)) {
            if (!record.checkTime.isValid())
                continue;
            const QString name = record.checkTime.text();
            // A missing detail does not stop the download; a file that cannot be written here, or a
            // monitor that stopped answering, does.
            if (fetchCounted(folder, name, isStored(name)) < 0 && (failedLocally() || !monitorAnswers()))
                return false;
        }
    }
    return true;
}
