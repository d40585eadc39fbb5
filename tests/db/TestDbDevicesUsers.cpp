#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/ByteFixture.h"
#include "support/DbTestSupport.h"

#include <QtTest>

#include <functional>

using namespace DbTestSupport;

using Store = std::function<bool(DbOperator&)>;
Q_DECLARE_METATYPE(Store)

class TestDbDevicesUsers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deviceFromDeviceFile_data();
    void deviceFromDeviceFile();
    void devicesNewestFirst();
    void existenceChecks();
    void usersOfModel53HaveNoName();
    void usersRoundTrip();
    void noUsersStoresNothing();
    void deviceUsersWithCounts();
    void reportDetails();
    void failedUserStoreLeavesNothing();
    void emptyTextIsStoredEmpty_data();
    void emptyTextIsStoredEmpty();
};

void TestDbDevicesUsers::initTestCase()
{
    freshDataDir();
    QVERIFY(DbOperator::instance());
}

void TestDbDevicesUsers::deviceFromDeviceFile_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("branch");
    QTest::newRow("branch code and its zero byte") << QByteArray("13070001\0", 9) << "13070001";
    QTest::newRow("zero byte alone") << QByteArray("\0", 1) << "";
    QTest::newRow("quote in branch code") << QByteArray("13'07\0", 6) << "13'07";
}

void TestDbDevicesUsers::deviceFromDeviceFile()
{
    QFETCH(QByteArray, tail);
    QFETCH(QString, branch);
    DbOperator* db = DbOperator::instance();
    const QByteArray block =
        ByteFixture().u8(19).u8(3).u16(0x0201).u8(1).text("DEV'1", 13).u16(-3).u32(0xFFFFFFFF).u32(77).u16(5);
    const auto info = DeviceInfo::fromBytes(block + tail);
    QVERIFY(info);
    QVERIFY(db->storeDevice(*info));
    DeviceInfo stored;
    QVERIFY(db->device("DEV'1", &stored));
    QCOMPARE(stored.sn, QString("DEV'1"));
    QCOMPARE(stored.dispname, QString("DEV'1"));
    QCOMPARE(stored.modelType, quint8(19));
    QCOMPARE(stored.hwMinor, quint8(3));
    QCOMPARE(stored.bootloaderVer, quint16(0x0201));
    QCOMPARE(stored.lockBit, quint8(1));
    QCOMPARE(stored.hardwareVer, qint16(-3));
    QCOMPARE(stored.appVer, quint32(0xFFFFFFFF));
    QCOMPARE(stored.languageVer, quint32(77));
    QCOMPARE(stored.agreementVer, quint16(5));
    QCOMPARE(stored.branchcode, branch);
    QCOMPARE(value("select length(branchcode) from tb_device where sn = ?", {"DEV'1"}).toInt(), branch.size());
}

void TestDbDevicesUsers::devicesNewestFirst()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("A1", 0)));
    QVERIFY(db->storeDevice(device("B2", 53)));
    QVERIFY(db->storeDevice(device("C3", 5)));
    auto serials = [db] {
        QStringList sns;
        for (const DeviceInfo& info : db->allDevices())
            sns << info.sn;
        return sns;
    };
    QCOMPARE(serials().mid(0, 3), QStringList({"C3", "B2", "A1"}));
    QVERIFY(db->storeDevice(device("A1", 0))); // stored again: newest
    QCOMPARE(serials().first(), QString("A1"));
    QList<int> models;
    for (const DeviceInfo& info : db->allDevices())
        models << info.modelType;
    std::sort(models.begin(), models.end());
    QCOMPARE(models, QList<int>({0, 5, 19, 53}));
    DeviceInfo info;
    QVERIFY(!db->device("ABSENT", &info));
}

void TestDbDevicesUsers::existenceChecks()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->deviceExists("A1"));
    QVERIFY(!db->deviceExists("a1"));
    QVERIFY(!db->deviceExists(""));
    CheckUser nobody;
    QVERIFY(!db->user("A1Nobody", &nobody));
    QVERIFY(!db->flowIds("A1").contains("20240101000000A1"));
}

void TestDbDevicesUsers::usersOfModel53HaveNoName()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeUsers("B2", {user("B2", "Anna"), user("B2", "Bert")}));
    CheckUser stored;
    QVERIFY(db->user("B2Anna", &stored));
    QCOMPARE(stored.name, QString(" "));
    QVERIFY(db->user("B2Bert", &stored));
    QCOMPARE(stored.name, QString(" "));
    QVERIFY(db->storeUsers("A1", {user("A1", "Anna")}));
    QVERIFY(db->user("A1Anna", &stored));
    QCOMPARE(stored.name, QString("Anna"));
}

void TestDbDevicesUsers::usersRoundTrip()
{
    DbOperator* db = DbOperator::instance();
    CheckUser quoted = user("A1", "O'Brien");
    quoted.sex = 1;
    quoted.birthday = QDate(1975, 12, 31);
    quoted.age = 49; // the store keeps 0 as the age
    CheckUser extended = user("A1", "MED'7", true);
    extended.name = "Zoe";
    extended.sex = 2;
    QVERIFY(db->storeUsers("A1", {quoted, extended}));
    CheckUser stored;
    QVERIFY(db->user("A1O'Brien", &stored));
    QCOMPARE(stored.userid, QString("A1O'Brien"));
    QCOMPARE(stored.name, QString("O'Brien"));
    QCOMPARE(stored.sex, 1);
    QCOMPARE(stored.birthday, QDate(1975, 12, 31));
    QCOMPARE(stored.age, 0);
    QCOMPARE(stored.height, 170);
    QCOMPARE(stored.weight, 700);
    QVERIFY(!stored.isXUser);
    QCOMPARE(value("select birthday from tb_user where userid = ?", {"A1O'Brien"}).toString(), QString("19751231"));

    QVERIFY(db->user("A1MED'7", &stored));
    QCOMPARE(stored.medicalid, QString("MED'7"));
    QCOMPARE(stored.name, QString("Zoe"));
    QVERIFY(stored.isXUser);
    QVERIFY(!db->user("A1Nobody", &stored));
}

void TestDbDevicesUsers::noUsersStoresNothing()
{
    DbOperator* db = DbOperator::instance();
    const int before = rows("tb_user");
    QVERIFY(!db->storeUsers("A1", {}));
    QVERIFY(!db->storeUsers("", {user("", "Lost")}));
    QCOMPARE(rows("tb_user"), before);
}

void TestDbDevicesUsers::deviceUsersWithCounts()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("D4", 7)));
    const CheckUser anna = user("D4", "Anna");
    const CheckUser bob = user("D4", "Bob");
    CheckUser x = user("D4", "X-1", true);
    x.name = "Xena";
    QVERIFY(db->storeUsers("D4", {anna, bob}));
    QVERIFY(db->storeUsers("D4", {x}));
    auto daily = [](int second) { return QByteArray(ByteFixture().stamp(2024, 1, 1, 8, 0, second).zeros(10)); };
    QVERIFY(db->insertChecks("D4", CheckType::DailyCheck, {daily(1), daily(2), daily(3)}, anna));
    QVERIFY(db->insertChecks("D4", CheckType::Pedometer,
                             {QByteArray(ByteFixture().stamp(2024, 1, 1, 9, 0, 0).zeros(22))}, bob));
    QVERIFY(db->insertChecks("D4", CheckType::SpotCheck,
                             {QByteArray(ByteFixture().stamp(2024, 1, 2, 9, 0, 0).zeros(21))}, x));

    QList<DeviceUser> plain = db->deviceUsers("D4", CheckType::DailyCheck, false);
    std::sort(plain.begin(), plain.end(), [](const DeviceUser& a, const DeviceUser& b) { return a.userid < b.userid; });
    QCOMPARE(plain.size(), 2);
    QCOMPARE(plain.at(0).userid, QString("D4Anna"));
    QCOMPARE(plain.at(0).displayName, QString("Anna"));
    QCOMPARE(plain.at(0).count, 3);
    QCOMPARE(plain.at(1).displayName, QString("Bob"));
    QCOMPARE(plain.at(1).count, 0);

    const QList<DeviceUser> extended = db->deviceUsers("D4", CheckType::SpotCheck, true);
    QCOMPARE(extended.size(), 1);
    QCOMPARE(extended.at(0).userid, QString("D4X-1"));
    QCOMPARE(extended.at(0).displayName, QString("X-1"));
    QCOMPARE(extended.at(0).name, QString("Xena"));
    QCOMPARE(extended.at(0).count, 1);

    QCOMPARE(db->checkCount("D4", CheckType::DailyCheck), 3);
    QCOMPARE(db->checkCount("D4", CheckType::Pedometer), 1);
    QCOMPARE(db->checkCount("D4", CheckType::Ecg), 0);
    QCOMPARE(db->checkCount("NONE", CheckType::DailyCheck), 0);
    QVERIFY(db->deviceUsers("NONE", CheckType::DailyCheck, false).isEmpty());
}

void TestDbDevicesUsers::reportDetails()
{
    DbOperator* db = DbOperator::instance();
    CheckUser details = user("A1", "Anna");
    details.medicalid = "M'1";
    details.name = "Anna 'Nan' Smith";
    details.sex = 1;
    details.age = 44;
    details.remarks = "line one\nit's line two";
    details.physician = "Dr. O'Hara";
    details.indication = "palpitations";
    QVERIFY(db->saveReportUser("20240101080000A1", details));
    CheckUser read;
    QVERIFY(db->reportUser("20240101080000A1", &read));
    QCOMPARE(read.userid, details.userid);
    QCOMPARE(read.medicalid, details.medicalid);
    QCOMPARE(read.name, details.name);
    QCOMPARE(read.sex, 1);
    QCOMPARE(read.birthday, details.birthday);
    QCOMPARE(read.age, 44);
    QCOMPARE(read.remarks, details.remarks);
    QCOMPARE(read.physician, details.physician);
    QCOMPARE(read.indication, details.indication);
    details.remarks = "changed";
    QVERIFY(db->saveReportUser("20240101080000A1", details));
    QVERIFY(db->reportUser("20240101080000A1", &read));
    QCOMPARE(read.remarks, QString("changed"));
    QCOMPARE(rows("tb_reportuser"), 1);
    QVERIFY(!db->reportUser("20240101080001A1", &read));
}

void TestDbDevicesUsers::failedUserStoreLeavesNothing()
{
    DbOperator* db = DbOperator::instance();
    const int users = rows("tb_user");
    QVERIFY(breakTable("tb_devUser"));
    QVERIFY(!db->storeUsers("A1", {user("A1", "Half"), user("A1", "Stored")}));
    QVERIFY(repairTable("tb_devUser"));
    QCOMPARE(rows("tb_user"), users);
    CheckUser half;
    QVERIFY(!db->user("A1Half", &half));
    QVERIFY(db->storeUsers("A1", {user("A1", "Half")}));
    QVERIFY(db->user("A1Half", &half));
}

void TestDbDevicesUsers::emptyTextIsStoredEmpty_data()
{
    QTest::addColumn<Store>("store");
    QTest::addColumn<QString>("query");
    QTest::newRow("absent branch code") << Store([](DbOperator& db) { return db.storeDevice(device("E1", 0)); })
                                        << "select typeof(branchcode) from tb_device where sn = 'E1'";
    QTest::newRow("medical id of a plain user")
        << Store([](DbOperator& db) { return db.storeUsers("E1", {user("E1", "Plain")}); })
        << "select typeof(medicalid) from tb_user where userid = 'E1Plain'";
    QTest::newRow("Holter recording without a user")
        << Store([](DbOperator& db) { return db.insertHolter("E1", CheckUser(), "20240102030405", 60); })
        << "select typeof(userid) from tb_check where flowid = '20240102030405E1'";
    const Store reportUser = [](DbOperator& db) { return db.ensureMultiTestReportUser("E1", user("E1", "X", true)); };
    QTest::newRow("physician of a multi-test user")
        << reportUser << "select typeof(physician) from tb_multitest_reportusr where medicalid = 'X'";
    QTest::newRow("indication of a multi-test user")
        << reportUser << "select typeof(indication) from tb_multitest_reportusr where medicalid = 'X'";
}

void TestDbDevicesUsers::emptyTextIsStoredEmpty()
{
    QFETCH(Store, store);
    QFETCH(QString, query);
    QVERIFY(store(*DbOperator::instance()));
    QCOMPARE(value(query).toString(), QString("text"));
}

QTEST_GUILESS_MAIN(TestDbDevicesUsers)
#include "TestDbDevicesUsers.moc"
