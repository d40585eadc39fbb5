#include "db/DbOperator.h"

#include "app/CallOnce.h"
#include "app/Config.h"
#include "app/Constants.h"
#include "db/SqlRecordReader.h"
#include "db/SqlSavepoint.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QTextStream>

static void initSchemaResource()
{
    Q_INIT_RESOURCE(database);
}

DbOperator* DbOperator::instance()
{
    return Singleton<DbOperator>::instance();
}

DbOperator::DbOperator()
{
    initSchemaResource();
    openAndInit();
}

DbOperator::~DbOperator()
{
    QMutexLocker lock(&m_lock);
    m_query.reset();
}

namespace {

// Long enough for another program's short write to end, far shorter than
// the driver's wait on each of the schema script's statements.
constexpr int kProbeWaitMs = 3000;

DbOperator::Health healthFromError(const QSqlError& error)
{
    // The primary SQLite result code, without the extended bits.
    switch (error.nativeErrorCode().toInt() & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return DbOperator::Health::Locked;
    case 8: // SQLITE_READONLY
        return DbOperator::Health::NotWritable;
    case 11: // SQLITE_CORRUPT
        return DbOperator::Health::Damaged;
    case 26: // SQLITE_NOTADB
        return DbOperator::Health::NotADatabase;
    default: return DbOperator::Health::CannotOpen;
    }
}

// Takes the write lock for a moment. Another program's write transaction
// blocks only writers and only while it lasts; reading was already shown to
// work, so the lock is not waited for and such a file counts as healthy.
DbOperator::Health probeWriteLock(QSqlQuery& query)
{
    query.exec("PRAGMA busy_timeout = 0");
    if (query.exec("BEGIN IMMEDIATE")) {
        query.exec("ROLLBACK");
        return DbOperator::Health::Healthy;
    }
    const int primaryCode = query.lastError().nativeErrorCode().toInt() & 0xFF;
    return primaryCode == 5 ? DbOperator::Health::Healthy : healthFromError(query.lastError());
}

// Reads the whole file and takes the write lock for a moment, so damage,
// a foreign lock and missing permissions show before anything is written.
DbOperator::Health probe(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.exec("PRAGMA busy_timeout");
    const int driverWaitMs = query.next() ? query.value(0).toInt() : 0;
    query.exec(QString("PRAGMA busy_timeout = %1").arg(kProbeWaitMs));

    DbOperator::Health health = DbOperator::Health::Healthy;
    const QFileInfo file(db.databaseName());
    if (!query.exec("PRAGMA quick_check(1)") || !query.next())
        health = healthFromError(query.lastError());
    else if (query.value(0).toString() != "ok")
        health = DbOperator::Health::Damaged;
    else if (file.exists() && (!file.isWritable() || !QFileInfo(file.absolutePath()).isWritable()))
        health = DbOperator::Health::NotWritable;
    else
        health = probeWriteLock(query);

    query.exec(QString("PRAGMA busy_timeout = %1").arg(driverWaitMs));
    return health;
}

// The statements of the schema script; empty when the resource is missing.
QStringList schemaScript()
{
    QFile file(":/res/db/db_vitacor_ddl.sql");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    QStringList pieces = stream.readAll().split(';', Qt::KeepEmptyParts, Qt::CaseSensitive);
    // The piece after the last ';' is only the final line end.
    pieces.removeLast();
    return pieces;
}

QStringList columns(const QSqlDatabase& db, const QString& table)
{
    QStringList names;
    const QSqlRecord record = db.record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

} // namespace

bool DbOperator::openAndInit()
{
    QMutexLocker lock(&m_lock);
    m_query.reset();
    QSqlDatabase db;
    if (QSqlDatabase::contains(Vitacor::kDbConnectionName)) {
        db = QSqlDatabase::database(Vitacor::kDbConnectionName, true);
    } else {
        db = QSqlDatabase::addDatabase("QSQLITE", Vitacor::kDbConnectionName);
        db.setDatabaseName(Config::instance()->dataDir() + "/" + Vitacor::kDbFileName);
        db.setUserName("root");
        db.setPassword("vita");
        db.open();
    }
    m_filePath = db.databaseName();
    m_health = db.isOpen() ? probe(db) : Health::CannotOpen;
    if (m_health != Health::Healthy) {
        qDebug() << "record database not used:" << healthText();
        return false;
    }
    const QStringList script = schemaScript();
    if (!hasWholeSchema(db, script)) {
        m_health = Health::Incomplete;
        qDebug() << "record database not used:" << healthText();
        return false;
    }
    m_query = std::make_unique<QSqlQuery>(QString(), db);
    // On every start after the first, the two "alter table" and the plain
    // "create table" fail harmlessly because their column or table already exists.
    for (const QString& statement : script)
        m_query->exec(statement);
    return true;
}

bool DbOperator::hasWholeSchema(const QSqlDatabase& db, const QStringList& script)
{
    m_missing.clear();
    const QStringList present = db.tables();
    // A new file: the script makes every table.
    if (present.isEmpty() || script.isEmpty())
        return true;

    // The schema as the script makes it, in a database of its own in memory.
    QMap<QString, QStringList> schema;
    QSet<QString> addedByScript;
    {
        const QString name = QStringLiteral("vitacor_schema_reference");
        QSqlDatabase reference = QSqlDatabase::addDatabase("QSQLITE", name);
        reference.setDatabaseName(":memory:");
        if (reference.open()) {
            QSqlQuery query(reference);
            const QRegularExpression alter("alter\\s+table\\s+(\\w+)\\s+add\\s+column\\s+(\\w+)",
                                           QRegularExpression::CaseInsensitiveOption);
            for (const QString& statement : script) {
                query.exec(statement);
                const QRegularExpressionMatch match = alter.match(statement);
                if (match.hasMatch())
                    addedByScript << match.captured(1) + "." + match.captured(2);
            }
            for (const QString& table : reference.tables())
                schema.insert(table, columns(reference, table));
        }
        reference.close();
        reference = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    // A table the script adds to an older file is missing only when stored
    // records need it: a check type's table when checks of that type are
    // listed, the list of checks when any check type's table holds rows.
    QSet<QString> needed;
    QSqlQuery query(db);
    if (present.contains("tb_devCheck")) {
        query.exec("select distinct checkType from tb_devCheck");
        while (query.next())
            needed << CheckType::tableName(query.value(0).toInt());
    } else {
        for (const int code : CheckType::all()) {
            // Multi-tests are keyed by time and serial number, outside the list of checks.
            const QString table = code == CheckType::MultiTest ? QString() : CheckType::tableName(code);
            if (!table.isEmpty() && present.contains(table) && query.exec("select 1 from " + table + " limit 1") &&
                query.next())
                needed << "tb_devCheck";
        }
    }
    for (auto it = schema.begin(); it != schema.end(); ++it) {
        const QString& table = it.key();
        if (!present.contains(table)) {
            if (needed.contains(table))
                m_missing << table;
            continue;
        }
        const QStringList have = columns(db, table);
        for (const QString& column : it.value()) {
            if (!have.contains(column) && !addedByScript.contains(table + "." + column))
                m_missing << table + "." + column;
        }
    }
    return m_missing.isEmpty();
}

DbOperator::Health DbOperator::health() const
{
    QMutexLocker lock(&m_lock);
    return m_health;
}

QStringList DbOperator::missingParts() const
{
    QMutexLocker lock(&m_lock);
    return m_missing;
}

QString DbOperator::lastErrorText() const
{
    QMutexLocker lock(&m_lock);
    return m_lastError;
}

void DbOperator::failed(const char* message, const QString& statement, const QVariantList& values)
{
    m_lastError = m_query->lastError().databaseText();
    qDebug() << message << m_query->lastError().text() << statement << values;
}

QString DbOperator::healthText() const
{
    QMutexLocker lock(&m_lock);
    const QString path = QDir::toNativeSeparators(m_filePath);
    switch (m_health) {
    case Health::Healthy: return QString();
    case Health::CannotOpen:
        return tr("The record database %1 cannot be opened; check that its folder exists and can be written.")
            .arg(path);
    case Health::NotADatabase:
        return tr("The file %1 is not a record database; move it away to start with an empty one.").arg(path);
    case Health::Damaged:
        return tr("The record database %1 is damaged; keep a copy and move it away to start with an empty one.")
            .arg(path);
    case Health::Locked:
        return tr("The record database %1 is locked by another program; close that program and try again.").arg(path);
    case Health::NotWritable:
        return tr("The record database %1 is not writable; check the permissions of the file and its folder.")
            .arg(path);
    case Health::Incomplete:
        return tr("The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away "
                  "to start with an empty one.")
            .arg(path, m_missing.join(", "));
    }
    return QString();
}

void DbOperator::close()
{
    QMutexLocker lock(&m_lock);
    m_query.reset();
    QSqlDatabase::removeDatabase(Vitacor::kDbConnectionName);
}

bool DbOperator::reopenAfter(const std::function<void()>& whileClosed)
{
    // The lock is recursive: close() and openAndInit() take it again.
    QMutexLocker lock(&m_lock);
    close();
    whileClosed();
    return openAndInit();
}

bool DbOperator::beginTransaction()
{
    {
        QMutexLocker lock(&m_lock);
        m_lastError.clear();
    }
    return execShared(m_beginStatement);
}

bool DbOperator::commit()
{
    return execShared(m_commitStatement);
}

bool DbOperator::rollback()
{
    return execShared(m_rollbackStatement);
}

bool DbOperator::execShared(const QString& statement)
{
    QMutexLocker lock(&m_lock);
    if (!isOpen(statement.toUtf8().constData()))
        return false;
    const bool ok = m_query->exec(statement);
    if (!ok)
        failed("", statement);
    return ok;
}

bool DbOperator::exec(const QString& statement, const QVariantList& values, const char* message)
{
    return prepare(statement, message) && runPrepared(values, message);
}

bool DbOperator::isOpen(const char* message) const
{
    if (m_query)
        return true;
    qDebug() << message << "the record database is closed";
    return false;
}

bool DbOperator::prepare(const QString& statement, const char* message)
{
    if (!isOpen(message))
        return false;
    if (m_query->prepare(statement))
        return true;
    failed(message, statement);
    return false;
}

bool DbOperator::runPrepared(const QVariantList& values, const char* message)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values.at(i);
        // An empty text is stored as '' like any other text, never as NULL.
        const bool nullText = value.type() == QVariant::String && value.isNull();
        m_query->bindValue(i, nullText ? QVariant(QStringLiteral("")) : value);
    }
    if (m_query->exec())
        return true;
    failed(message, m_query->lastQuery(), values);
    return false;
}

QVariant DbOperator::scalar(const QString& statement, const QVariantList& values, const char* message)
{
    if (!exec(statement, values, message) || !m_query->next())
        return QVariant();
    const QVariant value = m_query->value(0);
    m_query->finish();
    return value;
}

CheckUser DbOperator::userFromRow() const
{
    const QSqlRecord row = m_query->record();
    auto value = [&row](const char* name) {
        const int index = row.indexOf(QLatin1String(name));
        return index < 0 ? QVariant() : row.value(index);
    };
    CheckUser user;
    user.userid = value("userid").toString();
    user.medicalid = value("medicalid").toString();
    user.name = value("name").toString();
    user.sex = value("sex").toInt();
    user.birthday = QDate::fromString(value("birthday").toString(), "yyyyMMdd");
    user.age = value("age").toInt();
    user.height = value("height").toInt();
    user.weight = value("weight").toInt();
    user.isXUser = value("isXUser").toInt() != 0;
    user.remarks = value("remarks").toString();
    user.physician = value("physician").toString();
    user.indication = value("indication").toString();
    return user;
}

bool DbOperator::deviceExists(const QString& sn)
{
    QMutexLocker lock(&m_lock);
    return scalar("select count(*) from tb_device where sn = ?", {sn}, "query device exist failed: ").toInt() != 0;
}

bool DbOperator::userExists(const QString& userid)
{
    QMutexLocker lock(&m_lock);
    return scalar("select count(*) from tb_user where userid = ?", {userid}, "query user exist failed: ").toInt() != 0;
}

QSet<QString> DbOperator::flowIds(const QString& sn)
{
    QMutexLocker lock(&m_lock);
    QSet<QString> ids;
    if (!exec("select flowid from tb_devCheck where sn = ?", {sn}, "query flow ids failed: "))
        return ids;
    while (m_query->next())
        ids.insert(m_query->value(0).toString());
    return ids;
}

int DbOperator::storedCheckType(const QString& sn, const QString& flowid)
{
    QMutexLocker lock(&m_lock);
    return scalar("select checkType from tb_devCheck where sn = ? and flowid = ?", {sn, flowid},
                  "query check type failed: ")
        .toInt();
}

bool DbOperator::storeDevice(const DeviceInfo& info)
{
    QMutexLocker lock(&m_lock);
    return exec("insert or replace into tb_device (sn, hwMajor, hwMinor, bootloaderVer, lockBit, hardwareVer, appVer, "
                "languageVer, agreementVer, dispname, branchCode) values (?,?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {info.sn, info.modelType, info.hwMinor, info.bootloaderVer, info.lockBit, info.hardwareVer,
                 qlonglong(info.appVer), qlonglong(info.languageVer), info.agreementVer, info.sn, info.branchcode},
                "insert device info failed. errorinfo: ");
}

namespace {

DeviceInfo deviceFromRow(const QSqlQuery& query, SqlRecordReader& reader)
{
    DeviceInfo info = reader.read<DeviceInfo>();
    const QSqlRecord row = query.record();
    info.dispname = row.value("dispname").toString();
    info.branchcode = row.value("branchcode").toString();
    return info;
}

} // namespace

QList<DeviceInfo> DbOperator::allDevices()
{
    QMutexLocker lock(&m_lock);
    QList<DeviceInfo> devices;
    if (!exec("select * from tb_device order by rowid desc", {}, "select all devices failed : "))
        return devices;
    SqlRecordReader reader(*m_query);
    while (m_query->next())
        devices << deviceFromRow(*m_query, reader);
    return devices;
}

bool DbOperator::device(const QString& sn, DeviceInfo* info)
{
    QMutexLocker lock(&m_lock);
    if (!exec("select * from tb_device where sn = ?", {sn}, "query device error: ") || !m_query->next())
        return false;
    SqlRecordReader reader(*m_query);
    *info = deviceFromRow(*m_query, reader);
    m_query->finish();
    return true;
}

bool DbOperator::storeUsers(const QString& sn, const QList<CheckUser>& users)
{
    QMutexLocker lock(&m_lock);
    DeviceInfo info;
    const bool namesHidden = device(sn, &info) && info.modelType == DeviceModel::kQmr4Type;
    if (sn.isEmpty() || users.isEmpty()) {
        qDebug() << "no patient to insert into table";
        return false;
    }
    const char* userMessage = "update users failed! error message : ";
    const char* devUserMessage = "insert into tb_devUser failed. error message: ";
    SqlSavepoint savepoint(m_query.get());
    if (!savepoint.isOpen() ||
        !prepare("insert or replace into tb_user (userid, name, sex, birthday, age, height, weight, isXUser, "
                 "medicalid) values (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                 userMessage))
        return false;
    for (const CheckUser& user : users) {
        const QString name = namesHidden ? QStringLiteral(" ") : user.name;
        if (!runPrepared({user.userid, name, user.sex, user.birthday.toString("yyyyMMdd"), 0, user.height, user.weight,
                          int(user.isXUser), user.medicalid},
                         userMessage))
            return false;
    }
    if (!prepare("insert or replace into tb_devUser (sn, userid) values (?, ?)", devUserMessage))
        return false;
    for (const CheckUser& user : users) {
        if (!runPrepared({sn, user.userid}, devUserMessage))
            return false;
    }
    return savepoint.release();
}

bool DbOperator::user(const QString& userid, CheckUser* user)
{
    QMutexLocker lock(&m_lock);
    if (!exec("select * from tb_user where userid = ?", {userid}, "query user error: ") || !m_query->next())
        return false;
    *user = userFromRow();
    m_query->finish();
    return true;
}

QList<DeviceUser> DbOperator::deviceUsers(const QString& sn, int checkType, bool extended)
{
    QMutexLocker lock(&m_lock);
    const char* message = "query device user list failed.";
    const bool multiTest = checkType == CheckType::MultiTest;
    QList<DeviceUser> users;
    const bool listed = multiTest
        ? exec("SELECT * FROM tb_multitest_reportusr WHERE dev_sn = ?", {sn}, message)
        : exec("select A.userid, B.medicalid, B.name from tb_devUser as A, tb_user as B where sn = ? and "
               "A.userid = B.userid and B.isXUser = ?",
               {sn, int(extended)}, message);
    if (!listed)
        return users;
    // The counts run on the same connection beside the user list, which is
    // still being read; taken from the driver, it works from any thread.
    QSqlQuery count(m_query->driver()->createResult());
    count.prepare(multiTest ? "SELECT count(T.checktime) FROM tb_multitest as T WHERE T.dev_sn = ? AND T.userid = ?"
                            : "select count(A.flowid) from tb_devCheck as A, tb_check as B where A.flowid = "
                              "B.flowid and A.sn = ? and A.checkType = ? and B.userid = ? group by B.userid");
    while (m_query->next()) {
        DeviceUser user;
        user.medicalid = m_query->value("medicalid").toString();
        user.name = m_query->value("name").toString();
        if (multiTest) {
            user.userid = sn + user.medicalid;
            user.displayName = user.name;
            count.bindValue(0, sn);
            count.bindValue(1, user.medicalid);
        } else {
            user.userid = m_query->value("userid").toString();
            user.displayName = extended ? user.medicalid : user.name;
            count.bindValue(0, sn);
            count.bindValue(1, checkType);
            count.bindValue(2, user.userid);
        }
        if (!count.exec())
            qDebug() << message << count.lastError().text() << count.lastQuery();
        user.count = count.next() ? count.value(0).toInt() : 0;
        count.finish();
        users << user;
    }
    return users;
}

int DbOperator::checkCount(const QString& sn, int checkType)
{
    QMutexLocker lock(&m_lock);
    return scalar("select count(flowid) from tb_devCheck where sn=? and checkType=?", {sn, checkType},
                  "get checktype item count failed. error info : ")
        .toInt();
}
