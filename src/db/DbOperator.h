#pragma once

#include "db/DeviceUser.h"
#include "db/HolterCheck.h"
#include "files/CheckRecord.h"
#include "files/CheckUser.h"
#include "files/DeviceInfo.h"

#include <QList>
#include <QObject>
#include <QRecursiveMutex>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

class QSqlDatabase;
class QSqlQuery;

// The one way into the record database: one connection, one shared query,
// and one lock held for each public operation (results included), because
// the GUI, device workers, importer and mover all reach it.
//
// Values are bound, never pasted into the statement text, so any text a
// monitor or a user supplies is stored as it is. Every store operation is
// all-or-nothing; it nests inside a transaction a caller opened with
// beginTransaction().
class DbOperator : public QObject
{
    Q_OBJECT
public:
    // What opening found in the database file. Only a healthy file is used:
    // in any other state every operation fails and nothing is written.
    // Incomplete: tables or columns of the schema are missing from a file that
    // already held records (missingParts() names them).
    enum class Health { Healthy, CannotOpen, NotADatabase, Damaged, Locked, NotWritable, Incomplete };

    DbOperator();
    ~DbOperator() override;

    static DbOperator* instance();

    // Opens (or takes the already open) connection, checks the file without
    // writing to it and, when it is healthy, runs the schema script; false
    // when the file is not healthy.
    bool openAndInit();
    Health health() const;
    // "table" or "table.column" for each part of the schema the file lacks.
    QStringList missingParts() const;
    // The database's reason for the last failed statement since the last
    // beginTransaction(), e.g. "database or disk is full"; empty when none failed.
    QString lastErrorText() const;
    // One sentence for the user naming the file and what keeps it from being
    // used; empty when it is healthy.
    QString healthText() const;
    // Removes the connection, e.g. before the database file is moved.
    void close();
    // Closes the connection, runs `whileClosed` on the closed file (it may
    // change the configured data directory) and opens the database of the
    // configured data directory again; no other operation runs in between.
    // Whether the reopened database is healthy.
    bool reopenAfter(const std::function<void()>& whileClosed);

public slots:
    // The store operations: slots only so that a test reaches each one through
    // the meta-object. A new operation belongs here too.
    bool beginTransaction();
    bool commit();
    bool rollback();

    // Existence checks; a failed query counts as absent.
    bool deviceExists(const QString& sn);
    // The flow ids of the device's stored checks.
    QSet<QString> flowIds(const QString& sn);
    // The check type stored under that flow id for the device; 0 when none is.
    int storedCheckType(const QString& sn, const QString& flowid);

    // Devices. The display name is the serial number; storing again replaces
    // the row and makes it the newest.
    bool storeDevice(const DeviceInfo& info);
    QList<DeviceInfo> allDevices(); // most recently stored first
    bool device(const QString& sn, DeviceInfo* info);

    // Users. Devices of the two-user daily-check model keep a single space as
    // every user's name.
    bool storeUsers(const QString& sn, const QList<CheckUser>& users);
    bool user(const QString& userid, CheckUser* user);
    // The users of a device that have checks of a type, with their counts:
    // extended (1) or plain (0) users; for multi-tests the report users
    // (userid = serial number + medical id, counted by medical id).
    QList<DeviceUser> deviceUsers(const QString& sn, int checkType, bool extended);
    int checkCount(const QString& sn, int checkType);

    // Check inserts. The records are in their index-file layout. Per-user
    // types need the user, which must be stored; the blood-glucose-per-user
    // type adds the user's name to the flow id. Nothing is stored when the
    // device (or user) is unknown.
    bool insertChecks(const QString& sn, int checkType, const QList<QByteArray>& records,
                      const CheckUser& user = CheckUser());
    // An empty user id stores the recording without a user and keeps the
    // user of a stored recording. An existing recording row is kept, with
    // the longer of the two durations.
    bool insertHolter(const QString& sn, const CheckUser& user, const QString& checkTime, int duration);

    // Check queries, newest first. An empty user id lists every user's
    // checks; for multi-tests the user is named by its medical id. Holter
    // recordings come as HolterRecord (start time and duration).
    QList<CheckRecord> checks(const QString& sn, int checkType, const QString& userid = QString());
    QList<HolterCheck> holterChecks(const QString& sn, const QString& userid = QString());

    // Deletes one check with its user, type and report rows. userName is
    // needed only for the per-user blood glucose. A multi-test keeps its
    // report remark.
    bool deleteCheck(const QString& sn, int checkType, const QString& checkTime, const QString& userName = QString());

    // Patient details entered for one check's report.
    bool saveReportUser(const QString& flowid, const CheckUser& user);
    bool reportUser(const QString& flowid, CheckUser* user);

    // Multi-tests, keyed by check time and serial number; their users by
    // serial number and medical id.
    bool insertMultiTest(const QString& sn, const CheckUser& xuser, const QByteArray& record);
    bool ensureMultiTestReportUser(const QString& sn, const CheckUser& xuser);
    bool ensureMultiTestRemark(const QString& sn, const QByteArray& record);
    bool updateMultiTestReportUser(const QString& sn, const CheckUser& user);
    bool updateMultiTestRemark(const QString& sn, const QString& checkTime, const QString& remark);
    bool multiTestReportUser(const QString& sn, const QString& checkTime, CheckUser* user);
    QString multiTestRemark(const QString& sn, const QString& checkTime);
    QString multiTestUserName(const QString& sn, const QString& medicalid);
    int multiTestCount(const QString& sn, const QString& medicalid);
    bool isMultiTestUserHidden(const QString& sn, const QString& medicalid);
    bool setMultiTestUserHidden(const QString& sn, const QString& medicalid, bool hidden);

private:
    bool userExists(const QString& userid);
    bool execShared(const QString& statement);
    // Compares the file's tables and columns with the schema before the script
    // runs; false, with m_missing filled, when the file lost parts of it.
    bool hasWholeSchema(const QSqlDatabase& db, const QStringList& script);
    // Notes and logs a failed statement of the shared query.
    void failed(const char* message, const QString& statement, const QVariantList& values = {});
    // False, after logging message, when there is no open connection.
    bool isOpen(const char* message) const;
    // Prepares and runs one statement on the shared query; logs message, the
    // database error and the statement when it fails.
    bool exec(const QString& statement, const QVariantList& values, const char* message);
    bool prepare(const QString& statement, const char* message);
    bool runPrepared(const QVariantList& values, const char* message);
    // The first column of the first row, or an invalid value.
    QVariant scalar(const QString& statement, const QVariantList& values, const char* message);
    // Whatever user columns the current row of the shared query has.
    CheckUser userFromRow() const;
    template <class R>
    bool insertRecords(const QString& sn, int checkType, const QList<QByteArray>& records, const CheckUser& user);
    template <class R>
    QList<CheckRecord> queryRecords(const QString& statement, const QVariantList& values, int checkType,
                                    const char* message);

    const QString m_beginStatement = QStringLiteral("BEGIN TRANSACTION;");
    const QString m_commitStatement = QStringLiteral("END TRANSACTION");
    const QString m_rollbackStatement = QStringLiteral("ROLLBACK");
    const QString m_multitestTable = QStringLiteral("tb_multitest");
    std::unique_ptr<QSqlQuery> m_query;
    QString m_filePath;
    Health m_health = Health::CannotOpen;
    QStringList m_missing;
    QString m_lastError;
    mutable QRecursiveMutex m_lock;
};
