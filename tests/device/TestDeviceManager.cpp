#include "DownloadTestSupport.h"
#include "RequestLog.h"
#include "device/DeviceManager.h"
#include "device/XHarvo2.h"
#include "files/EcgRecord.h"
#include "support/LinkLog.h"
#include "support/MonitorFolder.h"
#include "support/TestBus.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

using namespace DownloadTestSupport;

Q_DECLARE_METATYPE(EmulatorFault)

namespace {

const QString kSn = QStringLiteral("SN12345678");
// The refresh interval of the timer test; the program's is 2 s.
constexpr int kIntervalMs = 100;

QStringList serials(const QList<std::shared_ptr<VitacorDevice>>& devices)
{
    QStringList serials;
    for (const auto& device : devices)
        serials << device->serialNumber();
    return serials;
}

QStringList withText(const QStringList& lines, const QString& text)
{
    return lines.filter(text);
}

} // namespace

// Discovery and the whole download road below the sync: the refresh with its
// pings and connection attempts, and downloads that fail in every way the
// monitor can fail, each leaving no folder behind.
class TestDeviceManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void timerFindsMonitor();
    void deniedMonitorIsNamed();
    void connectionAttempts_data();
    void connectionAttempts();
    void silentMonitorDoesNotHideOthers();
    void directReceiverReadsTheList();
    void pingRetry_data();
    void pingRetry();
    void downloadingMonitorIsSkipped();
    void completeDownloadPassesFolder();
    void faultFailsDownload_data();
    void faultFailsDownload();
    void destructionDisconnectsMonitors();

private:
    // A model 0 monitor with a user, an ECG with its detail and a Holter recording.
    MonitorFolder plugFullMonitor(const QString& name = "m1");
    // Starts the download of the listed monitor with that serial; the manager's deviceDownloadEnd path.
    QVariantList downloadThrough(DeviceManager& manager, const QString& sn);

    std::unique_ptr<TestBus> m_bus;
    std::shared_ptr<RequestLog> m_log;
};

void TestDeviceManager::init()
{
    freshDataDir();
    m_bus = std::make_unique<TestBus>();
    m_log = RequestLog::install();
}

void TestDeviceManager::cleanup()
{
    QCOMPARE(m_bus->bus().violations(), QStringList());
    m_log.reset();
    m_bus.reset();
}

MonitorFolder TestDeviceManager::plugFullMonitor(const QString& name)
{
    const MonitorFolder monitor(m_bus->busDir(), name, 0, kSn.toLatin1());
    const CheckTime time = checkTime(1, 8);
    monitor.writeFile("usr.dat", userRecord(1, 27));
    monitor.writeFile("ecg.dat", record<EcgRecord>(time, 1));
    monitor.writeRandomFile(time.text(), 3000);
    monitor.writeRandomFile(time.text() + ".wav", 2000);
    monitor.writeRandomFile("waveFile", 20000);
    return monitor;
}

QVariantList TestDeviceManager::downloadThrough(DeviceManager& manager, const QString& sn)
{
    QueuedSpy end(&manager, &DeviceManager::deviceDownloadEnd);
    manager.downloadDevice(serials(manager.devices()).indexOf(sn), DownloadContext::gather(sn));
    if (!end.waitFor(1))
        return {};
    return end.last();
}

void TestDeviceManager::timerFindsMonitor()
{
    MonitorFolder(m_bus->busDir(), "m1", 5, "CV1");
    LinkLog log;
    QElapsedTimer clock;
    clock.start();
    DeviceManager manager(kIntervalMs);
    QueuedSpy changes(&manager, &DeviceManager::hasNewConnect);

    QVERIFY(changes.waitFor(1, 5000));
    // Qt's coarse timers may fire up to 5 % early.
    QVERIFY(clock.elapsed() >= kIntervalMs * 95 / 100);
    QCOMPARE(serials(manager.devices()), QStringList{"CV1"});
    QCOMPARE(manager.devices().first()->deviceKey(), QString("Cardivane_CV1"));
    QVERIFY(log.logLines().contains("new device connected: SN CV1, Type 5"));
}

// A monitor whose node this process may not open is named, not listed, until it goes away.
void TestDeviceManager::deniedMonitorIsNamed()
{
    MonitorFolder(m_bus->busDir(), "m1", 0, "OPEN");
    const MonitorFolder shut(m_bus->busDir(), "m2", 0, "SHUT");
    shut.writeFile("faults", "no-access\n");
    const QString node = QDir::toNativeSeparators(QDir::cleanPath(shut.path()));
    LinkLog log;
    DeviceManager manager;
    QueuedSpy changes(&manager, &DeviceManager::hasNewConnect);

    manager.onRefreshDevice();
    QCOMPARE(serials(manager.devices()), QStringList{"OPEN"});
    QCOMPARE(manager.deniedNodes(), QStringList{node});
    QCOMPARE(changes.count(), 1);
    manager.onRefreshDevice();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(log.logLines().filter("may not be opened"),
             QStringList{"monitor at " + node + " may not be opened: permission denied."});

    QVERIFY(QDir(shut.path()).removeRecursively());
    manager.onRefreshDevice();
    QCOMPARE(manager.deniedNodes(), QStringList());
    QCOMPARE(changes.count(), 2);
}

void TestDeviceManager::connectionAttempts_data()
{
    QTest::addColumn<int>("monitors");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("attempts");
    QTest::addRow("nine") << 9 << 9 << 1;
    QTest::addRow("ten") << 10 << 10 << 0;
    QTest::addRow("eleven") << 11 << 10 << 0;
}

void TestDeviceManager::connectionAttempts()
{
    QFETCH(int, monitors);
    QFETCH(int, listed);
    QFETCH(int, attempts);
    for (int i = 0; i < monitors; ++i)
        MonitorFolder(m_bus->busDir(), QString("m%1").arg(i, 2, 10, QChar('0')), 0, "SN" + QByteArray::number(i));
    DeviceManager manager;
    manager.onRefreshDevice();
    QCOMPARE(manager.devices().size(), listed);

    m_log->clear();
    manager.onRefreshDevice();
    QCOMPARE(m_log->opensFrom(QThread::currentThread()), attempts);
    QCOMPARE(manager.devices().size(), listed);
}

// A monitor that does not answer identification stays held for the rest of the
// refresh, so the next attempt reaches the monitor behind it.
void TestDeviceManager::silentMonitorDoesNotHideOthers()
{
    MonitorFolder(m_bus->busDir(), "m1").writeFile("identity.dat", QByteArray(5, '\0'));
    MonitorFolder(m_bus->busDir(), "m2", 0, "SECOND");
    DeviceManager manager;
    manager.onRefreshDevice();
    QCOMPARE(serials(manager.devices()), QStringList{"SECOND"});
}

// A receiver connected directly, as the sync dialog is, reads the list from
// inside the signal; a second thread does the reading, so a list still
// locked fails the test instead of hanging it.
void TestDeviceManager::directReceiverReadsTheList()
{
    MonitorFolder(m_bus->busDir(), "m1", 0, "DIRECT");
    DeviceManager manager;
    std::promise<QStringList> listed;
    std::future<QStringList> reading = listed.get_future();
    std::thread reader;
    std::atomic<bool> received{false};
    bool readInside = false;
    connect(
        &manager, &DeviceManager::hasNewConnect, &manager,
        [&] {
            if (received.exchange(true))
                return;
            reader = std::thread([&] { listed.set_value(serials(manager.devices())); });
            readInside = reading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        },
        Qt::DirectConnection);
    manager.onRefreshDevice();
    QVERIFY(received);
    reader.join();
    QVERIFY2(readInside, "the list was still locked while the signal ran");
    QCOMPARE(reading.get(), QStringList{"DIRECT"});
}

void TestDeviceManager::pingRetry_data()
{
    QTest::addColumn<int>("failedPings");
    QTest::addColumn<QStringList>("lines");
    const QString failed = "SN:" + kSn + ",type:0 ping failed.";
    QTest::addRow("second ping answers") << 1 << QStringList{failed + "--first time"};
    QTest::addRow("both pings fail") << 2
                                     << QStringList{failed + "--first time", failed + " Device offline.",
                                                    "new device connected: SN " + kSn + ", Type 0"};
}

// A monitor dropped after two failed pings is found again by the same refresh,
// as a new device, since it still answers identification.
void TestDeviceManager::pingRetry()
{
    QFETCH(int, failedPings);
    QFETCH(QStringList, lines);
    MonitorFolder(m_bus->busDir(), "m1", 0, kSn.toLatin1());
    DeviceManager manager;
    manager.onRefreshDevice();
    const std::shared_ptr<VitacorDevice> before = manager.devices().value(0);
    QVERIFY(before);
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::failPings(failedPings));
    QueuedSpy changes(&manager, &DeviceManager::hasNewConnect);
    LinkLog log;

    manager.onRefreshDevice();

    QCOMPARE(log.logLines(), lines);
    QCOMPARE(changes.count(), failedPings == 2 ? 1 : 0);
    QCOMPARE(serials(manager.devices()), QStringList{kSn});
    QCOMPARE(manager.devices().first() == before, failedPings == 1);
}

void TestDeviceManager::downloadingMonitorIsSkipped()
{
    m_bus->bus().setPaced(true);
    MonitorFolder monitor(m_bus->busDir(), "m1", 0, kSn.toLatin1());
    monitor.writeRandomFile("waveFile", 64000);
    DeviceManager manager;
    manager.onRefreshDevice();
    const std::shared_ptr<VitacorDevice> device = manager.devices().value(0);
    QVERIFY(device);
    QueuedSpy bytes(device.get(), &VitacorDevice::singleFileDownloadProgress);
    QueuedSpy end(&manager, &DeviceManager::deviceDownloadEnd);
    manager.downloadDevice(0, DownloadContext::gather(kSn));
    QVERIFY(bytes.waitFor(2));
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::failPings(2));
    LinkLog log;

    manager.onRefreshDevice();

    QCOMPARE(manager.devices().value(0), device);
    QVERIFY(!m_log->commands().contains(XHarvo2::Ping));
    QVERIFY(end.count() == 0);
    QVERIFY(end.waitFor(1));
    QCOMPARE(end.last().value(0).toString(), tempFolder(kSn));
    QVERIFY(withText(log.logLines(), "ping failed").isEmpty());
}

void TestDeviceManager::completeDownloadPassesFolder()
{
    plugFullMonitor();
    DeviceManager manager;
    manager.onRefreshDevice();
    manager.downloadDevice(-1, DownloadContext::gather(kSn));
    manager.downloadDevice(1, DownloadContext::gather(kSn));
    QCOMPARE(m_log->names(XHarvo2::FileSize), QStringList());

    QCOMPARE(downloadThrough(manager, kSn), QVariantList{tempFolder(kSn)});
    QCOMPARE(entries(tempFolder(kSn)).size(), 6);
    QVERIFY(QFile::exists(tempFolder(kSn) + "waveFile"));
}

void TestDeviceManager::faultFailsDownload_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addRow("no reply") << "no-reply";
    QTest::addRow("short reply") << "short-reply";
    QTest::addRow("unplug mid-file") << "unplug-file";
    QTest::addRow("unplug mid-Holter") << "unplug-holter";
}

// A failed download ends with an empty path and no temporary or device folder;
// once the monitor is back on the list, its next download completes.
void TestDeviceManager::faultFailsDownload()
{
    QFETCH(QString, kind);
    const MonitorFolder monitor = plugFullMonitor();
    DeviceManager manager;
    manager.onRefreshDevice();
    const std::shared_ptr<VitacorDevice> device = manager.devices().value(0);
    QVERIFY(device);
    // Requests are numbered from the plug-in; the third of the download fetches the first data of usr.dat.
    const int dataRequest = m_log->requests().size() + 3;
    const QMap<QString, EmulatorFault> faults{{"no-reply", EmulatorFault::noReply(dataRequest)},
                                              {"short-reply", EmulatorFault::shortReply(dataRequest)},
                                              {"unplug-file", EmulatorFault::unplugAfter(checkTime(1, 8).text(), 1000)},
                                              {"unplug-holter", EmulatorFault::unplugAfter("waveFile", 10000)}};
    m_bus->bus().monitor("m1")->addFault(faults.value(kind));
    QueuedSpy deviceEnd(device.get(), &VitacorDevice::downloadEnd);

    QCOMPARE(downloadThrough(manager, kSn), QVariantList{QString()});

    QVERIFY(deviceEnd.waitFor(1));
    QCOMPARE(deviceEnd.last(), (QVariantList{false, tempFolder(kSn)}));
    QVERIFY(!QFileInfo::exists(tempFolder(kSn)));
    QVERIFY(!QFileInfo::exists(dataDir() + "/" + kSn));

    manager.onRefreshDevice();
    QCOMPARE(serials(manager.devices()), QStringList{kSn});
    QCOMPARE(downloadThrough(manager, kSn), QVariantList{tempFolder(kSn)});
    QCOMPARE(readFile(tempFolder(kSn) + "waveFile"), readFile(monitor.path() + "/waveFile"));
}

void TestDeviceManager::destructionDisconnectsMonitors()
{
    MonitorFolder(m_bus->busDir(), "m1", 0, "A1");
    MonitorFolder(m_bus->busDir(), "m2", 0, "A2");
    {
        DeviceManager manager;
        manager.onRefreshDevice();
        QCOMPARE(manager.devices().size(), 2);
    }
    QCOMPARE(m_log->commands().count(XHarvo2::Disconnect), 2);
}

QTEST_GUILESS_MAIN(TestDeviceManager)
#include "TestDeviceManager.moc"
