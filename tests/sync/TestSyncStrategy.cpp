#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/SyncFixture.h"
#include "sync/DownloadFolder.h"
#include "sync/SyncStrategyFactory.h"

#include "app/Config.h"

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
    void disagreeingRecordingIsNotStored_data();
    void disagreeingRecordingIsNotStored();
    void invalidTimeStampsArePassedOver_data();
    void invalidTimeStampsArePassedOver();
    void storedCheckOfAnotherTypeIsKept_data();
    void storedCheckOfAnotherTypeIsKept();
    void multiTests_data();
    void multiTests();
    void corvisetReadsOnlyItsDailyFile_data();
    void corvisetReadsOnlyItsDailyFile();
    void failedStoreFailsTheSync();

private:
    QString dir() const { return m_folder->path(); }
    void storeDevice(int model);
    bool sync(int model);
    void freshFolder();

    std::unique_ptr<DownloadFolder> m_folder;
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
    freshFolder();
}

void TestSyncStrategy::freshFolder()
{
    m_folder.reset();
    m_folder = std::make_unique<DownloadFolder>(Config::instance()->dataDir(), kSn);
    QVERIFY(m_folder->claim());
}

void TestSyncStrategy::storeDevice(int model)
{
    QVERIFY(m_db->storeDevice(*DeviceInfo::fromBytes(devDat(model, kSn.toLatin1()))));
}

bool TestSyncStrategy::sync(int model)
{
    return SyncStrategyFactory::create(model, kSn)->sync(*m_folder);
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

    CheckUser stored;
    QVERIFY(m_db->user(kSn + "Anna", &stored));
    QVERIFY(m_db->user(kSn + "MID2", &stored));
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
    writeFile(dir() + "waveFile", waveFile(headerUser, 8, 900));

    QVERIFY(sync(0));

    const QList<HolterCheck> holter = m_db->holterChecks(kSn);
    QCOMPARE(holter.size(), 1);
    QCOMPARE(holter.at(0).userid, userid);
    QCOMPARE(holter.at(0).checkTime, holterTime(8));
    QCOMPARE(holter.at(0).duration, 900);
}

void TestSyncStrategy::holterReplacesSameNamedFile()
{
    storeDevice(0);
    writeFile(dir() + holterTime(9), "an older file of the same name");
    const QByteArray recording = waveFile(0, 9, 60, '\x22');
    writeFile(dir() + "waveFile", recording);

    QVERIFY(sync(0));

    QCOMPARE(readFile(dir() + holterTime(9)), recording);
    QVERIFY(!QFile::exists(dir() + "waveFile"));
}

void TestSyncStrategy::disagreeingRecordingIsNotStored_data()
{
    QTest::addColumn<QByteArray>("recording");
    const QByteArray fine = waveFile(0, 9, 60);
    const auto withField = [&fine](int offset, qint64 value) {
        return QByteArray(fine).replace(offset, 4, ByteFixture().u32(value));
    };
    QTest::newRow("shorter than its header") << fine.left(61);
    QTest::newRow("data cut") << fine.chopped(1);
    QTest::newRow("bytes after the data") << fine + "x";
    QTest::newRow("offset and length wrap around 32 bits")
        << withField(4, 0xFFFFFF00).replace(0, 4, ByteFixture().u32(fine.size() + 0x100));
    QTest::newRow("duration of an hour over a minute of samples") << withField(15, 3600);
    QTest::newRow("duration of 2147483647 s") << withField(15, 0x7FFFFFFF);
}

void TestSyncStrategy::disagreeingRecordingIsNotStored()
{
    QFETCH(QByteArray, recording);
    storeDevice(0);
    writeFile(dir() + "waveFile", recording);

    QVERIFY(sync(0));

    QVERIFY(m_db->holterChecks(kSn).isEmpty());
    QVERIFY(!QFile::exists(dir() + holterTime(9)));
    QCOMPARE(m_folder->notes().rejectedRecordings.size(), 1);
}

void TestSyncStrategy::invalidTimeStampsArePassedOver_data()
{
    QTest::addColumn<QByteArray>("stamp");
    QTest::newRow("month 13") << QByteArray(ByteFixture().stamp(2024, 13, 1, 8, 0, 0));
    QTest::newRow("day 0") << QByteArray(ByteFixture().stamp(2024, 5, 0, 8, 0, 0));
    QTest::newRow("February 30") << QByteArray(ByteFixture().stamp(2024, 2, 30, 8, 0, 0));
    QTest::newRow("hour 25") << QByteArray(ByteFixture().stamp(2024, 5, 6, 25, 0, 0));
    QTest::newRow("second 60") << QByteArray(ByteFixture().stamp(2024, 5, 6, 8, 0, 60));
    QTest::newRow("zero-filled") << QByteArray(7, '\0');
    QTest::newRow("year 1999") << QByteArray(ByteFixture().stamp(1999, 12, 31, 23, 59, 59));
    QTest::newRow("year 2100") << QByteArray(ByteFixture().stamp(2100, 1, 1, 0, 0, 0));
}

void TestSyncStrategy::invalidTimeStampsArePassedOver()
{
    QFETCH(QByteArray, stamp);
    storeDevice(0);
    const QByteArray valid = record(CheckType::Oxi, 12, 1, 0);
    writeFile(dir() + "oxi.dat", valid + stamp + QByteArray(5, '\0') + valid.left(7) + QByteArray(5, '\1'));
    QByteArray recording = waveFile(0, 9, 60);
    writeFile(dir() + "waveFile", recording.replace(8, 7, stamp));

    QVERIFY(sync(0));

    QCOMPARE(m_db->checkCount(kSn, CheckType::Oxi), 1);
    QVERIFY(m_db->holterChecks(kSn).isEmpty());
    QCOMPARE(m_folder->notes().invalidTimes, 2);
}

void TestSyncStrategy::storedCheckOfAnotherTypeIsKept_data()
{
    QTest::addColumn<QString>("firstFile");
    QTest::addColumn<int>("firstType");
    QTest::addColumn<QString>("secondFile");
    QTest::addColumn<int>("secondType");
    QTest::addColumn<bool>("sameDownload");
    // Both at 2024-05-06 09:30:00, the start of the recording.
    QTest::newRow("Holter over a stored ECG") << "ecg.dat" << 1 << "waveFile" << 1024 << false;
    QTest::newRow("ECG over a stored Holter") << "waveFile" << 1024 << "ecg.dat" << 1 << false;
    QTest::newRow("oxi after an ECG of the same download") << "ecg.dat" << 1 << "oxi.dat" << 2 << true;
    QTest::newRow("daily check over a stored sleep check") << "slm.dat" << 64 << "1dlc.dat" << 16 << false;
}

void TestSyncStrategy::storedCheckOfAnotherTypeIsKept()
{
    QFETCH(QString, firstFile);
    QFETCH(int, firstType);
    QFETCH(QString, secondFile);
    QFETCH(int, secondType);
    QFETCH(bool, sameDownload);
    storeDevice(0);
    writeFile(dir() + "usr.dat", user(1, "Anna"));
    const auto writeCheck = [this](const QString& name, int checkType) {
        const QByteArray content = checkType == CheckType::Holter
            ? waveFile(1, 9, 60)
            : QByteArray(ByteFixture().stamp(2024, 5, 6, 9, 30, 0).zeros(CheckType::recordSize(checkType) - 7));
        writeFile(dir() + name, content);
    };
    writeCheck(firstFile, firstType);
    if (!sameDownload) {
        QVERIFY(sync(0));
        freshFolder();
        writeFile(dir() + "usr.dat", user(1, "Anna"));
    }
    writeCheck(secondFile, secondType);

    QVERIFY(sync(0));

    const QString flowid = holterTime(9) + kSn;
    QCOMPARE(m_db->storedCheckType(kSn, flowid), firstType);
    QCOMPARE(m_db->checkCount(kSn, secondType), 0);
    QCOMPARE(m_folder->notes().conflicts.size(), 1);
    QVERIFY(!QFile::exists(dir() + holterTime(9)));
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
