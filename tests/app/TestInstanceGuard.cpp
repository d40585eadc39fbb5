#include "app/InstanceGuard.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestInstanceGuard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void secondGuardOfTheKeySeesTheFirst();
    void otherKeysAndFoldersAreIndependent();
    void releasedKeyCanBeTakenAgain();
    void killedHolderLeavesAStaleLockThatIsRecovered();
    void liveHolderInAnotherProcessIsSeen();
    void withoutLockFolderTheSocketDecides();
    void keyNamesTheDataLocation();

private:
    std::unique_ptr<QProcess> startHolder(const QString& key);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_key;
};

void TestInstanceGuard::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Socket names live in the shared temporary folder: keep them unique per run.
    m_key = InstanceGuard::keyFor(m_dir->path());
}

std::unique_ptr<QProcess> TestInstanceGuard::startHolder(const QString& key)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(APP_TEST_HELPER, {"hold", key, m_dir->path()});
    if (!holder->waitForReadyRead(10000))
        return nullptr;
    if (holder->readLine().trimmed() != "ready")
        return nullptr;
    return holder;
}

void TestInstanceGuard::secondGuardOfTheKeySeesTheFirst()
{
    InstanceGuard first(m_key, m_dir->path());
    QVERIFY(!first.isRunning());
    QVERIFY(QFile::exists(first.lockFilePath()));

    InstanceGuard second(m_key, m_dir->path());
    QVERIFY(second.isRunning());
    QVERIFY(!first.isRunning()); // decided once, kept
    QVERIFY(second.isRunning());
}

void TestInstanceGuard::otherKeysAndFoldersAreIndependent()
{
    InstanceGuard first(m_key, m_dir->path());
    QVERIFY(!first.isRunning());
    InstanceGuard otherKey(m_key + "-other", m_dir->path());
    QVERIFY(!otherKey.isRunning());
}

void TestInstanceGuard::releasedKeyCanBeTakenAgain()
{
    {
        InstanceGuard first(m_key, m_dir->path());
        QVERIFY(!first.isRunning());
    }
    QVERIFY(!QFile::exists(m_dir->path() + "/" + m_key + ".lock"));
    InstanceGuard again(m_key, m_dir->path());
    QVERIFY(!again.isRunning());
}

void TestInstanceGuard::killedHolderLeavesAStaleLockThatIsRecovered()
{
    std::unique_ptr<QProcess> holder = startHolder(m_key);
    QVERIFY(holder);
    holder->kill(); // SIGKILL: no destructor removes the lock or the socket
    QVERIFY(holder->waitForFinished(5000));
    InstanceGuard probe(m_key, m_dir->path());
    QVERIFY(QFile::exists(probe.lockFilePath()));

    QVERIFY(!probe.isRunning());
    // The leftover socket was replaced by a listening one.
    QLocalSocket socket;
    socket.connectToServer(probe.serverName());
    QVERIFY(socket.waitForConnected(2000));
}

void TestInstanceGuard::liveHolderInAnotherProcessIsSeen()
{
    std::unique_ptr<QProcess> holder = startHolder(m_key);
    QVERIFY(holder);
    InstanceGuard probe(m_key, m_dir->path());
    QVERIFY(probe.isRunning());
    holder->terminate();
    QVERIFY(holder->waitForFinished(5000));
}

void TestInstanceGuard::withoutLockFolderTheSocketDecides()
{
    // A folder below a plain file can never be created, whoever runs the test.
    QFile blocker(m_dir->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString noFolder = blocker.fileName() + "/run";

    InstanceGuard first(m_key, noFolder);
    QVERIFY(!first.isRunning());
    InstanceGuard second(m_key, noFolder);
    QVERIFY(second.isRunning());
}

void TestInstanceGuard::keyNamesTheDataLocation()
{
    const QString key = InstanceGuard::keyFor("/home/ann/.local/share/VitacorBrowser");
    QCOMPARE(key, InstanceGuard::keyFor("/home/ann/.local/share/VitacorBrowser"));
    QVERIFY(key != InstanceGuard::keyFor("/home/bob/.local/share/VitacorBrowser"));
    QVERIFY(key.startsWith("VitacorBrowser-"));
    QCOMPARE(key.size(), 31);
    QVERIFY(!key.contains('/'));
}

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "TestInstanceGuard.moc"
