// Check inserts, queries and deletion of DbOperator.
#include "db/DbOperator.h"

#include "app/Constants.h"
#include "db/SqlRecordReader.h"
#include "db/SqlRecordValues.h"
#include "db/SqlSavepoint.h"
#include "files/CheckType.h"
#include "files/HolterRecord.h"
#include "files/RecordTypes.h"

#include <QDebug>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Where the user id of a check type's query comes from.
enum class UserJoin { None, CheckTableFirst, CheckTableLast };

struct CheckStatements
{
    int checkType;
    const char* insert; // up to "values "
    const char* insertError;
    const char* devCheckError;
    UserJoin users;
    const char* queryError;
};

const CheckStatements kStatements[] = {
    {CheckType::Ecg, "insert or replace into tb_ecg (flowid, checktime, way, face, voice) values ",
     "insert ecg error: ", "insert ecg dev check error: ", UserJoin::None, "query ecg data error: "},
    {CheckType::Oxi, "insert or replace into tb_oxi (flowid, checktime, way, spo2, PR, PI, face) values ",
     "insert oxi error: ", "insert oxi dev check error: ", UserJoin::None, "query ecg data error: "},
    {CheckType::Temperature,
     "insert or replace into tb_temperature (flowid, checktime, target, temp, tempFace) values ",
     "insert temp error: ", "insert temp dev check error: ", UserJoin::None, "query error: "},
    {CheckType::Pedometer,
     "insert or replace into tb_pedo (flowid, checktime, Steps,Distance, AvgSpeed, TotalCal, Fat, time) values ",
     "insert pedo error: ", "insert pedo error: ", UserJoin::CheckTableFirst, "query error: "},
    {CheckType::DailyCheck,
     "insert or replace into tb_dailycheck (flowid, checktime, HR, ECGFace, SpO2, PI, SpO2Face, BPFlag, BP, BPIFace, "
     "voice) values ",
     "insert dailycheck error: ", "insert dailycheck error: ", UserJoin::CheckTableFirst, "query error: "},
    {CheckType::SpotCheck,
     "insert or replace into tb_spotcheck (flowid, checktime, checkFunc, HR, QRS, ST, ECGResult, ECGFace, Oxi, PI, "
     "OxiFace, temp, tempFace, voice, QT, QTc) values ",
     "insert spotcheck error: ", "insert spotcheck error: ", UserJoin::CheckTableLast,
     "query spotcheck data failed. error message: "},
    {CheckType::Sleep,
     "insert or replace into tb_slm (flowid, checktime, totalTime, lowOxiTime,lowOxiCount, lowestOxi, averageOxi, "
     "smile) values ",
     "insert slm error: ", "insert slm dev check error: ", UserJoin::None, "query ecg data error: "},
    {CheckType::UserBloodPressure, "insert or replace into tb_nibp (flowid, checktime, sys, dia, pr) values ",
     "insert nibp error: ", "insert nibp error: ", UserJoin::CheckTableLast, "query nibp data failed. error message: "},
    {CheckType::BloodPressure, "insert or replace into tb_nibp (flowid, checktime, sys, dia, pr) values ",
     "insert nibp error: ", "insert nibp error: ", UserJoin::None, "query ecg data error: "},
    {CheckType::CorvisetDailyCheck,
     "insert or replace into tb_dailycheck_corviset (flowid, checktime, HR, ECGFace, SpO2, PI, SpO2Face, PR, BP, "
     "unusual, voice) values ",
     "insert corviset dailycheck error: ", "insert corviset dailycheck error: ", UserJoin::None,
     "query orlena dailycheck data error:"},
    {CheckType::Spo2Temp, "insert or replace into tb_spo2temp (flowid, checktime, way, spo2, PR, PI, temp) values ",
     "insert oxi error: ", "insert spo2temp dev check error: ", UserJoin::None, "query ecg data error: "},
    {CheckType::UserGlucose, "insert or replace into tb_glucose (flowid, checktime, glucose, type, note) values ",
     "insert glucose error: ", "insert glucose error: ", UserJoin::CheckTableFirst, "query error: "},
    {CheckType::Glucose, "insert or replace into tb_glucose (flowid, checktime, glucose, type, note) values ",
     "insert glucose error: ", "insert glucose error: ", UserJoin::None, "query ecg data error: "},
};

const CheckStatements* statementsFor(int checkType)
{
    for (const CheckStatements& statements : kStatements) {
        if (statements.checkType == checkType)
            return &statements;
    }
    return nullptr;
}

// "(?, ?, ?)" for three values.
QString valueGroup(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return "(" + marks.join(", ") + ")";
}

QString checkQuery(const CheckStatements& statements, bool oneUser)
{
    const QString table = CheckType::tableName(statements.checkType);
    switch (statements.users) {
    case UserJoin::None:
        return "select A.* from " + table +
            " as A, tb_devCheck as B where B.sn = ? and B.checkType = ? and A.flowid = B.flowid order by "
            "A.checktime desc";
    case UserJoin::CheckTableFirst:
        return "select A.userid, B.* from tb_check as A, " + table +
            " as B, tb_devCheck as C where C.sn = ? and C.checkType = ? and A.flowid = B.flowid and B.flowid = "
            "C.flowid " +
            (oneUser ? "and A.userid = ? " : "") + "order by B.checktime desc";
    case UserJoin::CheckTableLast:
        return "select C.userid, B.* from tb_devCheck as A, " + table +
            " as B, tb_check as C where A.sn = ? and A.checkType = ? and A.flowid = B.flowid and B.flowid = "
            "C.flowid " +
            (oneUser ? "and C.userid = ? " : "") + "order by B.checktime desc";
    }
    return QString();
}

} // namespace

bool DbOperator::insertChecks(const QString& sn, int checkType, const QList<QByteArray>& records, const CheckUser& user)
{
    QMutexLocker lock(&m_lock);
    if (!statementsFor(checkType)) {
        qDebug() << "no check insert for check type" << checkType;
        return false;
    }
    if (sn.isEmpty())
        return false;
    if (records.isEmpty())
        return true;
    bool stored = false;
    RecordTypes::dispatch(checkType,
                          [&](auto record) { stored = insertRecords<decltype(record)>(sn, checkType, records, user); });
    return stored;
}

template <class R>
bool DbOperator::insertRecords(const QString& sn, int checkType, const QList<QByteArray>& records,
                               const CheckUser& user)
{
    const CheckStatements& statements = *statementsFor(checkType);
    const bool perUser = statements.users != UserJoin::None;
    if (!deviceExists(sn) || (perUser && !userExists(user.userid))) {
        qDebug() << "foreign key restrict";
        return false;
    }
    // Glucose checks of different users at the same second stay apart.
    const QString suffix = checkType == CheckType::UserGlucose ? sn + user.name : sn;
    QList<QVariantList> rows;
    rows.reserve(records.size());
    for (const QByteArray& bytes : records) {
        const R record = RecordCodec::decode<R>(bytes);
        rows << SqlRecordValues::of(record);
        rows.last().prepend(record.checkTime.text() + suffix);
    }

    SqlSavepoint savepoint(m_query.get());
    if (!savepoint.isOpen() || !prepare(statements.insert + valueGroup(rows.first().size()), statements.insertError))
        return false;
    for (const QVariantList& row : qAsConst(rows)) {
        if (!runPrepared(row, statements.insertError))
            return false;
    }
    if (!prepare(Vitacor::kInsertDevCheckPrefix + valueGroup(3), statements.devCheckError))
        return false;
    for (const QVariantList& row : qAsConst(rows)) {
        if (!runPrepared({row.first(), sn, checkType}, statements.devCheckError))
            return false;
    }
    if (perUser) {
        if (!prepare(Vitacor::kInsertCheckPrefix + valueGroup(2), statements.insertError))
            return false;
        for (const QVariantList& row : qAsConst(rows)) {
            if (!runPrepared({row.first(), user.userid}, statements.insertError))
                return false;
        }
    }
    return savepoint.release();
}

bool DbOperator::insertHolter(const QString& sn, const CheckUser& user, const QString& checkTime, int duration)
{
    QMutexLocker lock(&m_lock);
    if (sn.isEmpty() || checkTime.isEmpty())
        return false;
    if (!deviceExists(sn) || (!user.userid.isEmpty() && !userExists(user.userid))) {
        qDebug() << "foreign key restrict";
        return false;
    }
    const QString flowid = checkTime + sn;
    SqlSavepoint savepoint(m_query.get());
    return savepoint.isOpen() &&
        exec("insert or ignore into tb_holter (flowid, checktime, duration) values (?, ?, ?)",
             {flowid, checkTime, duration}, "insert holter failed: ") &&
        exec("update tb_holter set duration = ? where flowid = ? and duration < ?", {duration, flowid, duration},
             "update holter failed: ") &&
        exec(Vitacor::kInsertDevCheckPrefix + valueGroup(3), {flowid, sn, int(CheckType::Holter)},
             "insert devcheck failed: ") &&
        exec((user.userid.isEmpty() ? "insert or ignore into tb_check (flowid, userid) values "
                                    : QString(Vitacor::kInsertCheckPrefix)) +
                 valueGroup(2),
             {flowid, user.userid}, "insert check failed: ") &&
        savepoint.release();
}

QList<CheckRecord> DbOperator::checks(const QString& sn, int checkType, const QString& userid)
{
    QMutexLocker lock(&m_lock);
    const bool oneUser = !userid.isEmpty();
    if (checkType == CheckType::MultiTest) {
        const QString statement = "SELECT T.* FROM " + m_multitestTable + " as T WHERE T.dev_sn = ? " +
            (oneUser ? "AND T.userid = ? " : "") + "ORDER BY T.checktime DESC;";
        QVariantList values{sn};
        if (oneUser)
            values << userid;
        return queryRecords<MultiTestRecord>(statement, values, checkType, "query multitest data error: ");
    }
    if (checkType == CheckType::Holter) {
        QList<CheckRecord> records;
        for (const HolterCheck& holter : holterChecks(sn, userid)) {
            HolterRecord recording;
            recording.checkTime = CheckTime::fromText(holter.checkTime);
            recording.duration = quint32(qMax(0, holter.duration));
            const QString user = holter.userid.isEmpty() ? QString(Vitacor::kNoUserId) : holter.userid;
            records << CheckRecord{checkType, user, RecordCodec::encode(recording, RecordCodec::Layout::Stored)};
        }
        return records;
    }
    const CheckStatements* statements = statementsFor(checkType);
    if (!statements)
        return {};
    const bool filtered = oneUser && statements->users != UserJoin::None;
    QVariantList values{sn, checkType};
    if (filtered)
        values << userid;
    QList<CheckRecord> records;
    RecordTypes::dispatch(checkType, [&](auto record) {
        records = queryRecords<decltype(record)>(checkQuery(*statements, filtered), values, checkType,
                                                 statements->queryError);
    });
    return records;
}

template <class R>
QList<CheckRecord> DbOperator::queryRecords(const QString& statement, const QVariantList& values, int checkType,
                                            const char* message)
{
    QList<CheckRecord> records;
    if (!exec(statement, values, message))
        return records;
    SqlRecordReader reader(*m_query);
    const int userColumn = m_query->record().indexOf("userid");
    while (m_query->next()) {
        CheckRecord record;
        record.checkType = checkType;
        record.userid = userColumn < 0 ? QString(Vitacor::kNoUserId) : m_query->value(userColumn).toString();
        record.bytes = RecordCodec::encode(reader.read<R>(), RecordCodec::Layout::Stored);
        records << record;
    }
    return records;
}

QList<HolterCheck> DbOperator::holterChecks(const QString& sn, const QString& userid)
{
    QMutexLocker lock(&m_lock);
    QList<HolterCheck> checks;
    QVariantList values{sn};
    if (!userid.isEmpty())
        values << userid;
    if (!exec(QStringLiteral("select A.userid, B.* from tb_check as A, tb_holter as B, tb_devCheck as C where C.sn "
                             "= ? and A.flowid = B.flowid and B.flowid = C.flowid ") +
                  (userid.isEmpty() ? "" : "and A.userid = ? ") + "order by B.checktime desc",
              values, "query error: "))
        return checks;
    while (m_query->next()) {
        HolterCheck check;
        check.userid = m_query->value("userid").toString();
        check.checkTime = m_query->value("checktime").toString();
        check.duration = m_query->value("duration").toInt();
        checks << check;
    }
    return checks;
}

bool DbOperator::deleteCheck(const QString& sn, int checkType, const QString& checkTime, const QString& userName)
{
    QMutexLocker lock(&m_lock);
    const QString table = CheckType::tableName(checkType);
    if (table.isEmpty()) {
        qDebug() << "delete check failed: no table for check type" << checkType;
        return false;
    }
    const QString flowid = checkTime + sn + (checkType == CheckType::UserGlucose ? userName : QString());
    const char* message = "delete check failed:";
    SqlSavepoint savepoint(m_query.get());
    if (!savepoint.isOpen())
        return false;
    const bool checkDeleted = checkType == CheckType::MultiTest
        ? exec("DELETE FROM " + table + " WHERE dev_sn = ? AND checktime = ?", {sn, checkTime}, message)
        : exec("delete from " + table + " where flowid = ?", {flowid}, message);
    return checkDeleted && exec("delete from tb_check where flowid = ?", {flowid}, "error cmd : ") &&
        exec("delete from tb_devCheck where flowid = ?", {flowid}, "error cmd : ") &&
        exec("delete from tb_reportuser where flowid = ?", {flowid}, "error cmd: ") && savepoint.release();
}
