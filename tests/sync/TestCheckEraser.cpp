#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/DbTestSupport.h"
#include "support/SyncFixture.h"
#include "sync/CheckEraser.h"
#include "sync/DownloadFolder.h"

#include <QProcess>
#include <QSemaphore>
#include <QtTest>

#include <thread>

#include <unistd.h>

using namespace SyncFixture;

namespace {

const QString kSn = "SN300";
constexpr int kEcgSize = 10;

bool protectFolder(const QString& folder, bool on)
{
    if (geteuid() == 0)
        return QProcess::execute("chattr", {on ? "+i" : "-i", folder}) == 0;
    return QFile::setPermissions(
        folder, on ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

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
    void onlyTheCheckTypesOwnFilesGo_data();
    void onlyTheCheckTypesOwnFilesGo();
    void unremovableFileKeepsTheCheck();
    void deletionWaitsForADownload_data();
    void deletionWaitsForADownload();
    void interruptedDeletionIsSettled_data();
    void interruptedDeletionIsSettled();

private:
    QString checkTime(int second) const { return QString("202405060701%1").arg(second, 2, 10, QChar('0')); }
    QString deviceDir() const { return Config::instance()->dataDir() + "/" + kSn + "/"; }
    void writeFiles(const QString& time, int checkType = CheckType::Ecg) const;
    bool filesExist(const QString& time, int checkType = CheckType::Ecg) const;
    int ecgCount() const { return DbOperator::instance()->checks(kSn, CheckType::Ecg).size(); }
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
    QList<QByteArray> ecg;
    for (int second = 0; second < 3; ++second) {
        ecg << DbTestSupport::storedForm(CheckType::Ecg, record(CheckType::Ecg, kEcgSize, 1, second));
        writeFiles(checkTime(second));
    }
    QVERIFY(db->insertChecks(kSn, CheckType::Ecg, ecg));
}

void TestCheckEraser::writeFiles(const QString& time, int checkType) const
{
    QDir().mkpath(deviceDir());
    for (const QString& path : CheckEraser::filesOf(Config::instance()->dataDir(), kSn, checkType, time))
        writeFile(path, "content");
}

bool TestCheckEraser::filesExist(const QString& time, int checkType) const
{
    for (const QString& path : CheckEraser::filesOf(Config::instance()->dataDir(), kSn, checkType, time)) {
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
    const CheckEraser::Result result = CheckEraser::eraseCheck(kSn, CheckType::Ecg, checkTime(1));
    if (refused)
        QVERIFY(DbTestSupport::repairTable("tb_devCheck", "delete"));
    QCOMPARE(result.isComplete(), !refused);
    QCOMPARE(result.erased, refused ? 0 : 1);
    QCOMPARE(filesExist(checkTime(1)), refused);
    QCOMPARE(ecgCount(), refused ? 3 : 2);
    QVERIFY(filesExist(checkTime(0)));
}

void TestCheckEraser::eraseDeviceRemovesEveryCheck()
{
    const CheckEraser::Result result = CheckEraser::eraseDevice(kSn);
    QVERIFY(result.isComplete());
    QCOMPARE(result.erased, 3);
    QCOMPARE(ecgCount(), 0);
    QCOMPARE(entries(deviceDir()), QStringList());
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
    writeFiles(time, CheckType::MultiTest);
    if (refused)
        QVERIFY(DbTestSupport::breakTable("tb_multitest", "delete"));
    const CheckEraser::Result result = CheckEraser::eraseMultiTestUser(kSn, xuser.medicalid);
    if (refused)
        QVERIFY(DbTestSupport::repairTable("tb_multitest", "delete"));
    QCOMPARE(result.isComplete(), !refused);
    QCOMPARE(db->isMultiTestUserHidden(kSn, xuser.medicalid), !refused);
    QCOMPARE(filesExist(time, CheckType::MultiTest), refused);
}

void TestCheckEraser::onlyTheCheckTypesOwnFilesGo_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("detailGone");
    QTest::addColumn<bool>("voiceGone");
    QTest::addColumn<int>("ecgLeft");
    QTest::newRow("ECG strip and voice note") << int(CheckType::Ecg) << 1 << true << true << 2;
    QTest::newRow("glucose at the second of an ECG") << int(CheckType::UserGlucose) << 1 << false << false << 3;
    QTest::newRow("oximetry has no files") << int(CheckType::Oxi) << 5 << false << false << 3;
    QTest::newRow("Holter recording only") << int(CheckType::Holter) << 7 << true << false << 3;
}

// A check removes only files of its own type, and none that a stored check of another type names.
void TestCheckEraser::onlyTheCheckTypesOwnFilesGo()
{
    QFETCH(int, checkType);
    QFETCH(int, second);
    QFETCH(bool, detailGone);
    QFETCH(bool, voiceGone);
    QFETCH(int, ecgLeft);
    DbOperator* db = DbOperator::instance();
    const CheckUser anna = DbTestSupport::user(kSn, "Anna", false);
    QVERIFY(db->storeUsers(kSn, {anna}));
    const QString time = checkTime(second);
    writeFiles(time);
    QString userName;
    if (checkType == CheckType::Holter) {
        QVERIFY(db->insertHolter(kSn, anna, time, 60));
    } else if (checkType != CheckType::Ecg) {
        const int size = CheckType::recordSize(checkType);
        QVERIFY(db->insertChecks(kSn, checkType,
                                 {DbTestSupport::storedForm(checkType, record(checkType, size, 1, second))},
                                 checkType == CheckType::UserGlucose ? anna : CheckUser()));
        userName = checkType == CheckType::UserGlucose ? anna.name : QString();
    }
    const CheckEraser::Result result = CheckEraser::eraseCheck(kSn, checkType, time, userName);
    QVERIFY(result.isComplete());
    QCOMPARE(result.erased, 1);
    QCOMPARE(QFile::exists(deviceDir() + time), !detailGone);
    QCOMPARE(QFile::exists(deviceDir() + time + ".wav"), !voiceGone);
    QCOMPARE(ecgCount(), ecgLeft);
    QVERIFY(filesExist(checkTime(0)));
}

// A file that cannot be removed keeps its check stored with every file, and is named.
void TestCheckEraser::unremovableFileKeepsTheCheck()
{
    if (!protectFolder(deviceDir(), true))
        QSKIP("the device folder cannot be made unchangeable here");
    const CheckEraser::Result one = CheckEraser::eraseCheck(kSn, CheckType::Ecg, checkTime(1));
    const CheckEraser::Result all = CheckEraser::eraseDevice(kSn);
    QVERIFY(protectFolder(deviceDir(), false));
    QVERIFY(!one.isComplete());
    QCOMPARE(one.erased, 0);
    QCOMPARE(one.kept, 1);
    QCOMPARE(one.keptFiles.size(), 4);
    QVERIFY2(one.keptFiles.first().contains(deviceDir() + checkTime(1)), qPrintable(one.keptFiles.join('|')));
    QCOMPARE(all.kept, 3);
    QCOMPARE(all.erased, 0);
    QCOMPARE(ecgCount(), 3);
    for (int second = 0; second < 3; ++second)
        QVERIFY(filesExist(checkTime(second)));
    QVERIFY(!QFileInfo::exists(DownloadFolder::scratchPath(Config::instance()->dataDir(), kSn)));
}

void TestCheckEraser::deletionWaitsForADownload_data()
{
    QTest::addColumn<int>("downloadMs");
    QTest::addColumn<bool>("erased");
    QTest::newRow("download ends soon") << 400 << true;
    QTest::newRow("download runs on") << DownloadFolder::kLockWaitMs + 1500 << false;
}

// A deletion takes the monitor's download lock, waiting as a download does.
void TestCheckEraser::deletionWaitsForADownload()
{
    QFETCH(int, downloadMs);
    QFETCH(bool, erased);
    QSemaphore claimed;
    std::thread download([&] {
        DownloadFolder folder(Config::instance()->dataDir(), kSn);
        const bool held = folder.claim();
        claimed.release();
        if (held)
            QThread::msleep(downloadMs);
    });
    claimed.acquire();
    const CheckEraser::Result result = CheckEraser::eraseCheck(kSn, CheckType::Ecg, checkTime(1));
    download.join();
    QCOMPARE(result.busy, !erased);
    QCOMPARE(result.erased, erased ? 1 : 0);
    QCOMPARE(filesExist(checkTime(1)), !erased);
    QCOMPARE(ecgCount(), erased ? 2 : 3);
}

void TestCheckEraser::interruptedDeletionIsSettled_data()
{
    QTest::addColumn<bool>("deletionStored");
    QTest::newRow("killed before the store deleted") << false;
    QTest::newRow("killed after the store deleted") << true;
}

// Files a killed deletion had set aside go back while their check is stored, and go otherwise.
void TestCheckEraser::interruptedDeletionIsSettled()
{
    QFETCH(bool, deletionStored);
    const QString scratch = DownloadFolder::scratchPath(Config::instance()->dataDir(), kSn);
    QVERIFY(QDir().mkpath(scratch + "erased"));
    for (const QString& name : {checkTime(1), checkTime(1) + ".wav"})
        QVERIFY(QFile::rename(deviceDir() + name, scratch + "erased/" + name));
    if (deletionStored)
        QVERIFY(DbOperator::instance()->deleteCheck(kSn, CheckType::Ecg, checkTime(1)));
    {
        DownloadFolder next(Config::instance()->dataDir(), kSn);
        QVERIFY(next.claim());
        QCOMPARE(next.recovered(), deletionStored ? 0 : 2);
    }
    QCOMPARE(QFile::exists(deviceDir() + checkTime(1)), !deletionStored);
    QCOMPARE(QFile::exists(deviceDir() + checkTime(1) + ".wav"), !deletionStored);
    QVERIFY(!QFileInfo::exists(scratch));
}

QTEST_GUILESS_MAIN(TestCheckEraser)
#include "TestCheckEraser.moc"
