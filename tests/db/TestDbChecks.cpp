#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/HolterRecord.h"
#include "support/ByteFixture.h"
#include "support/DbTestSupport.h"

#include <QtTest>

using namespace DbTestSupport;

namespace {

// One hand-built index-file record of a check type, stamped at the given second.
QByteArray fixture(int checkType, int second)
{
    const auto stamp = [second](int year = 2024) { return ByteFixture().stamp(year, 3, 4, 21, 5, second); };
    switch (checkType) {
    case CheckType::Ecg: return stamp().u8(1).u8(0xFF).u8(1);
    case CheckType::Oxi: return stamp().u8(2).u8(97).u8(72).u8(55).u8(0xFF);
    case CheckType::Temperature: return stamp().u8(0).u16(-5).u8(1);
    case CheckType::Pedometer: return stamp().u32(1000).u32(161).u32(-45).u32(12345).u16(250).u32(3600);
    case CheckType::DailyCheck: return stamp().u16(72).u8(0).u8(98).u8(40).u8(0).u8(0x81).u8(130).u8(0xFF).u8(1);
    case CheckType::SpotCheck:
        return stamp()
            .u16(7)
            .u16(60)
            .u16(90)
            .u16(-91)
            .u8(3)
            .u8(1)
            .u8(99)
            .u8(120)
            .u8(0)
            .u16(371)
            .u8(1)
            .u8(0)
            .u16(400)
            .u16(420);
    case CheckType::Sleep: return stamp().u32(0xFFFFFFF0).u16(300).u16(5).u8(85).u8(96).u8(1);
    case CheckType::UserBloodPressure:
    case CheckType::BloodPressure: return stamp(24).u16(128).u8(85).u8(0xB0);
    case CheckType::CorvisetDailyCheck: return stamp().u16(65).u8(0).u8(97).u8(30).u8(0).u8(66).u8(0xFE).u8(1).u8(0);
    case CheckType::Spo2Temp: return stamp().u8(1).u8(96).u8(70).u8(20).u16(368).zeros(4);
    case CheckType::UserGlucose: return stamp().u16(56).u8(0).zeros(2).text("it's \xE9t\xE9", 20);
    case CheckType::Glucose: return stamp().u16(100).u8(1).zeros(2).text("", 20);
    }
    return QByteArray();
}

int rowsOfDevice(const QString& table, const QString& sn)
{
    return value("select count(*) from " + table + " where flowid in (select flowid from tb_devCheck where sn = ?)",
                 {sn})
        .toInt();
}

} // namespace

class TestDbChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyType_data();
    void everyType();
    void unknownDeviceOrUserStoresNothing();
    void dailyChecksOfTwoUsersInOneSecondAreOneRow();
    void glucoseOfTwoUsersInOneSecondStaysApart();
    void perUserFilterAndNewestFirst();
    void emptyOrUnknownSerialGivesEmptyList();
    void quotesAreStoredVerbatim();
    void holter();
    void deleteEveryType_data();
    void deleteEveryType();
    void failureMidOperationLeavesNothing();
    void nestsInCallerTransaction();
    void callersOnTwoThreadsSeeWholeOperations();
};

void TestDbChecks::initTestCase()
{
    freshDataDir();
    QVERIFY(DbOperator::instance()->storeDevice(device("SN1", 7)));
    QVERIFY(DbOperator::instance()->storeUsers("SN1", {user("SN1", "Anna"), user("SN1", "Bob")}));
}

void TestDbChecks::everyType_data()
{
    QTest::addColumn<int>("checkType");
    for (int code : CheckType::all()) {
        if (code != CheckType::Holter && code != CheckType::MultiTest)
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }
}

// Each type stored twice from file records reads back field for field, newest
// first, with one row per flow id in every table.
void TestDbChecks::everyType()
{
    QFETCH(int, checkType);
    DbOperator* db = DbOperator::instance();
    const QString sn = "T" + QString::number(checkType);
    QVERIFY(db->storeDevice(device(sn, 255)));
    const bool perUser = CheckType::userList(checkType) != CheckType::UserList::None;
    const CheckUser owner = user(sn, "Anna", CheckType::userList(checkType) == CheckType::UserList::ExtendedUsers);
    QVERIFY(db->storeUsers(sn, {owner}));
    const QList<QByteArray> records{fixture(checkType, 1), fixture(checkType, 2)};
    QCOMPARE(records.first().size(), CheckType::recordSize(checkType));

    QVERIFY(db->insertChecks(sn, checkType, records, owner));
    QVERIFY(db->insertChecks(sn, checkType, records, owner));

    const QString table = CheckType::tableName(checkType);
    QCOMPARE(rowsOfDevice(table, sn), 2);
    QCOMPARE(db->checkCount(sn, checkType), 2);
    QCOMPARE(rowsOfDevice("tb_check", sn), perUser ? 2 : 0);
    QCOMPARE(value("select typeof(checktime) from " + table + " where flowid = ?",
                   {"20240304210501" + sn + (checkType == CheckType::UserGlucose ? "Anna" : "")})
                 .toString(),
             QString("text"));

    const QList<CheckRecord> stored = db->checks(sn, checkType);
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored.at(0).checkTimeText(), QString("20240304210502"));
    QCOMPARE(stored.at(1).checkTimeText(), QString("20240304210501"));
    QCOMPARE(stored.at(0).bytes, storedForm(checkType, records.at(1)));
    QCOMPARE(stored.at(1).bytes, storedForm(checkType, records.at(0)));
    QCOMPARE(stored.at(0).checkType, checkType);
    QCOMPARE(stored.at(0).userid, perUser ? owner.userid : QString(Vitacor::kNoUserId));
    QVERIFY(db->flowIds(sn).contains("20240304210502" + sn + (checkType == CheckType::UserGlucose ? "Anna" : "")));
}

void TestDbChecks::unknownDeviceOrUserStoresNothing()
{
    DbOperator* db = DbOperator::instance();
    QTest::ignoreMessage(QtDebugMsg, "foreign key restrict");
    QVERIFY(!db->insertChecks("NODEV", CheckType::Ecg, {fixture(CheckType::Ecg, 1)}));
    QCOMPARE(rowsOfDevice("tb_ecg", "NODEV"), 0);
    QCOMPARE(value("select count(*) from tb_ecg where flowid like '%NODEV'").toInt(), 0);

    QTest::ignoreMessage(QtDebugMsg, "foreign key restrict");
    QVERIFY(
        !db->insertChecks("SN1", CheckType::DailyCheck, {fixture(CheckType::DailyCheck, 1)}, user("SN1", "Stranger")));
    QTest::ignoreMessage(QtDebugMsg, "foreign key restrict");
    QVERIFY(!db->insertChecks("SN1", CheckType::DailyCheck, {fixture(CheckType::DailyCheck, 1)}));
    QCOMPARE(db->checkCount("SN1", CheckType::DailyCheck), 0);

    QVERIFY(!db->insertChecks("", CheckType::Ecg, {fixture(CheckType::Ecg, 1)}));
    QVERIFY(db->insertChecks("SN1", CheckType::Ecg, {}));
    QVERIFY(!db->insertChecks("SN1", CheckType::Holter, {fixture(CheckType::Ecg, 1)}));
    QVERIFY(!db->insertChecks("SN1", 3, {fixture(CheckType::Ecg, 1)}));
    QCOMPARE(db->checkCount("SN1", CheckType::Ecg), 0);
}

void TestDbChecks::dailyChecksOfTwoUsersInOneSecondAreOneRow()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->insertChecks("SN1", CheckType::DailyCheck, {fixture(CheckType::DailyCheck, 30)}, user("SN1", "Anna")));
    QVERIFY(db->insertChecks("SN1", CheckType::DailyCheck, {fixture(CheckType::DailyCheck, 30)}, user("SN1", "Bob")));
    const QList<CheckRecord> stored = db->checks("SN1", CheckType::DailyCheck);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.at(0).userid, QString("SN1Bob"));
    QCOMPARE(value("select count(*) from tb_check where flowid = ?", {"20240304210530SN1"}).toInt(), 1);
}

void TestDbChecks::glucoseOfTwoUsersInOneSecondStaysApart()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(
        db->insertChecks("SN1", CheckType::UserGlucose, {fixture(CheckType::UserGlucose, 30)}, user("SN1", "Anna")));
    QVERIFY(db->insertChecks("SN1", CheckType::UserGlucose, {fixture(CheckType::UserGlucose, 30)}, user("SN1", "Bob")));
    QCOMPARE(db->checks("SN1", CheckType::UserGlucose).size(), 2);
    QVERIFY(db->flowIds("SN1").contains("20240304210530SN1Anna"));
    QVERIFY(db->flowIds("SN1").contains("20240304210530SN1Bob"));
    const QList<CheckRecord> anna = db->checks("SN1", CheckType::UserGlucose, "SN1Anna");
    QCOMPARE(anna.size(), 1);
    QCOMPARE(anna.at(0).userid, QString("SN1Anna"));
}

void TestDbChecks::perUserFilterAndNewestFirst()
{
    DbOperator* db = DbOperator::instance();
    const CheckUser anna = user("SN1", "Anna");
    const CheckUser bob = user("SN1", "Bob");
    QVERIFY(db->insertChecks("SN1", CheckType::UserBloodPressure,
                             {fixture(CheckType::UserBloodPressure, 3), fixture(CheckType::UserBloodPressure, 9)},
                             anna));
    QVERIFY(db->insertChecks("SN1", CheckType::UserBloodPressure, {fixture(CheckType::UserBloodPressure, 5)}, bob));
    auto times = [](const QList<CheckRecord>& records) {
        QStringList texts;
        for (const CheckRecord& record : records)
            texts << record.checkTimeText().right(2);
        return texts;
    };
    QCOMPARE(times(db->checks("SN1", CheckType::UserBloodPressure)), QStringList({"09", "05", "03"}));
    QCOMPARE(times(db->checks("SN1", CheckType::UserBloodPressure, "SN1Anna")), QStringList({"09", "03"}));
    QCOMPARE(times(db->checks("SN1", CheckType::UserBloodPressure, "SN1Bob")), QStringList({"05"}));
    QVERIFY(db->checks("SN1", CheckType::UserBloodPressure, "SN1Nobody").isEmpty());
    // The two blood-pressure types share a table but not their checks.
    QVERIFY(db->checks("SN1", CheckType::BloodPressure).isEmpty());
    QCOMPARE(db->checks("SN1", CheckType::UserBloodPressure).at(0).as<NibpRecord>().checkTime.year, quint16(2024));
}

void TestDbChecks::emptyOrUnknownSerialGivesEmptyList()
{
    DbOperator* db = DbOperator::instance();
    for (int code : CheckType::all()) {
        QVERIFY(db->checks("", code).isEmpty());
        QVERIFY(db->checks("UNKNOWN", code, "UNKNOWNAnna").isEmpty());
    }
    QVERIFY(db->holterChecks("").isEmpty());
    QVERIFY(db->checks("SN1", 3).isEmpty());
}

void TestDbChecks::quotesAreStoredVerbatim()
{
    DbOperator* db = DbOperator::instance();
    const QString sn = "Q'1";
    QVERIFY(db->storeDevice(device(sn, 0)));
    const CheckUser quoted = user(sn, "D'Arcy");
    QVERIFY(db->storeUsers(sn, {quoted}));
    QVERIFY(db->insertChecks(sn, CheckType::UserGlucose, {fixture(CheckType::UserGlucose, 7)}, quoted));
    const QList<CheckRecord> stored = db->checks(sn, CheckType::UserGlucose, quoted.userid);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.at(0).as<GlucoseRecord>().note, QByteArray("it's \xE9t\xE9"));
    QCOMPARE(value("select note from tb_glucose where flowid = ?", {"20240304210507Q'1D'Arcy"}).toString(),
             QString::fromLatin1("it's \xE9t\xE9"));
    QVERIFY(db->deleteCheck(sn, CheckType::UserGlucose, "20240304210507", "D'Arcy"));
    QVERIFY(db->checks(sn, CheckType::UserGlucose).isEmpty());
}

void TestDbChecks::holter()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->insertHolter("SN1", user("SN1", "Anna"), "20240101220000", 86400));
    QVERIFY(db->insertHolter("SN1", CheckUser(), "20240102220000", 3600));
    QVERIFY(db->insertHolter("SN1", user("SN1", "Anna"), "20240101220000", 5)); // the first duration stays
    QTest::ignoreMessage(QtDebugMsg, "foreign key restrict");
    QVERIFY(!db->insertHolter("NODEV", CheckUser(), "20240101220000", 5));

    const QList<HolterCheck> all = db->holterChecks("SN1");
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(0).checkTime, QString("20240102220000"));
    QCOMPARE(all.at(0).userid, QString());
    QCOMPARE(all.at(0).duration, 3600);
    QCOMPARE(all.at(1).userid, QString("SN1Anna"));
    QCOMPARE(all.at(1).duration, 86400);
    QCOMPARE(db->holterChecks("SN1", "SN1Anna").size(), 1);
    QCOMPARE(db->checkCount("SN1", CheckType::Holter), 2);

    // The record list asks for them as records of their check type.
    const QList<CheckRecord> records = db->checks("SN1", CheckType::Holter);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).checkTimeText(), QString("20240102220000"));
    QCOMPARE(records.at(0).userid, QString(Vitacor::kNoUserId));
    QCOMPARE(records.at(0).as<HolterRecord>().duration, quint32(3600));
    QCOMPARE(records.at(1).userid, QString("SN1Anna"));
    QCOMPARE(records.at(1).as<HolterRecord>().duration, quint32(86400));
    QCOMPARE(db->checks("SN1", CheckType::Holter, "SN1Anna").size(), 1);
    QVERIFY(db->flowIds("SN1").contains("20240101220000SN1"));
}

void TestDbChecks::deleteEveryType_data()
{
    QTest::addColumn<int>("checkType");
    for (int code : CheckType::all()) {
        if (code != CheckType::MultiTest)
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }
}

// Deleting removes the check, its type and user links and its report details,
// for Holter and History checks too.
void TestDbChecks::deleteEveryType()
{
    QFETCH(int, checkType);
    DbOperator* db = DbOperator::instance();
    const QString sn = "D" + QString::number(checkType);
    const CheckUser owner = user(sn, "Anna", CheckType::userList(checkType) == CheckType::UserList::ExtendedUsers);
    QVERIFY(db->storeDevice(device(sn, 255)));
    QVERIFY(db->storeUsers(sn, {owner}));
    if (checkType == CheckType::Holter)
        QVERIFY(db->insertHolter(sn, owner, "20240304210501", 60));
    else
        QVERIFY(db->insertChecks(sn, checkType, {fixture(checkType, 1), fixture(checkType, 2)}, owner));
    const QString suffix = checkType == CheckType::UserGlucose ? owner.name : QString();
    QVERIFY(db->saveReportUser("20240304210501" + sn + suffix, owner));
    const QString table = CheckType::tableName(checkType);
    const int before = rows(table);

    QVERIFY(db->deleteCheck(sn, checkType, "20240304210501", owner.name));
    QCOMPARE(rows(table), before - 1);
    QVERIFY(!db->flowIds(sn).contains("20240304210501" + sn + suffix));
    QCOMPARE(value("select count(*) from tb_check where flowid = ?", {"20240304210501" + sn + suffix}).toInt(), 0);
    CheckUser details;
    QVERIFY(!db->reportUser("20240304210501" + sn + suffix, &details));
    QCOMPARE(db->checkCount(sn, checkType), checkType == CheckType::Holter ? 0 : 1);
}

void TestDbChecks::failureMidOperationLeavesNothing()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("F1", 7)));
    QVERIFY(db->storeUsers("F1", {user("F1", "Anna")}));

    QVERIFY(breakTable("tb_devCheck"));
    QVERIFY(!db->insertChecks("F1", CheckType::Ecg, {fixture(CheckType::Ecg, 1), fixture(CheckType::Ecg, 2)}));
    QVERIFY(!db->insertHolter("F1", user("F1", "Anna"), "20240101000000", 10));
    QVERIFY(repairTable("tb_devCheck"));
    QCOMPARE(value("select count(*) from tb_ecg where flowid like '%F1'").toInt(), 0);
    QCOMPARE(value("select count(*) from tb_holter where flowid like '%F1'").toInt(), 0);

    QVERIFY(breakTable("tb_check"));
    QVERIFY(!db->insertChecks("F1", CheckType::DailyCheck, {fixture(CheckType::DailyCheck, 1)}, user("F1", "Anna")));
    QVERIFY(repairTable("tb_check"));
    QCOMPARE(value("select count(*) from tb_dailycheck where flowid like '%F1'").toInt(), 0);
    QCOMPARE(rowsOfDevice("tb_devCheck", "F1"), 0);

    QVERIFY(db->insertChecks("F1", CheckType::Ecg, {fixture(CheckType::Ecg, 1)}));
    QVERIFY(db->saveReportUser("20240304210501F1", user("F1", "Anna")));
    QVERIFY(breakTable("tb_reportuser", "delete"));
    QVERIFY(!db->deleteCheck("F1", CheckType::Ecg, "20240304210501"));
    QVERIFY(repairTable("tb_reportuser", "delete"));
    QCOMPARE(db->checks("F1", CheckType::Ecg).size(), 1);
    QVERIFY(db->flowIds("F1").contains("20240304210501F1"));
}

void TestDbChecks::nestsInCallerTransaction()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("N1", 7)));
    QVERIFY(db->beginTransaction());
    QVERIFY(db->insertChecks("N1", CheckType::Oxi, {fixture(CheckType::Oxi, 1)}));
    QVERIFY(db->rollback());
    QVERIFY(db->checks("N1", CheckType::Oxi).isEmpty());

    QVERIFY(db->beginTransaction());
    QVERIFY(db->insertChecks("N1", CheckType::Oxi, {fixture(CheckType::Oxi, 1)}));
    QVERIFY(breakTable("tb_devCheck"));
    QVERIFY(!db->insertChecks("N1", CheckType::Oxi, {fixture(CheckType::Oxi, 2)}));
    QVERIFY(repairTable("tb_devCheck"));
    QVERIFY(db->commit());
    const QList<CheckRecord> stored = db->checks("N1", CheckType::Oxi);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.at(0).checkTimeText(), QString("20240304210501"));
    QCOMPARE(value("select count(*) from tb_oxi where flowid like '%N1'").toInt(), 1);
}

// A reader on another thread sees each stored batch whole or not at all, and
// its queries are never cut by the writer's statements.
void TestDbChecks::callersOnTwoThreadsSeeWholeOperations()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("C1", 7)));
    QVERIFY(db->storeUsers("C1", {user("C1", "Anna")}));
    constexpr int kBatches = 20;
    constexpr int kBatchSize = 10;
    QAtomicInt torn = 0;
    QAtomicInt done = 0;
    int reads = 0;
    QScopedPointer<QThread> reader(QThread::create([&] {
        while (!done.loadAcquire()) {
            const int seen = db->checks("C1", CheckType::Ecg).size();
            const int counted = db->checkCount("C1", CheckType::Ecg);
            const QList<DeviceUser> users = db->deviceUsers("C1", CheckType::DailyCheck, false);
            if (seen % kBatchSize != 0 || counted % kBatchSize != 0 || users.size() != 1)
                torn.ref();
            ++reads;
        }
    }));
    reader->start();
    for (int batch = 0; batch < kBatches; ++batch) {
        QList<QByteArray> records;
        for (int i = 0; i < kBatchSize; ++i)
            records << QByteArray(ByteFixture().stamp(2024, 5, 1 + batch, 10, i, 0).u8(1).u8(0).u8(0));
        QVERIFY(db->insertChecks("C1", CheckType::Ecg, records));
    }
    done.storeRelease(1);
    QVERIFY(reader->wait(10000));
    QCOMPARE(torn.loadAcquire(), 0);
    QVERIFY(reads > 0);
    QCOMPARE(db->checks("C1", CheckType::Ecg).size(), kBatches * kBatchSize);
}

QTEST_GUILESS_MAIN(TestDbChecks)
#include "TestDbChecks.moc"
