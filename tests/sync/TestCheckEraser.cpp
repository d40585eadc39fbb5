#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/DbTestSupport.h"
#include "support/SyncFixture.h"
#include "sync/CheckEraser.h"

#include <QtTest>

using namespace SyncFixture;

namespace {

const QString kSn = "SN300";
constexpr int kOxiSize = 12;

} // namespace

// Removing stored checks: the files go only with a confirmed deletion.
class TestCheckEraser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void eraseCheck_data();
    void eraseCheck();
    void eraseDeviceRemovesEveryCheck();
    void eraseMultiTestUserHidesOnlyAfterDeletion_data();
    void eraseMultiTestUserHidesOnlyAfterDeletion();

private:
    QString checkTime(int second) const { return QString("202405060701%1").arg(second, 2, 10, QChar('0')); }
    void writeFiles(const QString& time) const;
    bool filesExist(const QString& time) const;
};

void TestCheckEraser::initTestCase()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestCheckEraser::init()
{
    clearStore();
    QDir(Config::instance()->dataDir() + "/" + kSn).removeRecursively();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kSn, 0)));
    QList<QByteArray> oxi;
    for (int second = 0; second < 3; ++second) {
        oxi << DbTestSupport::storedForm(CheckType::Oxi, record(CheckType::Oxi, kOxiSize, 1, second));
        writeFiles(checkTime(second));
    }
    QVERIFY(db->insertChecks(kSn, CheckType::Oxi, oxi));
}

void TestCheckEraser::writeFiles(const QString& time) const
{
    QDir().mkpath(Config::instance()->dataDir() + "/" + kSn);
    for (const QString& path : CheckEraser::filesOf(Config::instance()->dataDir(), kSn, time))
        writeFile(path, "content");
}

bool TestCheckEraser::filesExist(const QString& time) const
{
    for (const QString& path : CheckEraser::filesOf(Config::instance()->dataDir(), kSn, time)) {
        if (!QFile::exists(path))
            return false;
    }
    return true;
}

void TestCheckEraser::eraseCheck_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("confirmed") << false;
    QTest::newRow("refused by the store") << true;
}

void TestCheckEraser::eraseCheck()
{
    QFETCH(bool, refused);
    if (refused)
        QVERIFY(DbTestSupport::breakTable("tb_devCheck", "delete"));
    const bool erased = CheckEraser::eraseCheck(kSn, CheckType::Oxi, checkTime(1));
    if (refused)
        QVERIFY(DbTestSupport::repairTable("tb_devCheck", "delete"));
    QCOMPARE(erased, !refused);
    QCOMPARE(filesExist(checkTime(1)), refused);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Oxi).size(), refused ? 3 : 2);
    QVERIFY(filesExist(checkTime(0)));
}

void TestCheckEraser::eraseDeviceRemovesEveryCheck()
{
    QVERIFY(CheckEraser::eraseDevice(kSn));
    QVERIFY(DbOperator::instance()->checks(kSn, CheckType::Oxi).isEmpty());
    for (int second = 0; second < 3; ++second)
        QVERIFY(!QFile::exists(CheckEraser::filesOf(Config::instance()->dataDir(), kSn, checkTime(second)).first()));
}

void TestCheckEraser::eraseMultiTestUserHidesOnlyAfterDeletion_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("confirmed") << false;
    QTest::newRow("refused by the store") << true;
}

void TestCheckEraser::eraseMultiTestUserHidesOnlyAfterDeletion()
{
    QFETCH(bool, refused);
    DbOperator* db = DbOperator::instance();
    const CheckUser xuser = DbTestSupport::user(kSn, "M1", true);
    const QByteArray multi = record(CheckType::MultiTest, 72, 2, 0);
    QVERIFY(db->insertMultiTest(kSn, xuser, multi));
    const QString time = "20240506070200";
    writeFiles(time);
    if (refused)
        QVERIFY(DbTestSupport::breakTable("tb_multitest", "delete"));
    const bool erased = CheckEraser::eraseMultiTestUser(kSn, xuser.medicalid);
    if (refused)
        QVERIFY(DbTestSupport::repairTable("tb_multitest", "delete"));
    QCOMPARE(erased, !refused);
    QCOMPARE(db->isMultiTestUserHidden(kSn, xuser.medicalid), !refused);
    QCOMPARE(filesExist(time), refused);
}

QTEST_GUILESS_MAIN(TestCheckEraser)
#include "TestCheckEraser.moc"
