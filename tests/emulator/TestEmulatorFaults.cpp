#include "device/XHarvo2.h"
#include "support/LinkLog.h"
#include "support/MonitorFolder.h"
#include "support/TestBus.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(EmulatorFault)

namespace {

enum Operation { Identify, Ping, FileCount, GetFile, GetLargeFile };

} // namespace

// Every fault rule, injected through the C++ interface or the faults file, seen
// through the real transport and protocol code. Request 1 is the identification.
class TestEmulatorFaults : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void faultEndsOperation_data();
    void faultEndsOperation();
    void failedPingsRecover();
    void monitorComesBackAfterInjectedUnplug();
    void rulesFromFaultsFile();

private:
    int run(Operation operation, XHarvo2& link);

    std::unique_ptr<TestBus> m_bus;
    std::unique_ptr<MonitorFolder> m_monitor;
};

void TestEmulatorFaults::init()
{
    m_bus = std::make_unique<TestBus>();
    m_monitor = std::make_unique<MonitorFolder>(m_bus->busDir(), "m1");
    m_monitor->writeRandomFile("usr.dat", 1300);
    m_monitor->writeRandomFile("waveFile", 13000);
}

void TestEmulatorFaults::cleanup()
{
    QCOMPARE(m_bus->bus().violations(), QStringList());
    m_monitor.reset();
    m_bus.reset();
}

int TestEmulatorFaults::run(Operation operation, XHarvo2& link)
{
    QByteArray info;
    switch (operation) {
    case Identify: return link.getDeviceInfo(info);
    case Ping: return link.ping();
    case FileCount: return link.getFileCount();
    case GetFile: return link.getFile(m_bus->localPath("usr.dat"), "usr.dat");
    case GetLargeFile: return link.getLargeFile(m_bus->localPath("waveFile"), "waveFile", 10);
    }
    return -2;
}

void TestEmulatorFaults::faultEndsOperation_data()
{
    QTest::addColumn<EmulatorFault>("fault");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("debug");

    const QStringList none;
    const QString large = "Large file size:13000";
    QTest::newRow("no reply to identification") << EmulatorFault::noReply(1) << int(Identify) << 0 << none << "";
    QTest::newRow("no reply to ping") << EmulatorFault::noReply(2) << int(Ping) << 0 << none << "";
    QTest::newRow("file count status") << EmulatorFault::fileCountStatus(3) << int(FileCount) << -1 << none << "";
    QTest::newRow("no reply to file size")
        << EmulatorFault::noReply(2) << int(GetFile) << -1 << QStringList("Get file size failed.")
        << "[ERR] sharvo2 fail to get file size";
    QTest::newRow("no reply to file data") << EmulatorFault::noReply(3) << int(GetFile) << -1
                                           << QStringList("Get file data ack failed.") << "[ERR] sharvo2 file ack";
    QTest::newRow("short file data reply") << EmulatorFault::shortReply(4) << int(GetFile) << -1
                                           << QStringList("Get file data ack failed.") << "[ERR] sharvo2 file ack";
    QTest::newRow("short last file data reply") << EmulatorFault::shortReply(5, 9) << int(GetFile) << -1
                                                << QStringList("Get file data ack failed.") << "[ERR] sharvo2 file ack";
    QTest::newRow("refused file") << EmulatorFault::refuse("usr.dat") << int(GetFile) << 0 << none
                                  << "[INFO] file size: 0";
    QTest::newRow("unplug before any data") << EmulatorFault::unplugAfter("usr.dat", 0) << int(GetFile) << -1
                                            << QStringList("Get file data ack failed.") << "[ERR] sharvo2 file ack";
    QTest::newRow("unplug inside a data reply") << EmulatorFault::unplugAfter("usr.dat", 1000) << int(GetFile) << -1
                                                << QStringList("Get file data ack failed.") << "[ERR] sharvo2 file ack";
    QTest::newRow("unplug between data replies")
        << EmulatorFault::unplugAfter("usr.dat", 635) << int(GetFile) << -1 << QStringList("Get file data send failed.")
        << "[INFO] file size: 1300";
    QTest::newRow("refused large file") << EmulatorFault::refuse("waveFile") << int(GetLargeFile) << -1
                                        << QStringList("Get file large start ack code != ACKCMD_OK.") << "";
    QTest::newRow("no reply to large start") << EmulatorFault::noReply(2) << int(GetLargeFile) << -1
                                             << QStringList("Get file large start ack failed.") << "";
    QTest::newRow("no reply to large data") << EmulatorFault::noReply(4) << int(GetLargeFile) << -1
                                            << QStringList({large, "get large data ack failed."}) << "waveFile :13000";
    QTest::newRow("short large data reply") << EmulatorFault::shortReply(3, 99) << int(GetLargeFile) << -1
                                            << QStringList({large, "get large data ack failed."}) << "";
    QTest::newRow("unplug inside a large reply")
        << EmulatorFault::unplugAfter("waveFile", 7000) << int(GetLargeFile) << -1
        << QStringList({large, "get large data ack failed."}) << "waveFile :13000";
    QTest::newRow("unplug between large replies")
        << EmulatorFault::unplugAfter("waveFile", 6395) << int(GetLargeFile) << -1
        << QStringList({large, "get large data send failed."}) << "waveFile :13000";
}

void TestEmulatorFaults::faultEndsOperation()
{
    QFETCH(EmulatorFault, fault);
    QFETCH(int, operation);
    QFETCH(int, result);
    QFETCH(QStringList, log);
    QFETCH(QString, debug);
    const std::shared_ptr<EmulatedMonitor> monitor = m_bus->bus().monitor("m1");
    QVERIFY(monitor);
    monitor->addFault(fault);
    XHarvo2 link;
    QByteArray info;
    if (operation != Identify)
        QVERIFY(link.getDeviceInfo(info));
    LinkLog lines;
    QCOMPARE(run(Operation(operation), link), result);
    QCOMPARE(lines.logLines(), log);
    if (!debug.isEmpty())
        QVERIFY2(lines.debugLines().contains(debug), qPrintable(lines.debugLines().join('|')));
    // A failed or refused transfer leaves no file behind.
    QVERIFY(!QFile::exists(m_bus->localPath("usr.dat")));
    QVERIFY(!QFile::exists(m_bus->localPath("waveFile")));
}

void TestEmulatorFaults::failedPingsRecover()
{
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::failPings(2));
    XHarvo2 link;
    QByteArray info;
    QVERIFY(link.getDeviceInfo(info));
    QVERIFY(!link.ping());
    QVERIFY(!link.ping());
    QVERIFY(link.ping());
}

void TestEmulatorFaults::monitorComesBackAfterInjectedUnplug()
{
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::unplugAfter("usr.dat", 700));
    XHarvo2 link;
    QByteArray info;
    QVERIFY(link.getDeviceInfo(info));
    QCOMPARE(link.getFile(m_bus->localPath("usr.dat"), "usr.dat"), -1);
    QVERIFY(!link.ping());
    // The dropped handle stays dead; a new opening finds the monitor plugged in again.
    XHarvo2 again;
    QVERIFY(again.getDeviceInfo(info));
    QCOMPARE(again.getFile(m_bus->localPath("usr.dat"), "usr.dat"), 1300);
    QVERIFY(!link.ping());
    QVERIFY(!link.disconnectDevice());
}

void TestEmulatorFaults::rulesFromFaultsFile()
{
    MonitorFolder m2(m_bus->busDir(), "m2");
    m2.writeRandomFile("usr.dat", 100);
    m2.writeFile("faults", "# m2 misbehaves\nrefuse usr.dat\nfile-count-status 2\nfail-pings 1\nwobble 3\n");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("faults line 5: malformed fault rule: wobble 3"));
    const std::shared_ptr<EmulatedMonitor> monitor = m_bus->bus().monitor("m2");
    QVERIFY(monitor);
    // m1 takes the first opening; m2 answers the second.
    XHarvo2 first;
    XHarvo2 link;
    QByteArray info;
    QVERIFY(first.getDeviceInfo(info));
    QVERIFY(link.getDeviceInfo(info));
    QCOMPARE(link.getFile(m_bus->localPath("usr.dat"), "usr.dat"), 0);
    QCOMPARE(link.getFileCount(), -1);
    QCOMPARE(link.getFileCount(), 1); // identity.dat and faults are no monitor files
    QVERIFY(!link.ping());
    QVERIFY(link.ping());
}

QTEST_GUILESS_MAIN(TestEmulatorFaults)
#include "TestEmulatorFaults.moc"
