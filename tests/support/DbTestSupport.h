#pragma once

#include "app/Config.h"
#include "app/Constants.h"
#include "files/CheckUser.h"
#include "files/DeviceInfo.h"
#include "files/RecordTypes.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <QtTest>

// Shared set-up of the record store tests: an empty data directory and
// direct looks at the tables, past the operations under test.
namespace DbTestSupport {

inline void freshDataDir()
{
    QDir(Config::instance()->dataDir()).removeRecursively();
    QVERIFY(QDir().mkpath(Config::instance()->dataDir()));
}

inline QSqlDatabase connection()
{
    return QSqlDatabase::database(Vitacor::kDbConnectionName);
}

// The first column of the first row of a statement, run directly.
inline QVariant value(const QString& statement, const QVariantList& values = {})
{
    QSqlQuery query(connection());
    query.prepare(statement);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

inline int rows(const QString& table)
{
    return value("select count(*) from " + table).toInt();
}

inline bool run(const QString& statement)
{
    QSqlQuery query(connection());
    return query.exec(statement);
}

// Makes every insert into (or delete from) a table fail, to break an
// operation in its middle.
inline bool breakTable(const QString& table, const QString& event = "insert")
{
    return run("create temp trigger break_" + table + "_" + event + " before " + event + " on " + table +
               " begin select raise(abort, 'broken on purpose'); end");
}

inline bool repairTable(const QString& table, const QString& event = "insert")
{
    return run("drop trigger break_" + table + "_" + event);
}

// A record from its index file as the store hands it back: the same layout
// with the full year.
inline QByteArray storedForm(int checkType, const QByteArray& fileRecord)
{
    QByteArray bytes;
    RecordTypes::dispatch(checkType, [&](auto record) {
        using R = decltype(record);
        bytes = RecordCodec::encode(RecordCodec::decode<R>(fileRecord), RecordCodec::Layout::Stored);
    });
    return bytes;
}

// A multi-test record as the monitor sends it, taken on 6 May 2024 at 07:08:second.
inline QByteArray multiTestRecord(int second)
{
    MultiTestRecord record;
    record.checkTime = CheckTime{2024, 5, 6, 7, 8, quint8(second)};
    return RecordCodec::encode(record);
}

inline DeviceInfo device(const QString& sn, int model, const QString& branchcode = QString())
{
    DeviceInfo info;
    info.modelType = quint8(model);
    info.sn = sn;
    info.branchcode = branchcode;
    return info;
}

inline CheckUser user(const QString& sn, const QString& name, bool extended = false)
{
    CheckUser u;
    u.userid = sn + name;
    u.name = name;
    u.isXUser = extended;
    if (extended)
        u.medicalid = name;
    u.birthday = QDate(1980, 1, 2);
    u.height = 170;
    u.weight = 700;
    return u;
}

} // namespace DbTestSupport
