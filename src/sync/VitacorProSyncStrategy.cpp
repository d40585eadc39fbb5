#include "sync/VitacorProSyncStrategy.h"

#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/HolterHeader.h"
#include "files/MultiTestFile.h"
#include "files/RecordFile.h"

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

bool VitacorProSyncStrategy::sync(const QString& dir)
{
    m_users = RecordFile::read<UserRecord>(dir + Vitacor::kUserFileName);
    m_xusers = RecordFile::read<XUserRecord>(dir + Vitacor::kXUserFileName);
    DbOperator* db = DbOperator::instance();
    for (const QList<CheckUser>& users : {checkUsers(m_users, serialNumber()), checkUsers(m_xusers, serialNumber())}) {
        if (!users.isEmpty() && !db->storeUsers(serialNumber(), users))
            return false;
    }
    for (int code : kSyncOrder) {
        if (DeviceModel::of(modelType()).offers(code) && !syncCheckType(dir, code)) {
            qDebug() << "sync of check type" << code << "failed for" << serialNumber();
            return false;
        }
    }
    return true;
}

bool VitacorProSyncStrategy::syncCheckType(const QString& dir, int checkType)
{
    switch (checkType) {
    case CheckType::Holter: return syncHolter(dir);
    case CheckType::MultiTest: return syncMultiTests(dir);
    default: break;
    }
    switch (CheckType::userList(checkType)) {
    case CheckType::UserList::Users: return syncPerUser(dir, checkType, m_users);
    case CheckType::UserList::ExtendedUsers: return syncPerUser(dir, checkType, m_xusers);
    case CheckType::UserList::None: break;
    }
    return DbOperator::instance()->insertChecks(
        serialNumber(), checkType,
        RecordFile::read(dir + CheckType::fileName(checkType), CheckType::recordSize(checkType)));
}

template <class U>
bool VitacorProSyncStrategy::syncPerUser(const QString& dir, int checkType, const QList<U>& users)
{
    for (const U& user : users) {
        const QList<QByteArray> records =
            RecordFile::read(dir + CheckType::perUserFileName(user.index, checkType), CheckType::recordSize(checkType));
        if (!DbOperator::instance()->insertChecks(serialNumber(), checkType, records, user.toCheckUser(serialNumber())))
            return false;
    }
    return true;
}

bool VitacorProSyncStrategy::syncHolter(const QString& dir)
{
    const QString recording = dir + HolterHeader::fileName();
    const auto header = HolterHeader::readFile(recording);
    if (!header)
        return true;
    CheckUser owner;
    for (const UserRecord& user : qAsConst(m_users)) {
        if (user.index == header->userIndex) {
            owner = user.toCheckUser(serialNumber());
            break;
        }
    }
    const QString checkTime = header->checkTimeText();
    const QString target = dir + checkTime;
    if (QFile::exists(target) && !QFile::remove(target)) {
        qDebug() << "cannot replace" << target << "by the Holter recording";
        return false;
    }
    if (!QFile::rename(recording, target)) {
        qDebug() << "cannot rename" << recording << "to" << target;
        return false;
    }
    return DbOperator::instance()->insertHolter(serialNumber(), owner, checkTime, header->duration);
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
            if (!db->insertMultiTest(sn, user, test) || !db->ensureMultiTestRemark(sn, test))
                return false;
        }
        // A short header or a cut record ends the reading for the remaining users.
        if (file.endsReading())
            return true;
    }
    return true;
}
