#include "app/Config.h"
#include "app/LogHelper.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/SyncFixture.h"
#include "sync/DownloadFinisher.h"
#include "sync/DownloadFolder.h"

#include <QtTest>

using namespace SyncFixture;

namespace {

const QString kSn = "SN200";

} // namespace

// Finishing a download: store, sync and move, all or nothing.
class TestDownloadFinisher : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void incompleteDownloadIsOnlyRemoved();
    void completeDownloadIsStoredAndMoved();
    void secondDownloadKeepsOneRowAndOneCopy();
    void unusableDeviceInfo_data();
    void unusableDeviceInfo();
    void failedStoreUndoesEverything_data();
    void failedStoreUndoesEverything();
    void unmovableFilesUndoEverything();
    void fullDiskIsToldWithItsReason();
    void missingInformationKeepsTheStored();
    void longerRecordingReplacesTheStored();
    void interruptedReplacementIsSettled_data();
    void interruptedReplacementIsSettled();

private:
    QString dataDir() const { return Config::instance()->dataDir(); }
    QString tempDir() const { return DownloadFolder::scratchPath(dataDir(), kSn); }
    QString deviceDir() const { return dataDir() + "/" + kSn + "/"; }
    // A complete download of a Vitacor Pro (model 0): users, ECG with a
    // voice note, oximetry, daily checks of user 1 and a Holter recording.
    void writeDownload(const QByteArray& detailContent = "ecg samples");
    // The store, the data directory's entries and the device folder, as they
    // stood before a finish that must change nothing.
    struct Snapshot
    {
        QString store;
        QStringList dataDir;
        QStringList deviceDir;
    };
    Snapshot snapshot() const { return {dump(), entries(dataDir()), entries(deviceDir())}; }
    void storeOtherDevice();
    DownloadFinisher::Result finish(bool complete = true) { return m_finisher.finish(*m_folder, complete); }

    DownloadFinisher m_finisher;
    std::unique_ptr<DownloadFolder> m_folder;
};

void TestDownloadFinisher::initTestCase()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance());
    LogHelper::instance()->writeLog("finisher test");
}

void TestDownloadFinisher::init()
{
    clearStore();
    for (const QString& name : entries(dataDir())) {
        if (name.endsWith('/'))
            QVERIFY(QDir(dataDir() + "/" + name).removeRecursively());
    }
}

void TestDownloadFinisher::writeDownload(const QByteArray& detailContent)
{
    m_folder.reset();
    m_folder = std::make_unique<DownloadFolder>(dataDir(), kSn);
    QVERIFY(m_folder->claim());
    writeFile(tempDir() + "dev.dat", devDat(0, kSn.toLatin1()));
    writeFile(tempDir() + "usr.dat", user(1, "Anna"));
    writeFile(tempDir() + "xusr.dat", xuser(2, "MID2", "Bea"));
    QByteArray ecg = records(1, 10, 1, 2);
    ecg[9] = 1; // the first strip has a voice note
    writeFile(tempDir() + "ecg.dat", ecg);
    writeFile(tempDir() + "20240506070100", detailContent);
    writeFile(tempDir() + "20240506070101", detailContent);
    writeFile(tempDir() + "20240506070100.wav", "RIFF voice");
    writeFile(tempDir() + "oxi.dat", records(2, 12, 2, 3));
    writeFile(tempDir() + "1dlc.dat", records(16, 17, 3, 1));
    writeFile(tempDir() + "20240506070300", detailContent);
    writeFile(tempDir() + "waveFile", waveFile(1, 22, 7200));
}

void TestDownloadFinisher::storeOtherDevice()
{
    QVERIFY(DbOperator::instance()->storeDevice(*DeviceInfo::fromBytes(devDat(1, "OTHER1"))));
    QVERIFY(DbOperator::instance()->insertChecks("OTHER1", CheckType::Ecg, {record(1, 10, 40, 0)}));
}

void TestDownloadFinisher::incompleteDownloadIsOnlyRemoved()
{
    writeDownload();
    const Snapshot before = snapshot();
    const DownloadFinisher::Result result = finish(false);
    QCOMPARE(result.outcome, DownloadFinisher::Outcome::NoDownload);
    QVERIFY(!result.isStored());
    QCOMPARE(dump(), before.store);
    QStringList left = before.dataDir;
    left.removeAll(QFileInfo(tempDir().chopped(1)).fileName() + "/");
    QCOMPARE(entries(dataDir()), left);
}

void TestDownloadFinisher::completeDownloadIsStoredAndMoved()
{
    writeDownload();
    const DownloadFinisher::Result result = finish();

    QCOMPARE(result.outcome, DownloadFinisher::Outcome::Stored);
    QVERIFY(result.isStored());
    QCOMPARE(result.sn, kSn);
    QCOMPARE(result.modelType, 0);
    QCOMPARE(result.movedFiles, 5);
    QCOMPARE(result.keptFiles, 0);
    QVERIFY(!QFileInfo::exists(tempDir()));
    QCOMPARE(entries(deviceDir()),
             QStringList({"20240506070100", "20240506070100.wav", "20240506070101", "20240506070300", holterTime(22)}));
    QCOMPARE(readFile(deviceDir() + holterTime(22)), waveFile(1, 22, 7200));
    DbOperator* db = DbOperator::instance();
    DeviceInfo stored;
    QVERIFY(db->device(kSn, &stored));
    QCOMPARE(stored.branchcode, QString("B7"));
    QCOMPARE(db->checkCount(kSn, CheckType::Ecg), 2);
    QCOMPARE(db->checkCount(kSn, CheckType::Oxi), 3);
    QCOMPARE(db->checkCount(kSn, CheckType::DailyCheck), 1);
    QCOMPARE(db->holterChecks(kSn, kSn + "Anna").size(), 1);
}

void TestDownloadFinisher::secondDownloadKeepsOneRowAndOneCopy()
{
    writeDownload("first copy");
    QVERIFY(finish().isStored());
    const QString store = dump();
    const QStringList files = entries(deviceDir());

    writeDownload("second copy");
    const DownloadFinisher::Result again = finish();

    QVERIFY(again.isStored());
    QCOMPARE(again.movedFiles, 0);
    QCOMPARE(again.keptFiles, 5);
    QCOMPARE(dump(), store);
    QCOMPARE(entries(deviceDir()), files);
    QCOMPARE(readFile(deviceDir() + "20240506070101"), QByteArray("first copy"));
    QVERIFY(!QFileInfo::exists(tempDir()));
}

void TestDownloadFinisher::unusableDeviceInfo_data()
{
    QTest::addColumn<QByteArray>("deviceFile"); // "absent" for no file
    QTest::newRow("no dev.dat") << QByteArray("absent");
    QTest::newRow("empty dev.dat") << QByteArray();
    QTest::newRow("empty serial") << devDat(0, "");
    QTest::newRow("blank serial") << devDat(0, "   ");
    QTest::newRow("serial climbing out") << devDat(0, "../evil");
    QTest::newRow("serial with a slash") << devDat(0, "a/b");
    QTest::newRow("serial with a control character") << devDat(0, "SN\x01");
}

void TestDownloadFinisher::unusableDeviceInfo()
{
    QFETCH(QByteArray, deviceFile);
    storeOtherDevice();
    writeDownload();
    QFile::remove(tempDir() + "dev.dat");
    if (deviceFile != "absent")
        writeFile(tempDir() + "dev.dat", deviceFile);
    const Snapshot before = snapshot();

    const DownloadFinisher::Result result = finish();

    QCOMPARE(result.outcome, DownloadFinisher::Outcome::NoDeviceInfo);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(dump(), before.store);
    QStringList left = before.dataDir;
    left.removeAll(QFileInfo(tempDir().chopped(1)).fileName() + "/");
    QCOMPARE(entries(dataDir()), left);
    QVERIFY(!QFileInfo::exists(dataDir() + "/../evil"));
}

void TestDownloadFinisher::failedStoreUndoesEverything_data()
{
    QTest::addColumn<QString>("brokenTable");
    QTest::addColumn<int>("outcome");
    QTest::newRow("device") << "tb_device" << int(DownloadFinisher::Outcome::DeviceNotStored);
    QTest::newRow("users") << "tb_user" << int(DownloadFinisher::Outcome::SyncFailed);
    QTest::newRow("checks after the first type") << "tb_oxi" << int(DownloadFinisher::Outcome::SyncFailed);
    QTest::newRow("user links of daily checks") << "tb_check" << int(DownloadFinisher::Outcome::SyncFailed);
    QTest::newRow("Holter recording last") << "tb_holter" << int(DownloadFinisher::Outcome::SyncFailed);
}

void TestDownloadFinisher::failedStoreUndoesEverything()
{
    QFETCH(QString, brokenTable);
    QFETCH(int, outcome);
    storeOtherDevice();
    // An earlier download of the same monitor left a file in its folder.
    QVERIFY(QDir().mkpath(deviceDir()));
    writeFile(deviceDir() + "20230101000000", "earlier");
    writeDownload();
    const Snapshot before = snapshot();

    QVERIFY(DbTestSupport::breakTable(brokenTable));
    const DownloadFinisher::Result result = finish();
    QVERIFY(DbTestSupport::repairTable(brokenTable));

    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.sn, kSn);
    // The database's own reason, not only what failed.
    QVERIFY2(result.reason.endsWith(": broken on purpose"), qPrintable(result.reason));
    QCOMPARE(dump(), before.store);
    QCOMPARE(entries(deviceDir()), before.deviceDir);
    QVERIFY(!QFileInfo::exists(tempDir()));
    // Nothing is left open: the next download of the monitor is stored.
    writeDownload();
    QVERIFY(finish().isStored());
}

void TestDownloadFinisher::fullDiskIsToldWithItsReason()
{
    writeDownload();
    // Enough pulse-oximetry checks to need new pages of the database file.
    QByteArray many;
    for (int minute = 0; minute < 60; ++minute)
        many += records(2, 12, minute, 50);
    writeFile(tempDir() + "oxi.dat", many);
    const Snapshot before = snapshot();
    // The file may not grow, as on a full disk.
    const int pages = DbTestSupport::value("pragma page_count").toInt();
    QVERIFY(DbTestSupport::run(QString("pragma max_page_count = %1").arg(pages)));

    const DownloadFinisher::Result result = finish();
    QVERIFY(DbTestSupport::run("pragma max_page_count = 1073741823"));

    QCOMPARE(int(result.outcome), int(DownloadFinisher::Outcome::SyncFailed));
    QCOMPARE(result.reason, QString("storing its users and checks failed: database or disk is full"));
    QCOMPARE(dump(), before.store);
    QCOMPARE(entries(deviceDir()), before.deviceDir);
}

void TestDownloadFinisher::unmovableFilesUndoEverything()
{
    storeOtherDevice();
    writeFile(dataDir() + "/" + kSn, "a plain file where the device folder belongs");
    writeDownload();
    const Snapshot before = snapshot();

    const DownloadFinisher::Result result = finish();

    QCOMPARE(result.outcome, DownloadFinisher::Outcome::MoveFailed);
    QCOMPARE(dump(), before.store);
    QVERIFY(!QFileInfo::exists(tempDir()));
    QCOMPARE(readFile(dataDir() + "/" + kSn), QByteArray("a plain file where the device folder belongs"));
    QFile::remove(dataDir() + "/" + kSn);
}

// A download without the branch code and without the user list changes neither.
void TestDownloadFinisher::missingInformationKeepsTheStored()
{
    writeDownload();
    QVERIFY(finish().isStored());

    writeDownload();
    writeFile(tempDir() + "dev.dat", devDat(0, kSn.toLatin1(), ""));
    QVERIFY(QFile::remove(tempDir() + "usr.dat"));
    QVERIFY(finish().isStored());

    DeviceInfo stored;
    QVERIFY(DbOperator::instance()->device(kSn, &stored));
    QCOMPARE(stored.branchcode, QString("B7"));
    const QList<HolterCheck> holter = DbOperator::instance()->holterChecks(kSn);
    QCOMPARE(holter.size(), 1);
    QCOMPARE(holter.at(0).userid, kSn + "Anna");
}

// The same start time downloaded again: the longest recording is kept, file and duration.
void TestDownloadFinisher::longerRecordingReplacesTheStored()
{
    for (int duration : {60, 120, 30}) {
        writeDownload();
        writeFile(tempDir() + "waveFile", waveFile(1, 22, duration, char(duration)));
        QVERIFY(finish().isStored());
    }
    QCOMPARE(readFile(deviceDir() + holterTime(22)), waveFile(1, 22, 120, char(120)));
    const QList<HolterCheck> holter = DbOperator::instance()->holterChecks(kSn);
    QCOMPARE(holter.size(), 1);
    QCOMPARE(holter.at(0).duration, 120);
    QVERIFY(!QFileInfo::exists(tempDir()));
}

void TestDownloadFinisher::interruptedReplacementIsSettled_data()
{
    QTest::addColumn<bool>("oldInPlace");
    QTest::addColumn<bool>("newInPlace");
    QTest::addColumn<bool>("newStored");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<int>("kept");
    // Each row is the state a kill -9 leaves at one moment of the replacement.
    QTest::newRow("old set aside, new not yet in") << false << false << false << false << 60;
    QTest::newRow("new in, not stored") << false << true << false << false << 60;
    QTest::newRow("new in, not stored, next start") << false << true << false << true << 60;
    QTest::newRow("old linked, new not yet in") << true << false << false << false << 60;
    QTest::newRow("new in and stored") << false << true << true << false << 120;
    QTest::newRow("new in and stored, next start") << false << true << true << true << 120;
}

// The next download or start of the program settles a replacement a kill
// interrupted: the device folder keeps the recording the store describes.
void TestDownloadFinisher::interruptedReplacementIsSettled()
{
    QFETCH(bool, oldInPlace);
    QFETCH(bool, newInPlace);
    QFETCH(bool, newStored);
    QFETCH(bool, atStart);
    QFETCH(int, kept);
    writeDownload();
    writeFile(tempDir() + "waveFile", waveFile(1, 22, 60, char(60)));
    QVERIFY(finish().isStored());
    m_folder.reset();

    const QString name = holterTime(22);
    QVERIFY(QDir().mkpath(tempDir() + "replaced"));
    QVERIFY(QFile::copy(deviceDir() + name, tempDir() + "replaced/" + name));
    QVERIFY(QFile::remove(deviceDir() + name));
    if (oldInPlace)
        QVERIFY(QFile::copy(tempDir() + "replaced/" + name, deviceDir() + name));
    writeFile((newInPlace ? deviceDir() : tempDir()) + name, waveFile(1, 22, 120, char(120)));
    if (newStored)
        QVERIFY(DbOperator::instance()->insertHolter(kSn, CheckUser(), name, 120));

    if (atStart) {
        DownloadFolder::recoverAll(dataDir());
    } else {
        DownloadFolder next(dataDir(), kSn);
        QVERIFY(next.claim());
    }
    QCOMPARE(readFile(deviceDir() + name), waveFile(1, 22, kept, char(kept)));
    QCOMPARE(DbOperator::instance()->holterChecks(kSn).value(0).duration, kept);
    QVERIFY(!QFileInfo::exists(tempDir()));
}

QTEST_GUILESS_MAIN(TestDownloadFinisher)
#include "TestDownloadFinisher.moc"
