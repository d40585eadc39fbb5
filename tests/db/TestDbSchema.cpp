#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

QSqlDatabase connection()
{
    return QSqlDatabase::database(Vitacor::kDbConnectionName);
}

QStringList tables()
{
    QStringList names = connection().tables(QSql::Tables);
    names.sort();
    return names;
}

QStringList columns(const QString& table)
{
    const QSqlRecord record = connection().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

QString dbPath()
{
    return Config::instance()->dataDir() + "/" + Vitacor::kDbFileName;
}

} // namespace

class TestDbSchema : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void freshFileGetsAllTables();
    void secondOpenKeepsRows();
    void oldFileWithoutBranchCodeIsUpgraded();
    void reopenAfterMoveUsesNewDirectory();
    void unopenableFileIsReportedOnEveryOpen();
    void transactionsCommitAndRollBack();
    void incompleteFileIsNamedAndLeftAlone_data();
    void incompleteFileIsNamedAndLeftAlone();
    void schemaScriptHasBomCrLfAndComments();
};

void TestDbSchema::initTestCase()
{
    QDir(Config::instance()->dataDir()).removeRecursively();
    QDir().mkpath(Config::instance()->dataDir());
}

void TestDbSchema::freshFileGetsAllTables()
{
    QVERIFY(!QFile::exists(dbPath()));
    DbOperator* db = DbOperator::instance();
    QVERIFY(db);
    QVERIFY(QFile::exists(dbPath()));
    const QStringList expected = {"tb_check",
                                  "tb_dailycheck",
                                  "tb_dailycheck_corviset",
                                  "tb_devCheck",
                                  "tb_devUser",
                                  "tb_device",
                                  "tb_ecg",
                                  "tb_glucose",
                                  "tb_holter",
                                  "tb_multitest",
                                  "tb_multitest_hide",
                                  "tb_multitest_reportremark",
                                  "tb_multitest_reportusr",
                                  "tb_nibp",
                                  "tb_oxi",
                                  "tb_pedo",
                                  "tb_reportuser",
                                  "tb_slm",
                                  "tb_spo2temp",
                                  "tb_spotcheck",
                                  "tb_temperature",
                                  "tb_user",
                                  "tb_wristova"};
    QCOMPARE(tables().size(), 23);
    QCOMPARE(tables(), expected);
    QVERIFY(columns("tb_device").contains("branchcode"));
    QCOMPARE(columns("tb_device").size(), 11);
    QCOMPARE(columns("tb_glucose"), QStringList({"flowid", "checktime", "glucose", "note", "type"}));
    QCOMPARE(columns("tb_multitest").size(), 31);
    QCOMPARE(columns("tb_spotcheck").size(), 16);
}

void TestDbSchema::secondOpenKeepsRows()
{
    DbOperator* db = DbOperator::instance();
    QSqlQuery q(connection());
    QVERIFY(q.exec("insert into tb_device (sn, dispname, hwMajor) values ('SN1', 'SN1', 7)"));
    QVERIFY(q.exec("insert into tb_reportuser (flowid, name) values ('f1', 'Anna')"));
    QVERIFY(db->openAndInit()); // three statements fail silently now
    QCOMPARE(tables().size(), 23);
    QVERIFY(q.exec("select hwMajor, branchcode from tb_device where sn = 'SN1'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 7);
    QCOMPARE(q.value(1).toString(), QString(""));
    QVERIFY(q.exec("select name from tb_reportuser"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QString("Anna"));
}

void TestDbSchema::oldFileWithoutBranchCodeIsUpgraded()
{
    DbOperator* db = DbOperator::instance();
    db->close();
    QVERIFY(QFile::remove(dbPath()));
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(dbPath());
        QVERIFY(old.open());
        QSqlQuery q(old);
        QVERIFY(q.exec("create table tb_device (sn varchar(20) primary key, dispname varchar(50), hwMajor int, "
                       "hwMinor int, bootloaderVer int, lockBit tinyint, hardwareVer int, appVer int, "
                       "languageVer int, agreementVer int)"));
        QVERIFY(q.exec("insert into tb_device (sn, dispname, hwMajor) values ('OLD1', 'OLD1', 3)"));
        QVERIFY(q.exec("create table tb_glucose (flowid varchar(40) primary key, checktime varchar(20), "
                       "glucose int, note varchar(40))"));
        QVERIFY(q.exec("insert into tb_glucose values ('g1', '20240102080000', 55, 'n')"));
        QVERIFY(q.exec("create table tb_devCheck (flowid varchar(40) primary key, sn varchar(20), checkType int)"));
        QVERIFY(q.exec("insert into tb_devCheck values ('g1', 'OLD1', 8192)"));
        old.close();
    }
    QSqlDatabase::removeDatabase("old");

    QVERIFY(db->openAndInit());
    QCOMPARE(tables().size(), 23);
    QSqlQuery q(connection());
    QVERIFY(q.exec("select sn, hwMajor, branchcode from tb_device"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QString("OLD1"));
    QCOMPARE(q.value(1).toInt(), 3);
    QCOMPARE(q.value(2).toString(), QString(""));
    QVERIFY(q.exec("select glucose, type from tb_glucose"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 55);
    QVERIFY(q.value(1).isNull());
}

void TestDbSchema::reopenAfterMoveUsesNewDirectory()
{
    DbOperator* db = DbOperator::instance();
    Config* config = Config::instance();
    const QString oldDir = config->dataDir();
    const QString newDir = oldDir + "/moved";
    QDir().mkpath(newDir);
    db->close();
    QVERIFY(!QSqlDatabase::contains(Vitacor::kDbConnectionName));
    QVERIFY(QFile::rename(oldDir + "/" + Vitacor::kDbFileName, newDir + "/" + Vitacor::kDbFileName));
    config->setDataDir(newDir);
    QVERIFY(db->openAndInit());
    QVERIFY(QSqlDatabase::contains(Vitacor::kDbConnectionName));
    QCOMPARE(connection().databaseName(), newDir + "/" + Vitacor::kDbFileName);
    QSqlQuery q(connection());
    QVERIFY(q.exec("select count(*) from tb_device where sn = 'OLD1'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    config->setDataDir(oldDir);
}

void TestDbSchema::unopenableFileIsReportedOnEveryOpen()
{
    DbOperator* db = DbOperator::instance();
    Config* config = Config::instance();
    const QString oldDir = config->dataDir();
    db->close();
    config->setDataDir(oldDir + "/missing/folder");
    QVERIFY(!db->openAndInit());
    QVERIFY(!db->openAndInit()); // the kept, unopened connection
    db->close();
    config->setDataDir(oldDir);
    QVERIFY(db->openAndInit());
    QCOMPARE(tables().size(), 23);
}

void TestDbSchema::incompleteFileIsNamedAndLeftAlone_data()
{
    QTest::addColumn<QStringList>("damage"); // statements run on a whole file holding an ECG check
    QTest::addColumn<QStringList>("missing"); // empty: the file is used, the script mends it
    const QString ecg = "create table tb_ecg (flowid varchar(40) primary key, checktime varchar(20), way tinyint, "
                        "face tinyint";
    QTest::newRow("list of checks dropped") << QStringList{"drop table tb_devCheck"} << QStringList{"tb_devCheck"};
    QTest::newRow("table of stored checks dropped") << QStringList{"drop table tb_ecg"} << QStringList{"tb_ecg"};
    QTest::newRow("column dropped") << QStringList{"drop table tb_ecg", ecg + ")"} << QStringList{"tb_ecg.voice"};
    QTest::newRow("two tables lose parts") << QStringList{"drop table tb_ecg", ecg + ")", "drop table tb_slm",
                                                          "insert into tb_devCheck values ('s', "
                                                          "'SN1', 64)"}
                                           << QStringList{"tb_ecg.voice", "tb_slm"};
    QTest::newRow("table no check needs")
        << QStringList{"drop table tb_holter", "drop table tb_wristova"} << QStringList();
    QTest::newRow("column the script adds") << QStringList{"drop table tb_glucose",
                                                           "create table tb_glucose (flowid varchar(40) primary key, "
                                                           "checktime varchar(20), glucose int, note varchar(40))"}
                                            << QStringList();
}

void TestDbSchema::incompleteFileIsNamedAndLeftAlone()
{
    QFETCH(QStringList, damage);
    QFETCH(QStringList, missing);
    DbOperator* db = DbOperator::instance();
    db->close();
    QFile::remove(dbPath());
    QVERIFY(db->openAndInit());
    QSqlQuery q(connection());
    QVERIFY(q.exec("insert into tb_devCheck values ('e', 'SN1', 1)"));
    QVERIFY(q.exec("insert into tb_ecg (flowid, checktime) values ('e', '20240102080000')"));
    for (const QString& statement : qAsConst(damage))
        QVERIFY2(q.exec(statement), qPrintable(statement));
    q.clear();
    db->close();

    QCOMPARE(db->openAndInit(), missing.isEmpty());
    QCOMPARE(db->missingParts(), missing);
    if (missing.isEmpty()) {
        QCOMPARE(db->health(), DbOperator::Health::Healthy);
        QCOMPARE(tables().size(), 23);
    } else {
        QCOMPARE(db->health(), DbOperator::Health::Incomplete);
        QVERIFY2(db->healthText().contains("lacks parts of its tables (" + missing.join(", ") + ")"),
                 qPrintable(db->healthText()));
        // Nothing was added, so the next start finds the same.
        QVERIFY(tables().size() < 23 || missing.first().contains('.'));
        QVERIFY(!db->flowIds("SN1").contains("e"));
        db->close();
        QVERIFY(!db->openAndInit());
        QCOMPARE(db->missingParts(), missing);
    }
    db->close();
    QFile::remove(dbPath());
    QVERIFY(db->openAndInit());
}

void TestDbSchema::transactionsCommitAndRollBack()
{
    DbOperator* db = DbOperator::instance();
    QSqlQuery q(connection());
    QVERIFY(db->beginTransaction());
    QVERIFY(q.exec("insert into tb_user (userid, name) values ('u1', 'kept')"));
    QVERIFY(db->commit());
    QVERIFY(db->beginTransaction());
    QVERIFY(q.exec("insert into tb_user (userid, name) values ('u2', 'dropped')"));
    QVERIFY(db->rollback());
    QVERIFY(q.exec("select userid from tb_user order by userid"));
    QStringList ids;
    while (q.next())
        ids << q.value(0).toString();
    QCOMPARE(ids, QStringList({"u1"}));
    QVERIFY(!db->commit()); // no transaction is open
}

void TestDbSchema::schemaScriptHasBomCrLfAndComments()
{
    QFile script(":/res/db/db_vitacor_ddl.sql");
    QVERIFY(script.open(QIODevice::ReadOnly));
    const QByteArray bytes = script.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QCOMPARE(bytes.count("--"), 2);
    QCOMPARE(bytes.count("create table if not exists"), 22);
    QVERIFY(bytes.contains("create table tb_reportuser"));
    QCOMPARE(bytes.count(';'), 25);
}

QTEST_GUILESS_MAIN(TestDbSchema)
#include "TestDbSchema.moc"
