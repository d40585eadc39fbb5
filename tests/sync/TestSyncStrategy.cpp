#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/SyncFixture.h"
#include "sync/SyncStrategyFactory.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace SyncFixture;

namespace {

const QString kSn = "SN100";

struct IndexFile
{
    int checkType;
    QString name;
    int recordSize;
    int minute; // keeps the flow ids of different types apart
};

// One file of every kind, of user index 1 ("usr.dat") or 2 ("xusr.dat").
const QList<IndexFile> kIndexFiles = {
    {1, "ecg.dat", 10, 1},      {2, "oxi.dat", 12, 2},    {4, "tmp.dat", 11, 3},      {64, "slm.dat", 18, 4},
    {2048, "oxi_T.dat", 17, 5}, {8192, "glu.dat", 32, 6}, {256, "nibp.dat", 11, 7},   {128, "1nibp.dat", 11, 8},
    {16, "1dlc.dat", 17, 9},    {32, "2spc.dat", 28, 10}, {4096, "1glu.dat", 32, 11}, {8, "1ped.dat", 29, 12},
};

} // namespace

// The sync strategies over download folders built by hand.
class TestSyncStrategy : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void maskDecidesTheFilesRead_data();
    void maskDecidesTheFilesRead();
    void holterUser_data();
    void holterUser();
    void holterReplacesSameNamedFile();
    void holterHeaderTooShortIsSkipped();
    void multiTests_data();
    void multiTests();
    void corvisetReadsOnlyItsDailyFile_data();
    void corvisetReadsOnlyItsDailyFile();
    void failedStoreFailsTheSync();

private:
    QString dir() const { return m_dir->path() + "/"; }
    void storeDevice(int model);
    bool sync(int model);

    std::unique_ptr<QTemporaryDir> m_dir;
    DbOperator* m_db = nullptr;
};

void TestSyncStrategy::initTestCase()
{
    DbTestSupport::freshDataDir();
    m_db = DbOperator::instance();
    QVERIFY(m_db);
}

void TestSyncStrategy::init()
{
    clearStore();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSyncStrategy::storeDevice(int model)
{
    QVERIFY(m_db->storeDevice(*DeviceInfo::fromBytes(devDat(model, kSn.toLatin1()))));
}

bool TestSyncStrategy::sync(int model)
{
    return SyncStrategyFactory::create(model, kSn)->sync(dir());
}

void TestSyncStrategy::maskDecidesTheFilesRead_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("mask");
    QTest::newRow("0") << 0 << 0x14DF;
    QTest::newRow("1") << 1 << 0x0013;
    QTest::newRow("2") << 2 << 0x007F;
    QTest::newRow("8") << 8 << 0x003F;
    QTest::newRow("19") << 19 << 0x6107;
    QTest::newRow("49") << 49 << 0x0001;
    QTest::newRow("53") << 53 << 0x0010;
    QTest::newRow("54") << 54 << 0x0800;
    // Every type but the Corviset daily check, which only the Corviset strategy reads.
    QTest::newRow("unknown") << 99 << (0x7FFF & ~0x0200);
}

void TestSyncStrategy::maskDecidesTheFilesRead()
{
    QFETCH(int, model);
    QFETCH(int, mask);
    storeDevice(model);
    writeFile(dir() + "usr.dat", user(1, "Anna"));
    writeFile(dir() + "xusr.dat", xuser(2, "MID2", "Bea"));
    for (const IndexFile& file : kIndexFiles)
        writeFile(dir() + file.name, records(file.checkType, file.recordSize, file.minute, 2));
    writeFile(dir() + "2rec.dat", multiTestFile(13, 2));
    const QByteArray recording = waveFile(1, 20, 3600);
    writeFile(dir() + "waveFile", recording);

    QVERIFY(sync(model));

    QVERIFY(m_db->userExists(kSn + "Anna"));
    QVERIFY(m_db->userExists(kSn + "MID2"));
    for (const IndexFile& file : kIndexFiles)
        QVERIFY2(m_db->checkCount(kSn, file.checkType) == ((mask & file.checkType) ? 2 : 0), qPrintable(file.name));
    QCOMPARE(m_db->checkCount(kSn, CheckType::MultiTest), (mask & CheckType::MultiTest) ? 2 : 0);
    const bool holter = mask & CheckType::Holter;
    QCOMPARE(m_db->holterChecks(kSn).size(), holter ? 1 : 0);
    // A recording the model does not offer is not even looked at.
    QCOMPARE(QFile::exists(dir() + "waveFile"), !holter);
    QCOMPARE(readFile(dir() + (holter ? holterTime(20) : QString("waveFile"))), recording);
}

void TestSyncStrategy::holterUser_data()
{
    QTest::addColumn<QByteArray>("users");
    QTest::addColumn<int>("headerUser");
    QTest::addColumn<QString>("userid");
    const QByteArray two = user(1, "Anna") + user(4, "Dirk");
    QTest::newRow("second user") << two << 4 << kSn + "Dirk";
    QTest::newRow("unknown user index") << two << 9 << QString();
    QTest::newRow("no user list") << QByteArray() << 1 << QString();
}

void TestSyncStrategy::holterUser()
{
    QFETCH(QByteArray, users);
    QFETCH(int, headerUser);
    QFETCH(QString, userid);
    storeDevice(0);
    if (!users.isEmpty())
        writeFile(dir() + "usr.dat", users);
    writeFile(dir() + "waveFile", waveFile(headerUser, 8, 86400));

    QVERIFY(sync(0));

    const QList<HolterCheck> holter = m_db->holterChecks(kSn);
    QCOMPARE(holter.size(), 1);
    QCOMPARE(holter.at(0).userid, userid);
    QCOMPARE(holter.at(0).checkTime, holterTime(8));
    QCOMPARE(holter.at(0).duration, 86400);
}

void TestSyncStrategy::holterReplacesSameNamedFile()
{
    storeDevice(0);
    writeFile(dir() + holterTime(9), "an older file of the same name");
    const QByteArray recording = waveFile(0, 9, 60, QByteArray(1000, '\x22'));
    writeFile(dir() + "waveFile", recording);

    QVERIFY(sync(0));

    QCOMPARE(readFile(dir() + holterTime(9)), recording);
    QVERIFY(!QFile::exists(dir() + "waveFile"));
}

void TestSyncStrategy::holterHeaderTooShortIsSkipped()
{
    storeDevice(0);
    writeFile(dir() + "waveFile", waveFile(0, 9, 60).left(61));
    QVERIFY(sync(0));
    QVERIFY(m_db->holterChecks(kSn).isEmpty());
}

void TestSyncStrategy::multiTests_data()
{
    QTest::addColumn<QByteArray>("fileA"); // "absent" for no file
    QTest::addColumn<QByteArray>("fileB");
    QTest::addColumn<int>("testsA");
    QTest::addColumn<int>("testsB");
    QTest::addColumn<bool>("hiddenA");
    QTest::newRow("whole files") << multiTestFile(10, 2) << multiTestFile(11, 1) << 2 << 1 << false;
    QTest::newRow("cut record ends the rest") << multiTestFile(10, 2, 5) << multiTestFile(11, 1) << 2 << 0 << false;
    QTest::newRow("short header ends the rest") << QByteArray(9, '\x01') << multiTestFile(11, 1) << 0 << 0 << true;
    QTest::newRow("missing file skips the user") << QByteArray("absent") << multiTestFile(11, 1) << 0 << 1 << true;
    QTest::newRow("header only stays hidden") << multiTestFile(10, 0) << multiTestFile(11, 3) << 0 << 3 << true;
}

void TestSyncStrategy::multiTests()
{
    QFETCH(QByteArray, fileA);
    QFETCH(QByteArray, fileB);
    QFETCH(int, testsA);
    QFETCH(int, testsB);
    QFETCH(bool, hiddenA);
    storeDevice(19);
    writeFile(dir() + "xusr.dat", xuser(1, "MA", "Ann") + xuser(2, "MB", "Ben"));
    if (fileA != "absent")
        writeFile(dir() + "1rec.dat", fileA);
    writeFile(dir() + "2rec.dat", fileB);
    QVERIFY(m_db->setMultiTestUserHidden(kSn, "MA", true));

    QVERIFY(sync(19));

    QCOMPARE(m_db->checks(kSn, CheckType::MultiTest, "MA").size(), testsA);
    QCOMPARE(m_db->checks(kSn, CheckType::MultiTest, "MB").size(), testsB);
    QCOMPARE(m_db->isMultiTestUserHidden(kSn, "MA"), hiddenA);
    QCOMPARE(m_db->multiTestUserName(kSn, "MA"), QString("Ann"));
    // The remark of a stored test starts as the test's own note (empty here).
    for (const CheckRecord& test : m_db->checks(kSn, CheckType::MultiTest))
        QVERIFY(DbTestSupport::value("select count(*) from tb_multitest_reportremark where checktime = ?",
                                     {test.checkTimeText()})
                    .toInt() == 1);
}

void TestSyncStrategy::corvisetReadsOnlyItsDailyFile_data()
{
    QTest::addColumn<bool>("withDailyFile");
    QTest::newRow("with 1dlc.dat") << true;
    QTest::newRow("without 1dlc.dat") << false;
}

void TestSyncStrategy::corvisetReadsOnlyItsDailyFile()
{
    QFETCH(bool, withDailyFile);
    storeDevice(5);
    writeFile(dir() + "usr.dat", user(1, "Anna"));
    writeFile(dir() + "ecg.dat", records(1, 10, 1, 2));
    if (withDailyFile)
        writeFile(dir() + "1dlc.dat", records(512, 17, 2, 3));

    QVERIFY(sync(5));

    QCOMPARE(m_db->checkCount(kSn, CheckType::CorvisetDailyCheck), withDailyFile ? 3 : 0);
    QCOMPARE(DbTestSupport::rows("tb_devCheck"), withDailyFile ? 3 : 0);
    QCOMPARE(DbTestSupport::rows("tb_user"), 0);
}

void TestSyncStrategy::failedStoreFailsTheSync()
{
    storeDevice(1);
    writeFile(dir() + "ecg.dat", records(1, 10, 1, 2));
    writeFile(dir() + "oxi.dat", records(2, 12, 2, 2));
    QVERIFY(DbTestSupport::breakTable("tb_oxi"));
    const bool synced = sync(1);
    QVERIFY(DbTestSupport::repairTable("tb_oxi"));
    QVERIFY(!synced);
}

QTEST_GUILESS_MAIN(TestSyncStrategy)
#include "TestSyncStrategy.moc"
