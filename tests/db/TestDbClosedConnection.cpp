#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/MultiTestRecord.h"
#include "support/DbTestSupport.h"

#include <QtTest>

#include <functional>

using namespace DbTestSupport;

// One operation, true when it reported failure.
using Operation = std::function<bool(DbOperator&)>;
Q_DECLARE_METATYPE(Operation)

// While the connection is closed (as during a data-directory move) every
// operation fails, says so in the diagnostics and touches nothing.
class TestDbClosedConnection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void operationFails_data();
    void operationFails();
    void cleanupTestCase();
};

void TestDbClosedConnection::initTestCase()
{
    freshDataDir();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device("C1", 0)));
    QVERIFY(db->storeUsers("C1", {user("C1", "Ann")}));
    db->close();
}

void TestDbClosedConnection::operationFails_data()
{
    QTest::addColumn<Operation>("operation");
    const CheckUser ann = user("C1", "Ann");
    const CheckUser xann = user("C1", "Ann", true);
    const QByteArray multiTest(MultiTestRecord::kSize, '\1');
    QTest::newRow("beginTransaction") << Operation([](DbOperator& db) { return !db.beginTransaction(); });
    QTest::newRow("commit") << Operation([](DbOperator& db) { return !db.commit(); });
    QTest::newRow("rollback") << Operation([](DbOperator& db) { return !db.rollback(); });
    QTest::newRow("deviceExists") << Operation([](DbOperator& db) { return !db.deviceExists("C1"); });
    QTest::newRow("userExists") << Operation([=](DbOperator& db) { return !db.userExists(ann.userid); });
    QTest::newRow("checkExists") << Operation([](DbOperator& db) { return !db.checkExists("C1", "x"); });
    QTest::newRow("storedCheckType") << Operation([](DbOperator& db) { return db.storedCheckType("C1", "x") == 0; });
    QTest::newRow("storeDevice") << Operation([](DbOperator& db) { return !db.storeDevice(device("C2", 0)); });
    QTest::newRow("allDevices") << Operation([](DbOperator& db) { return db.allDevices().isEmpty(); });
    QTest::newRow("device") << Operation([](DbOperator& db) {
        DeviceInfo info;
        return !db.device("C1", &info);
    });
    QTest::newRow("deviceModelTypes") << Operation([](DbOperator& db) { return db.deviceModelTypes().isEmpty(); });
    QTest::newRow("storeUsers") << Operation([=](DbOperator& db) { return !db.storeUsers("C1", {ann}); });
    QTest::newRow("user") << Operation([=](DbOperator& db) {
        CheckUser found;
        return !db.user(ann.userid, &found);
    });
    QTest::newRow("deviceUsers") << Operation(
        [](DbOperator& db) { return db.deviceUsers("C1", CheckType::DailyCheck, false).isEmpty(); });
    QTest::newRow("checkCount") << Operation([](DbOperator& db) { return db.checkCount("C1", CheckType::Ecg) == 0; });
    QTest::newRow("insertChecks") << Operation(
        [](DbOperator& db) { return !db.insertChecks("C1", CheckType::Ecg, {QByteArray(10, '\1')}); });
    QTest::newRow("insertHolter") << Operation(
        [](DbOperator& db) { return !db.insertHolter("C1", CheckUser(), "20240102030405", 60); });
    QTest::newRow("checks") << Operation([](DbOperator& db) { return db.checks("C1", CheckType::Ecg).isEmpty(); });
    QTest::newRow("holterChecks") << Operation([](DbOperator& db) { return db.holterChecks("C1").isEmpty(); });
    QTest::newRow("deleteCheck") << Operation(
        [](DbOperator& db) { return !db.deleteCheck("C1", CheckType::Ecg, "20240102030405"); });
    QTest::newRow("saveReportUser") << Operation([=](DbOperator& db) { return !db.saveReportUser("f", ann); });
    QTest::newRow("reportUser") << Operation([](DbOperator& db) {
        CheckUser found;
        return !db.reportUser("f", &found);
    });
    QTest::newRow("insertMultiTest") << Operation(
        [=](DbOperator& db) { return !db.insertMultiTest("C1", xann, multiTest); });
    QTest::newRow("ensureMultiTestReportUser")
        << Operation([=](DbOperator& db) { return !db.ensureMultiTestReportUser("C1", xann); });
    QTest::newRow("ensureMultiTestRemark")
        << Operation([=](DbOperator& db) { return !db.ensureMultiTestRemark("C1", multiTest); });
    QTest::newRow("updateMultiTestReportUser")
        << Operation([=](DbOperator& db) { return !db.updateMultiTestReportUser("C1", xann); });
    QTest::newRow("updateMultiTestRemark")
        << Operation([](DbOperator& db) { return !db.updateMultiTestRemark("C1", "20240102030405", "r"); });
    QTest::newRow("multiTestReportUser") << Operation([](DbOperator& db) {
        CheckUser found;
        return !db.multiTestReportUser("C1", "20240102030405", &found);
    });
    QTest::newRow("multiTestRemark") << Operation(
        [](DbOperator& db) { return db.multiTestRemark("C1", "20240102030405").isEmpty(); });
    QTest::newRow("multiTestUserName") << Operation(
        [](DbOperator& db) { return db.multiTestUserName("C1", "Ann").isEmpty(); });
    QTest::newRow("multiTestCount") << Operation([](DbOperator& db) { return db.multiTestCount("C1", "Ann") == 0; });
    QTest::newRow("isMultiTestUserHidden")
        << Operation([](DbOperator& db) { return !db.isMultiTestUserHidden("C1", "Ann"); });
    QTest::newRow("setMultiTestUserHidden")
        << Operation([](DbOperator& db) { return !db.setMultiTestUserHidden("C1", "Ann", true); });
    QTest::newRow("deleteMultiTestsOfUser")
        << Operation([](DbOperator& db) { return !db.deleteMultiTestsOfUser("C1", "Ann"); });
}

void TestDbClosedConnection::operationFails()
{
    QFETCH(Operation, operation);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("the record database is closed"));
    QVERIFY(operation(*DbOperator::instance()));
}

void TestDbClosedConnection::cleanupTestCase()
{
    QVERIFY(DbOperator::instance()->openAndInit());
    QCOMPARE(rows("tb_device"), 1);
    QCOMPARE(rows("tb_user"), 1);
    QCOMPARE(rows("tb_devCheck"), 0);
    QCOMPARE(rows("tb_reportuser"), 0);
    QCOMPARE(rows("tb_multitest_hide"), 0);
}

QTEST_GUILESS_MAIN(TestDbClosedConnection)
#include "TestDbClosedConnection.moc"
