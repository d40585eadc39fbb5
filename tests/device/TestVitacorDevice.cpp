#include "DownloadTestSupport.h"
#include "RequestLog.h"
#include "db/DbOperator.h"
#include "device/VitacorDevice.h"
#include "device/XHarvo2.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "support/LinkLog.h"
#include "support/MonitorFolder.h"
#include "support/TestBus.h"

#include <QLockFile>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>

using namespace DownloadTestSupport;

namespace {

const QByteArray kSn = "SN12345678";

} // namespace

// One monitor's worker: identification with its model table row and a serial
// number that is safe as a folder name, and the download on the worker thread
// that writes "dev.dat" and runs the model's strategy.
class TestVitacorDevice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void modelTable_data();
    void modelTable();
    void unknownModel();
    void identifiesMonitor();
    void unansweredIdentification();
    void serialNumberIsMadeSafe_data();
    void serialNumberIsMadeSafe();
    void downloadRunsOnWorkerThread();
    void downloadStartsFromEmptyFolder();
    void corvisetSkipsStoredChecks();
    void downloadUsesItsContext();
    void uncreatableTemporaryFolder();
    void scratchFolderIsNoDeviceFolder();
    void lockedMonitorIsNotDownloaded();

private:
    // Connects a device to the monitor and downloads it; the downloadEnd arguments.
    QVariantList downloadWith(VitacorDevice& device);

    std::unique_ptr<TestBus> m_bus;
    std::shared_ptr<RequestLog> m_log;
};

void TestVitacorDevice::initTestCase()
{
    freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestVitacorDevice::init()
{
    freshDataDir();
    m_bus = std::make_unique<TestBus>();
    m_log = RequestLog::install();
}

void TestVitacorDevice::cleanup()
{
    QCOMPARE(m_bus->bus().violations(), QStringList());
    m_log.reset();
    m_bus.reset();
}

QVariantList TestVitacorDevice::downloadWith(VitacorDevice& device)
{
    QueuedSpy end(&device, &VitacorDevice::downloadEnd);
    if (!device.requestDownload(DownloadContext::gather(device.serialNumber())) || !end.waitFor(1))
        return {};
    return end.last();
}

void TestVitacorDevice::modelTable_data()
{
    QTest::addColumn<int>("modelType");
    for (int modelType : DeviceModel::modelTypes())
        QTest::addRow("%d", modelType) << modelType;
}

// What every row of the model table must hold for identification, folders and keys to work.
void TestVitacorDevice::modelTable()
{
    QFETCH(int, modelType);
    const DeviceModel model = DeviceModel::of(modelType);
    QCOMPARE(model.modelType(), modelType);
    QVERIFY(!model.name().isEmpty());
    QVERIFY(model.keyPrefix().endsWith('_'));
    QCOMPARE(model.keyPrefix().count('_'), 1);
    QVERIFY(!model.defaultSerial().isEmpty());
    QCOMPARE(model.safeSerial(QString()), model.defaultSerial());
    QCOMPARE(model.safeSerial(model.defaultSerial()), model.defaultSerial());
    QVERIFY(model.checkTypes() != 0);
    QVERIFY(model.listPicture().startsWith(":/"));
    QVERIFY(model.panelPicture().startsWith(":/"));
    const QList<int> types = DeviceModel::modelTypes();
    QCOMPARE(types.count(modelType), 1);
    QVERIFY(std::is_sorted(types.begin(), types.end()));
}

// A code the table lacks still makes a usable model: unnamed, with the common key and serial.
void TestVitacorDevice::unknownModel()
{
    QVERIFY(!DeviceModel::modelTypes().contains(200));
    const DeviceModel model = DeviceModel::of(200);
    QCOMPARE(model.modelType(), 200);
    QCOMPARE(model.name(), QString());
    QCOMPARE(model.keyPrefix(), DeviceModel::of(0).keyPrefix());
    QCOMPARE(model.defaultSerial(), DeviceModel::of(0).defaultSerial());
    QCOMPARE(model.checkTypes(), 0xFFFFFFFFu);
}

void TestVitacorDevice::identifiesMonitor()
{
    MonitorFolder(m_bus->busDir(), "m1", 0, kSn, "BR-07");
    VitacorDevice device;
    QCOMPARE(device.state(), int(VitacorDevice::Offline));
    QVERIFY(device.connectDevice());
    QCOMPARE(device.state(), int(VitacorDevice::Connected));
    QCOMPARE(device.serialNumber(), QString(kSn));
    QCOMPARE(device.deviceKey(), "Vitacor_" + QString(kSn));
    QCOMPARE(device.versionText(), QString("V1.4"));
    QCOMPARE(device.branchCode(), QString("BR-07"));
    QCOMPARE(device.deviceInfo().toFileBytes().left(DeviceInfo::kSize), MonitorFolder::info(0, kSn));
    QCOMPARE(m_log->commands(), (QList<int>{RequestLog::kIdentify, XHarvo2::BranchCode}));
    QVERIFY(device.pingDevice());
    device.disconnectDevice();
    QCOMPARE(device.state(), int(VitacorDevice::Offline));
}

void TestVitacorDevice::unansweredIdentification()
{
    MonitorFolder folder(m_bus->busDir(), "m1");
    folder.writeFile("identity.dat", QByteArray(12, '\x01'));
    VitacorDevice device;
    QVERIFY(!device.connectDevice());
    QCOMPARE(device.state(), int(VitacorDevice::Offline));
    QVERIFY(device.serialNumber().isEmpty());
}

void TestVitacorDevice::serialNumberIsMadeSafe_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<QByteArray>("reported");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("key");
    QTest::newRow("Corviset without serial") << 5 << QByteArray() << "000000"
                                             << "Cardivane_000000";
    QTest::newRow("Lite HDMI without serial") << 1 << QByteArray() << "0000000"
                                              << "Vitacor_0000000";
    QTest::newRow("QMR4 without serial") << 53 << QByteArray() << "00000000"
                                         << "QMR4_00000000";
    QTest::newRow("blanks only") << 0 << QByteArray("   ") << "00000000"
                                 << "Vitacor_00000000";
    QTest::newRow("blanks around") << 0 << QByteArray(" SN7 ") << "SN7"
                                   << "Vitacor_SN7";
    QTest::newRow("parent folder") << 0 << QByteArray("../evil") << ".8bf37120c716"
                                   << "Vitacor_.8bf37120c716";
    QTest::newRow("slash") << 0 << QByteArray("a/b") << ".a%2Fb"
                           << "Vitacor_.a%2Fb";
    QTest::newRow("backslash") << 0 << QByteArray("a\\..\\b") << ".e08c1cfd502d"
                               << "Vitacor_.e08c1cfd502d";
    QTest::newRow("dots alone") << 0 << QByteArray("..") << ".%2E%2E"
                                << "Vitacor_.%2E%2E";
    QTest::newRow("control characters") << 0 << QByteArray("x\x01y\x7f") << ".x%01y%7F"
                                        << "Vitacor_.x%01y%7F";
    QTest::newRow("non-ASCII") << 0 << QByteArray("SN\xe9") << ".SN%C3%A9"
                               << "Vitacor_.SN%C3%A9";
    QTest::newRow("dot inside") << 0 << QByteArray("A1.2") << "A1.2"
                                << "Vitacor_A1.2";
}

// The safe serial is the one of every later use: the device key, the temporary
// folder, and the "dev.dat" from which the sync takes the device folder and the database key.
void TestVitacorDevice::serialNumberIsMadeSafe()
{
    QFETCH(int, modelType);
    QFETCH(QByteArray, reported);
    QFETCH(QString, serial);
    QFETCH(QString, key);
    MonitorFolder(m_bus->busDir(), "m1", quint8(modelType), reported).writeFile("usr.dat", userRecord(1, 27));
    VitacorDevice device;
    QVERIFY(device.connectDevice());
    QCOMPARE(device.serialNumber(), serial);
    QCOMPARE(device.deviceKey(), key);
    QCOMPARE(device.deviceInfo().sn, serial);

    const QVariantList end = downloadWith(device);
    QCOMPARE(end.value(1).toString(), tempFolder(serial));
    const std::optional<DeviceInfo> written = DeviceInfo::readFile(tempFolder(serial) + "dev.dat");
    QVERIFY(written);
    QCOMPARE(written->sn, serial);
    QCOMPARE(written->modelType, quint8(modelType));
    QVERIFY(QDir::cleanPath(dataDir() + "/" + written->sn).startsWith(QDir::cleanPath(dataDir()) + "/"));
    QCOMPARE(entries(dataDir() + "/..").filter("evil"), QStringList());
}

void TestVitacorDevice::downloadRunsOnWorkerThread()
{
    const MonitorFolder monitor(m_bus->busDir(), "m1", 49, kSn, "BR-07");
    const CheckTime time = checkTime(1, 1);
    monitor.writeFile("ecg.dat", record<EcgRecord>(time, 1));
    monitor.writeRandomFile(time.text(), 5000);
    monitor.writeRandomFile(time.text() + ".wav", 3000);
    VitacorDevice device;
    QVERIFY(device.connectDevice());
    std::atomic<QThread*> worker{nullptr};
    std::atomic<int> stateDuringDownload{-1};
    connect(
        &device, &VitacorDevice::fileDownloadProgress, &device,
        [&](int, int) {
            worker = QThread::currentThread();
            stateDuringDownload = device.state();
        },
        Qt::DirectConnection);
    QueuedSpy files(&device, &VitacorDevice::fileDownloadProgress);
    QueuedSpy bytes(&device, &VitacorDevice::singleFileDownloadProgress);
    LinkLog log;

    const QVariantList end = downloadWith(device);

    QCOMPARE(end, (QVariantList{true, tempFolder(kSn)}));
    QVERIFY(worker != nullptr && worker != QThread::currentThread());
    QCOMPARE(stateDuringDownload.load(), int(VitacorDevice::Downloading));
    QCOMPARE(device.state(), int(VitacorDevice::Connected));
    QCOMPARE(files.last(), (QVariantList{3, 3}));
    QCOMPARE(bytes.last(), (QVariantList{3000, 3000}));
    QCOMPARE(readFile(tempFolder(kSn) + "dev.dat"), MonitorFolder::info(49, kSn) + "BR-07" + '\0');
    QCOMPARE(entries(tempFolder(kSn)), (QStringList{time.text(), time.text() + ".wav", "dev.dat", "ecg.dat"}));
    const QStringList lines = log.logLines();
    QCOMPARE(lines.first(), QString(kSn) + " start download.");
    QCOMPARE(lines.last(), QString("Download result:1"));
}

// A folder left by an interrupted run is not mixed into the next download, and
// a second download of the same monitor brings the same files.
void TestVitacorDevice::downloadStartsFromEmptyFolder()
{
    const MonitorFolder monitor(m_bus->busDir(), "m1", 49, kSn);
    monitor.writeRandomFile("usr.dat", 27);
    QDir().mkpath(tempFolder(kSn));
    QFile stale(tempFolder(kSn) + "ecg.dat");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(record<EcgRecord>(checkTime(2, 2)));
    stale.close();
    VitacorDevice device;
    QVERIFY(device.connectDevice());

    QCOMPARE(downloadWith(device).value(0).toBool(), true);
    const QStringList first = entries(tempFolder(kSn));
    QCOMPARE(first, (QStringList{"dev.dat", "usr.dat"}));
    QCOMPARE(downloadWith(device).value(0).toBool(), true);
    QCOMPARE(entries(tempFolder(kSn)), first);
}

void TestVitacorDevice::corvisetSkipsStoredChecks()
{
    const QByteArray sn = "CV0042";
    const MonitorFolder monitor(m_bus->busDir(), "m1", 5, sn);
    const CheckTime stored = checkTime(3, 3), fresh = checkTime(4, 4);
    monitor.writeFile("1dlc.dat", record<CorvisetDailyRecord>(stored) + record<CorvisetDailyRecord>(fresh));
    monitor.writeRandomFile(stored.text(), 200);
    monitor.writeRandomFile(fresh.text(), 200);
    DeviceInfo info;
    info.modelType = 5;
    info.sn = sn;
    QVERIFY(DbOperator::instance()->storeDevice(info));
    QVERIFY(
        DbOperator::instance()->insertChecks(sn, CheckType::CorvisetDailyCheck, {record<CorvisetDailyRecord>(stored)}));
    QVERIFY(QDir().mkpath(dataDir() + "/" + sn));
    QFile kept(dataDir() + "/" + sn + "/" + stored.text());
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.close();
    VitacorDevice device;
    QVERIFY(device.connectDevice());

    QCOMPARE(downloadWith(device).value(0).toBool(), true);
    QCOMPARE(m_log->names(XHarvo2::FileSize), (QStringList{"1dlc.dat", fresh.text()}));
}

// The worker takes the data directory and the stored checks from the request,
// not from the configuration or the record store.
void TestVitacorDevice::downloadUsesItsContext()
{
    const MonitorFolder monitor(m_bus->busDir(), "m1", 49, kSn);
    const CheckTime kept = checkTime(3, 3), fresh = checkTime(4, 4);
    monitor.writeFile("ecg.dat", record<EcgRecord>(kept) + record<EcgRecord>(fresh));
    monitor.writeRandomFile(kept.text(), 200);
    monitor.writeRandomFile(fresh.text(), 200);
    DownloadContext context;
    context.dataDir = dataDir() + "/elsewhere";
    context.storedFlowIds = {kept.text() + kSn};
    QVERIFY(QDir().mkpath(context.dataDir + "/" + kSn));
    QFile keptFile(context.dataDir + "/" + kSn + "/" + kept.text());
    QVERIFY(keptFile.open(QIODevice::WriteOnly));
    keptFile.close();
    VitacorDevice device;
    QVERIFY(device.connectDevice());
    QueuedSpy end(&device, &VitacorDevice::downloadEnd);

    QVERIFY(device.requestDownload(context));
    QVERIFY(end.waitFor(1));

    const QString folder = DownloadFolder::scratchPath(context.dataDir, kSn);
    QCOMPARE(end.last(), (QVariantList{true, folder}));
    const QStringList requested = m_log->names(XHarvo2::FileSize);
    QVERIFY(requested.contains(fresh.text()));
    QVERIFY(!requested.contains(kept.text()));
    QVERIFY(QFile::exists(folder + fresh.text()));
    QVERIFY(!QFileInfo::exists(tempFolder(kSn)));
}

void TestVitacorDevice::uncreatableTemporaryFolder()
{
    MonitorFolder(m_bus->busDir(), "m1", 49, kSn);
    QFile blocker(tempFolder(kSn).chopped(1));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    VitacorDevice device;
    QVERIFY(device.connectDevice());
    LinkLog log;

    QCOMPARE(downloadWith(device), (QVariantList{false, tempFolder(kSn)}));
    const QString failure = "Download of " + kSn + " failed here: cannot create " + tempFolder(kSn) + ": ";
    const QStringList lines = log.logLines();
    QVERIFY(
        std::any_of(lines.begin(), lines.end(), [&failure](const QString& line) { return line.startsWith(failure); }));
    QCOMPARE(device.state(), int(VitacorDevice::Connected));
    QCOMPARE(m_log->commands(), (QList<int>{RequestLog::kIdentify, XHarvo2::BranchCode}));
}

// The folder of a monitor whose serial number is "temp_" + this one's is a device folder like any other.
void TestVitacorDevice::scratchFolderIsNoDeviceFolder()
{
    MonitorFolder(m_bus->busDir(), "m1", 49, kSn).writeFile("usr.dat", userRecord(1, 27));
    const QString otherDevice = dataDir() + "/temp_" + kSn + "/";
    QVERIFY(QDir().mkpath(otherDevice));
    QFile kept(otherDevice + "20240101000000");
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.close();
    VitacorDevice device;
    QVERIFY(device.connectDevice());

    const QVariantList end = downloadWith(device);

    QCOMPARE(end.value(0).toBool(), true);
    QVERIFY(QDir(end.value(1).toString()) != QDir(otherDevice));
    QCOMPARE(entries(otherDevice), QStringList{"20240101000000"});
    device.takeDownloadFolder().reset();
    QCOMPARE(entries(otherDevice), QStringList{"20240101000000"});
}

// A download of the monitor by another process holds its lock: this one waits, then says so and fetches nothing.
void TestVitacorDevice::lockedMonitorIsNotDownloaded()
{
    MonitorFolder(m_bus->busDir(), "m1", 49, kSn);
    QLockFile other(DownloadFolder::lockPath(dataDir(), kSn));
    QVERIFY(other.tryLock());
    VitacorDevice device;
    QVERIFY(device.connectDevice());

    QCOMPARE(downloadWith(device).value(0).toBool(), false);

    QVERIFY(device.takeDownloadFolder()->notes().busy);
    QCOMPARE(m_log->commands(), (QList<int>{RequestLog::kIdentify, XHarvo2::BranchCode}));
}

QTEST_GUILESS_MAIN(TestVitacorDevice)
#include "TestVitacorDevice.moc"
