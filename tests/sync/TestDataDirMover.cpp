#include "app/LogHelper.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/RecordFile.h"
#include "support/MonitorFolder.h"
#include "support/SyncFixture.h"
#include "sync/DataDirMover.h"
#include "sync/MoveFileThread.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace SyncFixture;
using DbTestSupport::rows;

namespace {

const QString kSn = "SNMOVE";

// The files of a data directory, relative to it, with their bytes.
QMap<QString, QByteArray> contents(const QString& dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(dir).relativeFilePath(path), readFile(path));
    }
    return files;
}

} // namespace

// Moving the data directory: the database closed, copied and reopened at the
// new place, the device folders after it, and nothing lost on the way.
class TestDataDirMover : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void checkRefuses_data();
    void checkRefuses();
    void movesDatabaseAndFolders();
    void unmovableFileStaysWithItsFolder();
    void failedDatabaseCopyLeavesEverythingInPlace();
    void storeWaitsWhileClosed();
    void threadSignalsTheEnd();
    void movesToAnotherFileSystem();

private:
    // A data directory with a stored device, its checks and its folder.
    void fillOldDir();
    QString oldDir() const { return m_root->path() + "/old"; }
    QString newDir() const { return m_root->path() + "/new"; }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_mount;
};

void TestDataDirMover::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    Config::instance()->setDataDir(oldDir());
    QVERIFY(QDir().mkpath(oldDir()));
    QVERIFY(DbOperator::instance()->reopenAfter([] {}));
}

void TestDataDirMover::cleanup()
{
    if (!m_mount.isEmpty()) {
        // Let go of the files on the mount: the database and the log.
        Config::instance()->setDataDir(m_root->path() + "/after");
        QDir().mkpath(Config::instance()->dataDir());
        LogHelper::instance()->reopen();
        DbOperator::instance()->close();
        QProcess::execute("umount", {m_mount});
        m_mount.clear();
    }
}

void TestDataDirMover::fillOldDir()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(*DeviceInfo::fromBytes(devDat(0, kSn.toLatin1()))));
    QVERIFY(db->insertChecks(kSn, CheckType::Ecg, RecordFile::split(records(1, 10, 1, 3), 10)));
    QVERIFY(db->insertChecks(kSn, CheckType::Oxi, RecordFile::split(records(2, 12, 2, 2), 12)));
    QVERIFY(QDir().mkpath(oldDir() + "/" + kSn + "/sub"));
    writeFile(oldDir() + "/" + kSn + "/20240506070100", MonitorFolder::randomBytes(5000, 1));
    writeFile(oldDir() + "/" + kSn + "/20240506070100.wav", MonitorFolder::randomBytes(800, 2));
    writeFile(oldDir() + "/" + kSn + "/sub/deeper", MonitorFolder::randomBytes(10, 3));
    QVERIFY(QDir().mkpath(oldDir() + "/SNOTHER"));
    writeFile(oldDir() + "/SNOTHER/20240101000000", MonitorFolder::randomBytes(70, 4));
    writeFile(oldDir() + "/notes.txt", "kept by the user");
}

void TestDataDirMover::checkRefuses_data()
{
    QTest::addColumn<QString>("to"); // relative to the temporary root; "old" is the data directory
    QTest::addColumn<int>("check");
    QTest::newRow("sibling") << "new" << int(DataDirMover::Check::Move);
    QTest::newRow("sibling sharing the prefix") << "old2" << int(DataDirMover::Check::Move);
    QTest::newRow("parent") << "." << int(DataDirMover::Check::Move);
    QTest::newRow("same") << "old" << int(DataDirMover::Check::Same);
    QTest::newRow("same, trailing slash") << "old/" << int(DataDirMover::Check::Same);
    QTest::newRow("same, dotted") << "new/../old" << int(DataDirMover::Check::Same);
    QTest::newRow("subdirectory") << "old/sub" << int(DataDirMover::Check::Subdirectory);
    QTest::newRow("deeper subdirectory") << "old/a/b" << int(DataDirMover::Check::Subdirectory);
    QTest::newRow("subdirectory by a link") << "link/sub" << int(DataDirMover::Check::Subdirectory);
    QTest::newRow("a file") << "file" << int(DataDirMover::Check::NotAFolder);
}

void TestDataDirMover::checkRefuses()
{
    QFETCH(QString, to);
    QFETCH(int, check);
    QVERIFY(QFile::link(oldDir(), m_root->path() + "/link"));
    writeFile(m_root->path() + "/file", "x");
    QCOMPARE(int(DataDirMover::check(oldDir(), m_root->path() + "/" + to)), check);
}

void TestDataDirMover::movesDatabaseAndFolders()
{
    fillOldDir();
    const QMap<QString, QByteArray> before = contents(oldDir());
    DataDirMover mover(oldDir(), newDir(), Vitacor::kDbFileName);
    QCOMPARE(int(mover.run()), int(DataDirMover::Outcome::Moved));

    QCOMPARE(Config::instance()->dataDir(), newDir());
    QCOMPARE(DbTestSupport::connection().databaseName(), newDir() + "/" + Vitacor::kDbFileName);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Ecg).size(), 3);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Oxi).size(), 2);
    QVERIFY(!QFile::exists(oldDir() + "/" + Vitacor::kDbFileName));
    const QMap<QString, QByteArray> after = contents(newDir());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() != Vitacor::kDbFileName)
            QCOMPARE(after.value(it.key()), it.value());
    }
    // Renamed on one file system: nothing left behind but the (empty) folder itself.
    QVERIFY(QDir(oldDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    QVERIFY(mover.copied().isEmpty());
    QVERIFY(mover.kept().isEmpty());
    QCOMPARE(mover.done(), mover.total());
}

void TestDataDirMover::unmovableFileStaysWithItsFolder()
{
    fillOldDir();
    // A folder in the way of a file: it can be neither renamed nor copied there.
    QVERIFY(QDir().mkpath(newDir() + "/" + kSn + "/20240506070100"));
    DataDirMover mover(oldDir(), newDir(), Vitacor::kDbFileName);
    QCOMPARE(int(mover.run()), int(DataDirMover::Outcome::Moved));
    QCOMPARE(mover.kept(), QStringList{oldDir() + "/" + kSn + "/20240506070100"});
    QCOMPARE(readFile(oldDir() + "/" + kSn + "/20240506070100").size(), 5000);
    QVERIFY(QFile::exists(newDir() + "/" + kSn + "/20240506070100.wav"));
    QVERIFY(QFile::exists(newDir() + "/" + kSn + "/sub/deeper"));
    QVERIFY(!QFile::exists(oldDir() + "/SNOTHER"));
}

void TestDataDirMover::failedDatabaseCopyLeavesEverythingInPlace()
{
    fillOldDir();
    const QMap<QString, QByteArray> before = contents(oldDir());
    // Someone's database is already there; it is never overwritten.
    QVERIFY(QDir().mkpath(newDir()));
    writeFile(newDir() + "/" + Vitacor::kDbFileName, "not ours");
    DataDirMover mover(oldDir(), newDir(), Vitacor::kDbFileName);
    QCOMPARE(int(mover.run()), int(DataDirMover::Outcome::DatabaseNotCopied));
    QVERIFY(mover.failureText(DataDirMover::Outcome::DatabaseNotCopied).contains("nothing was moved"));

    QCOMPARE(Config::instance()->dataDir(), oldDir());
    QCOMPARE(DbTestSupport::connection().databaseName(), oldDir() + "/" + Vitacor::kDbFileName);
    QCOMPARE(DbOperator::instance()->health(), DbOperator::Health::Healthy);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Ecg).size(), 3);
    QCOMPARE(contents(oldDir()).keys(), before.keys());
    QCOMPARE(contents(newDir()).keys(), QStringList{Vitacor::kDbFileName});
    QCOMPARE(readFile(newDir() + "/" + Vitacor::kDbFileName), QByteArray("not ours"));
}

void TestDataDirMover::storeWaitsWhileClosed()
{
    fillOldDir();
    DbOperator* db = DbOperator::instance();
    std::atomic<int> answer{-1};
    std::thread other;
    QVERIFY(db->reopenAfter([&] {
        other = std::thread([&] { answer = db->deviceExists(kSn) ? 1 : 0; });
        QTest::qSleep(200);
        // The other thread is still waiting for the connection, not failing on it.
        QCOMPARE(answer.load(), -1);
    }));
    other.join();
    QCOMPARE(answer.load(), 1);
}

void TestDataDirMover::threadSignalsTheEnd()
{
    fillOldDir();
    MoveFileThread thread;
    thread.setOldDir(oldDir());
    thread.setNewDir(newDir());
    thread.setDbFileName(Vitacor::kDbFileName);
    QCOMPARE(thread.fileCount(), 0);
    QSignalSpy finished(&thread, &MoveFileThread::moveFinish);
    thread.start();
    QVERIFY(finished.wait(10000) || finished.count() == 1);
    QVERIFY(thread.wait(10000));
    QCOMPARE(int(thread.outcome()), int(DataDirMover::Outcome::Moved));
    QCOMPARE(thread.filesDone(), thread.fileCount());
    QCOMPARE(thread.fileCount(), 6);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Ecg).size(), 3);
}

void TestDataDirMover::movesToAnotherFileSystem()
{
    const QString mount = m_root->path() + "/mnt";
    QVERIFY(QDir().mkpath(mount));
    QProcess mountTmpfs;
    mountTmpfs.start("mount", {"-t", "tmpfs", "-o", "size=16m", "tmpfs", mount});
    if (!mountTmpfs.waitForFinished(10000) || mountTmpfs.exitStatus() != QProcess::NormalExit ||
        mountTmpfs.exitCode() != 0)
        QSKIP("mount -t tmpfs is not allowed here; the move to another file system is not tested");
    m_mount = mount;

    fillOldDir();
    const QMap<QString, QByteArray> before = contents(oldDir());
    const QString target = mount + "/data";
    DataDirMover mover(oldDir(), target, Vitacor::kDbFileName);
    QCOMPARE(int(mover.run()), int(DataDirMover::Outcome::Moved));

    QCOMPARE(DbTestSupport::connection().databaseName(), target + "/" + Vitacor::kDbFileName);
    QCOMPARE(DbOperator::instance()->health(), DbOperator::Health::Healthy);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Ecg).size(), 3);
    QCOMPARE(DbOperator::instance()->checks(kSn, CheckType::Oxi).size(), 2);
    QVERIFY(DbOperator::instance()->storeDevice(*DeviceInfo::fromBytes(devDat(0, "SNNEW"))));
    const QMap<QString, QByteArray> after = contents(target);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() != Vitacor::kDbFileName)
            QCOMPARE(after.value(it.key()), it.value());
    }
    // The device folders left the old place; whatever was copied instead of moved kept its original.
    QVERIFY(!QFile::exists(oldDir() + "/" + kSn));
    QVERIFY(!QFile::exists(oldDir() + "/SNOTHER"));
    QVERIFY(!QFile::exists(oldDir() + "/" + Vitacor::kDbFileName));
    QVERIFY(mover.kept().isEmpty());
    for (const QString& original : mover.copied())
        QVERIFY(QFile::exists(original));
}

QTEST_GUILESS_MAIN(TestDataDirMover)
#include "TestDataDirMover.moc"
