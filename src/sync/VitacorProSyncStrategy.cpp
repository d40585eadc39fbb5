#include "sync/VitacorProSyncStrategy.h"

#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/FileRename.h"
#include "files/HolterHeader.h"
#include "files/MultiTestFile.h"
#include "files/MultiTestRecord.h"
#include "files/RecordCodec.h"
#include "files/RecordFile.h"
#include "sync/DownloadFolder.h"

#include <QDebug>
#include <QFile>

namespace {

// The order in which the check types are stored.
const int kSyncOrder[] = {
    CheckType::Ecg,        CheckType::Oxi,       CheckType::Temperature,   CheckType::Sleep,
    CheckType::Spo2Temp,   CheckType::Glucose,   CheckType::BloodPressure, CheckType::UserBloodPressure,
    CheckType::DailyCheck, CheckType::SpotCheck, CheckType::Holter,        CheckType::UserGlucose,
    CheckType::Pedometer,  CheckType::MultiTest,
};

template <class U>
QList<CheckUser> checkUsers(const QList<U>& records, const QString& sn)
{
    QList<CheckUser> users;
    for (const U& record : records)
        users << record.toCheckUser(sn);
    return users;
}

} // namespace

bool VitacorProSyncStrategy::sync(DownloadFolder& folder)
{
    const QString dir = folder.path();
    m_screen.emplace(serialNumber(), &folder.notes());
    m_users = RecordFile::read<UserRecord>(dir + Vitacor::kUserFileName);
    m_xusers = RecordFile::read<XUserRecord>(dir + Vitacor::kXUserFileName);
    DbOperator* db = DbOperator::instance();
    for (const QList<CheckUser>& users : {checkUsers(m_users, serialNumber()), checkUsers(m_xusers, serialNumber())}) {
        if (!users.isEmpty() && !db->storeUsers(serialNumber(), users))
            return false;
    }
    for (int code : kSyncOrder) {
        if (!DeviceModel::of(modelType()).offers(code))
            continue;
        if (!(code == CheckType::Holter ? syncHolter(folder) : syncCheckType(dir, code))) {
            qDebug() << "sync of check type" << code << "failed for" << serialNumber();
            return false;
        }
    }
    return true;
}

bool VitacorProSyncStrategy::syncCheckType(const QString& dir, int checkType)
{
    if (checkType == CheckType::MultiTest)
        return syncMultiTests(dir);
    switch (CheckType::userList(checkType)) {
    case CheckType::UserList::Users: return syncPerUser(dir, checkType, m_users);
    case CheckType::UserList::ExtendedUsers: return syncPerUser(dir, checkType, m_xusers);
    case CheckType::UserList::None: break;
    }
    return DbOperator::instance()->insertChecks(
        serialNumber(), checkType,
        m_screen->admit(checkType,
                        RecordFile::read(dir + CheckType::fileName(checkType), CheckType::recordSize(checkType))));
}

template <class U>
bool VitacorProSyncStrategy::syncPerUser(const QString& dir, int checkType, const QList<U>& users)
{
    for (const U& user : users) {
        const CheckUser checkUser = user.toCheckUser(serialNumber());
        // Glucose checks of different users at the same second stay apart by the user's name.
        const QString flowSuffix = checkType == CheckType::UserGlucose ? checkUser.name : QString();
        const QList<QByteArray> records = m_screen->admit(
            checkType,
            RecordFile::read(dir + CheckType::perUserFileName(user.index, checkType), CheckType::recordSize(checkType)),
            flowSuffix);
        if (!DbOperator::instance()->insertChecks(serialNumber(), checkType, records, checkUser))
            return false;
    }
    return true;
}

bool VitacorProSyncStrategy::syncHolter(DownloadFolder& folder)
{
    const QString recording = folder.path() + HolterHeader::fileName();
    QFile file(recording);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const qint64 size = file.size();
    const auto header = HolterHeader::fromBytes(file.read(HolterHeader::kSize));
    file.close();
    // The folder never keeps "waveFile" under that name, so a rejected recording goes with it.
    if (!header || !header->agreesWith(size)) {
        const QString line = header
            ? QString("Holter recording at %1 not stored: its %2 bytes and %3 s disagree with its header.")
                  .arg(header->checkTimeText())
                  .arg(size)
                  .arg(header->duration)
            : QString("Holter recording not stored: its %1 bytes are shorter than its %2-byte header.")
                  .arg(size)
                  .arg(HolterHeader::kSize);
        folder.notes().rejectedRecordings << line;
        return true;
    }
    if (!m_screen->admits(CheckType::Holter, header->startTime()))
        return true;
    CheckUser owner;
    for (const UserRecord& user : qAsConst(m_users)) {
        if (user.index == header->userIndex) {
            owner = user.toCheckUser(serialNumber());
            break;
        }
    }
    const QString checkTime = header->checkTimeText();
    const int duration = int(qMin<quint32>(header->duration, quint32(INT_MAX)));
    for (const HolterCheck& stored : DbOperator::instance()->holterChecks(serialNumber())) {
        // The monitor still recorded when it was downloaded before: the longer recording wins.
        if (stored.checkTime == checkTime && stored.duration < duration)
            folder.replace(checkTime);
    }
    const QString target = folder.path() + checkTime;
    QString error;
    if (!FileRename::over(recording, target, &error)) {
        qDebug() << "cannot rename" << recording << "to" << target << error;
        return false;
    }
    return DbOperator::instance()->insertHolter(serialNumber(), owner, checkTime, duration);
}

bool VitacorProSyncStrategy::syncMultiTests(const QString& dir)
{
    DbOperator* db = DbOperator::instance();
    const QString sn = serialNumber();
    for (const XUserRecord& record : qAsConst(m_xusers)) {
        const CheckUser user = record.toCheckUser(sn);
        if (!db->ensureMultiTestReportUser(sn, user))
            return false;
        const QString path = dir + CheckType::perUserFileName(record.index, CheckType::MultiTest);
        const MultiTestFile file = MultiTestFile::read(path);
        if (file.status == MultiTestFile::Status::Unreadable) {
            qDebug() << "cannot open multi-test file" << path;
            continue;
        }
        if (file.hasData && !db->setMultiTestUserHidden(sn, user.medicalid, false))
            return false;
        for (const QByteArray& test : file.records) {
            if (!m_screen->admits(CheckType::MultiTest, RecordCodec::decode<MultiTestRecord>(test).checkTime))
                continue;
            if (!db->insertMultiTest(sn, user, test) || !db->ensureMultiTestRemark(sn, test))
                return false;
        }
        // A short header or a cut record ends the reading for the remaining users.
        if (file.endsReading())
            return true;
    }
    return true;
}
