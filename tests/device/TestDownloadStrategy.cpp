#include "DownloadTestSupport.h"
#include "RequestLog.h"
#include "db/DbOperator.h"
#include "device/DownloadStrategy.h"
#include "device/XHarvo2.h"
#include "emulator/DemoMonitorWriter.h"
#include "emulator/EmulatedMonitor.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/DailyRecord.h"
#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/MultiTestFile.h"
#include "files/MultiTestRecord.h"
#include "support/LinkLog.h"
#include "support/MonitorFolder.h"
#include "support/TestBus.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace DownloadTestSupport;

namespace {

const QString kSn = QStringLiteral("SN12345678");

// The names a download asks for: file-size and large-file-start requests.
QStringList requestedFiles(const RequestLog& log)
{
    QStringList names;
    const QList<RequestLog::Request> requests = log.requests();
    for (const RequestLog::Request& request : requests) {
        if (request.command == XHarvo2::FileSize || request.command == XHarvo2::LargeFileStart)
            names << request.name;
    }
    return names;
}

QString timeName(const CheckTime& time)
{
    return time.text();
}

void writeFileAt(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

// The download strategies against emulated monitors, through the real
// transport and protocol: which files are asked for, in which order, what is
// skipped, and how the files are counted.
class TestDownloadStrategy : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyModelFetchesItsFiles_data();
    void everyModelFetchesItsFiles();
    void dailyModelsFetchExactly_data();
    void dailyModelsFetchExactly();
    void fileCountZeroFailsBeforeAnyFile();
    void storedDetailIsCountedNotFetched_data();
    void storedDetailIsCountedNotFetched();
    void multiTestOnlyInChineseEdition_data();
    void multiTestOnlyInChineseEdition();
    void multiTestLinkCutFails();
    void holterRecording_data();
    void holterRecording();
    void refusedDetailIsPassedOver();
    void corvisetDownload_data();
    void corvisetDownload();
    void progressTotalIsNeverBelowCount();

private:
    MonitorFolder plug(quint8 modelType, const QString& name = "m1", const QByteArray& serial = kSn.toLatin1());
    // Identifies the monitor and runs the model's strategy into the temporary folder.
    bool download(int modelType, const QString& sn = kSn);

    std::unique_ptr<TestBus> m_bus;
    std::shared_ptr<RequestLog> m_log;
    QList<QPair<int, int>> m_progress;
};

void TestDownloadStrategy::initTestCase()
{
    freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestDownloadStrategy::init()
{
    freshDataDir();
    Config::instance()->setLanguage(1);
    m_bus = std::make_unique<TestBus>();
    m_log = RequestLog::install();
    m_progress.clear();
}

void TestDownloadStrategy::cleanup()
{
    QCOMPARE(m_bus->bus().violations(), QStringList());
    m_log.reset();
    m_bus.reset();
}

MonitorFolder TestDownloadStrategy::plug(quint8 modelType, const QString& name, const QByteArray& serial)
{
    return MonitorFolder(m_bus->busDir(), name, modelType, serial);
}

bool TestDownloadStrategy::download(int modelType, const QString& sn)
{
    XHarvo2 link;
    QByteArray info;
    if (!link.getDeviceInfo(info))
        return false;
    const std::shared_ptr<DownloadStrategy> strategy = DownloadStrategy::create(modelType);
    strategy->setSerialNumber(sn);
    strategy->setContext(DownloadContext::gather(sn));
    strategy->setXHarvo2(&link);
    connect(strategy.get(), &DownloadStrategy::fileDownloadProgress, this,
            [this](int done, int total) { m_progress << qMakePair(done, total); });
    QDir().mkpath(tempFolder(sn));
    const bool result = strategy->download(tempFolder(sn));
    link.disconnectDevice();
    return result;
}

void TestDownloadStrategy::everyModelFetchesItsFiles_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<int>("language");
    for (int modelType : DeviceModel::modelTypes())
        QTest::addRow("model %d", modelType) << modelType << 1;
    QTest::addRow("model 19, simplified-Chinese edition") << 19 << 2;
}

// The demo monitors hold exactly the files a download of their model asks for.
void TestDownloadStrategy::everyModelFetchesItsFiles()
{
    QFETCH(int, modelType);
    QFETCH(int, language);
    Config::instance()->setLanguage(language);
    const DemoMonitorWriter writer(modelType, 7, 120);
    const QString folder = m_bus->busDir() + "/" + writer.folderName();
    QDir().mkpath(folder);
    QString error;
    QVERIFY2(writer.write(folder, &error), qPrintable(error));

    QVERIFY(download(modelType, writer.serialNumber()));

    QMap<QString, QByteArray> expected = writer.files();
    expected.remove(EmulatedMonitor::kIdentityFileName);
    if (language != 2) {
        for (const QString& name : expected.keys()) {
            if (name.endsWith("rec.dat")) {
                const QList<QByteArray> records = MultiTestFile::fromBytes(expected.value(name)).records;
                for (const QByteArray& bytes : records)
                    expected.remove(RecordCodec::decode<MultiTestRecord>(bytes).checkTime.text());
                expected.remove(name);
            }
        }
    }
    const QStringList requested = requestedFiles(*m_log);
    QCOMPARE(QSet<QString>(requested.begin(), requested.end()).size(), requested.size());
    QStringList wanted = expected.keys();
    QStringList got = entries(tempFolder(writer.serialNumber()));
    QVERIFY(!wanted.isEmpty());
    QCOMPARE(got, wanted);
    for (const QString& name : wanted)
        QVERIFY2(readFile(tempFolder(writer.serialNumber()) + name) == expected.value(name), qPrintable(name));
    // The Corviset progress counts its checks, not its index file.
    QCOMPARE(m_progress.last().first, modelType == 5 ? wanted.size() - 1 : wanted.size());
}

void TestDownloadStrategy::dailyModelsFetchExactly_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addRow("Vitacor Lite HDMI") << 1;
    QTest::addRow("Vitacor Lite USB") << 6;
}

// Mask 0x0013: user lists, ECG with details and voice, oximeter index, per-user
// daily checks with details and voice; the other files of the monitor stay put.
void TestDownloadStrategy::dailyModelsFetchExactly()
{
    QFETCH(int, modelType);
    const MonitorFolder monitor = plug(quint8(modelType));
    const CheckTime ecg1 = checkTime(1, 8), ecg2 = checkTime(2, 9), daily = checkTime(3, 10);
    monitor.writeFile("usr.dat", userRecord(1, 27) + userRecord(3, 27));
    monitor.writeFile("xusr.dat", userRecord(2, 75));
    monitor.writeFile("ecg.dat", record<EcgRecord>(ecg1) + record<EcgRecord>(ecg2, 1));
    monitor.writeRandomFile(timeName(ecg1), 1300);
    monitor.writeRandomFile(timeName(ecg2), 700);
    monitor.writeRandomFile(timeName(ecg2) + ".wav", 900);
    monitor.writeRandomFile("oxi.dat", 24);
    monitor.writeFile("1dlc.dat", record<DailyRecord>(daily, 1));
    monitor.writeRandomFile(timeName(daily), 640);
    monitor.writeRandomFile(timeName(daily) + ".wav", 100);
    for (const char* other : {"tmp.dat", "slm.dat", "waveFile", "2spc.dat", "1nibp.dat", "1ped.dat", "1glu.dat",
                              "2rec.dat", "nibp.dat", "glu.dat", "oxi_T.dat"})
        monitor.writeRandomFile(other, 40);

    QVERIFY(download(modelType));

    const QStringList expected{
        "usr.dat", "xusr.dat", "ecg.dat",       timeName(ecg1),           timeName(ecg2), timeName(ecg2) + ".wav",
        "oxi.dat", "1dlc.dat", timeName(daily), timeName(daily) + ".wav", "3dlc.dat"};
    QCOMPARE(requestedFiles(*m_log), expected);
    QCOMPARE(m_log->commands().mid(0, 2), (QList<int>{RequestLog::kIdentify, XHarvo2::FileCount}));
    QStringList stored = expected.mid(0, 10);
    stored.sort();
    QCOMPARE(entries(tempFolder(kSn)), stored);
    QCOMPARE(m_progress.first(), qMakePair(0, 21));
    QCOMPARE(m_progress.last(), qMakePair(10, 21));
}

void TestDownloadStrategy::fileCountZeroFailsBeforeAnyFile()
{
    plug(0);
    LinkLog log;
    QVERIFY(!download(0));
    QCOMPARE(m_log->commands(), (QList<int>{RequestLog::kIdentify, XHarvo2::FileCount, XHarvo2::Disconnect}));
    QVERIFY(log.logLines().contains("Downloading error: get file count = 0"));
    QVERIFY(m_progress.isEmpty());
}

void TestDownloadStrategy::storedDetailIsCountedNotFetched_data()
{
    QTest::addColumn<int>("modelType");
    QTest::addColumn<bool>("rowStored");
    QTest::addColumn<bool>("fileKept");
    QTest::addColumn<bool>("fetched");
    for (int modelType : {49, 5}) {
        QTest::addRow("model %d, row and file", modelType) << modelType << true << true << false;
        QTest::addRow("model %d, row without file", modelType) << modelType << true << false << true;
        QTest::addRow("model %d, file without row", modelType) << modelType << false << true << true;
        QTest::addRow("model %d, neither", modelType) << modelType << false << false << true;
    }
}

// Only a check whose row is stored and whose detail file is in the device folder is counted without a transfer.
void TestDownloadStrategy::storedDetailIsCountedNotFetched()
{
    QFETCH(int, modelType);
    QFETCH(bool, rowStored);
    QFETCH(bool, fileKept);
    QFETCH(bool, fetched);
    const MonitorFolder monitor = plug(quint8(modelType));
    const CheckTime time = checkTime(4, 7);
    const int checkType = modelType == 5 ? CheckType::CorvisetDailyCheck : CheckType::Ecg;
    const QByteArray index = modelType == 5 ? record<CorvisetDailyRecord>(time) : record<EcgRecord>(time);
    monitor.writeFile(modelType == 5 ? "1dlc.dat" : "ecg.dat", index);
    monitor.writeRandomFile(timeName(time), 500);
    DeviceInfo device;
    device.modelType = modelType;
    device.sn = kSn;
    QVERIFY(DbOperator::instance()->storeDevice(device));
    if (rowStored)
        QVERIFY(DbOperator::instance()->insertChecks(kSn, checkType, {index}));
    else
        QVERIFY(DbOperator::instance()->deleteCheck(kSn, checkType, timeName(time)));
    if (fileKept) {
        QDir().mkpath(dataDir() + "/" + kSn);
        writeFileAt(dataDir() + "/" + kSn + "/" + timeName(time));
    }

    QVERIFY(download(modelType));

    QCOMPARE(requestedFiles(*m_log).contains(timeName(time)), fetched);
    QCOMPARE(QFile::exists(tempFolder(kSn) + timeName(time)), fetched);
}

void TestDownloadStrategy::multiTestOnlyInChineseEdition_data()
{
    QTest::addColumn<int>("language");
    QTest::addRow("English edition") << 1;
    QTest::addRow("simplified-Chinese edition") << 2;
    QTest::addRow("customer edition") << 0;
}

// "1rec.dat" of 10 + 72 x 3 + 5 bytes: three detail requests, the missing third
// detail does not end the download, and the cut fourth record is not read.
void TestDownloadStrategy::multiTestOnlyInChineseEdition()
{
    QFETCH(int, language);
    Config::instance()->setLanguage(language);
    const MonitorFolder monitor = plug(19);
    const CheckTime first = checkTime(6, 8), second = checkTime(6, 9), third = checkTime(6, 10);
    monitor.writeFile("xusr.dat", userRecord(1, 75));
    monitor.writeFile("1rec.dat",
                      QByteArray(10, 'h') + stamped<MultiTestRecord>(first) + stamped<MultiTestRecord>(second) +
                          stamped<MultiTestRecord>(third) + QByteArray(5, '\x07'));
    monitor.writeRandomFile(timeName(first), 300);
    monitor.writeRandomFile(timeName(second), 300);

    QVERIFY(download(19));

    const QStringList requested = requestedFiles(*m_log);
    if (language == 2) {
        QCOMPARE(requested.mid(requested.indexOf("1rec.dat")),
                 (QStringList{"1rec.dat", timeName(first), timeName(second), timeName(third)}));
    } else {
        QVERIFY(!requested.contains("1rec.dat"));
        QCOMPARE(requested.last(), QString("glu.dat"));
    }
}

// A missing multi-test detail is passed over, a monitor gone in the middle of one is not.
void TestDownloadStrategy::multiTestLinkCutFails()
{
    Config::instance()->setLanguage(2);
    const MonitorFolder monitor = plug(19);
    const CheckTime time = checkTime(6, 8);
    monitor.writeFile("xusr.dat", userRecord(1, 75));
    monitor.writeFile("1rec.dat", QByteArray(10, 'h') + stamped<MultiTestRecord>(time));
    monitor.writeRandomFile(timeName(time), 3000);
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::unplugAfter(timeName(time), 1000));

    QVERIFY(!download(19));
    QCOMPARE(requestedFiles(*m_log).last(), timeName(time));
}

void TestDownloadStrategy::holterRecording_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<qint64>("unplugAfter");
    QTest::addColumn<bool>("complete");
    QTest::addRow("recording") << true << qint64(-1) << true;
    QTest::addRow("no recording") << false << qint64(-1) << true;
    QTest::addRow("unplugged mid-recording") << true << qint64(7000) << false;
}

void TestDownloadStrategy::holterRecording()
{
    QFETCH(bool, present);
    QFETCH(qint64, unplugAfter);
    QFETCH(bool, complete);
    const MonitorFolder monitor = plug(0);
    monitor.writeFile("usr.dat", userRecord(1, 27));
    const QByteArray recording = present ? monitor.writeRandomFile("waveFile", 20000) : QByteArray();
    if (unplugAfter >= 0)
        m_bus->bus().monitor("m1")->addFault(EmulatorFault::unplugAfter("waveFile", unplugAfter));

    QCOMPARE(download(0), complete);

    QCOMPARE(requestedFiles(*m_log).last(), QString("waveFile"));
    QCOMPARE(readFile(tempFolder(kSn) + "waveFile"), complete ? recording : QByteArray());
    // Only a refused start is taken for a monitor without a recording, and the monitor is asked whether it still
    // answers.
    QCOMPARE(m_log->commands().contains(XHarvo2::Ping), !present);
}

void TestDownloadStrategy::refusedDetailIsPassedOver()
{
    const MonitorFolder monitor = plug(49);
    const CheckTime refused = checkTime(7, 7), fine = checkTime(8, 7);
    monitor.writeFile("ecg.dat", record<EcgRecord>(refused) + record<EcgRecord>(fine));
    monitor.writeRandomFile(timeName(refused), 500);
    monitor.writeRandomFile(timeName(fine), 500);
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::refuse(timeName(refused)));

    QVERIFY(download(49));

    QCOMPARE(entries(tempFolder(kSn)), (QStringList{timeName(fine), "ecg.dat"}));
}

void TestDownloadStrategy::corvisetDownload_data()
{
    QTest::addColumn<int>("records");
    QTest::addRow("three checks") << 3;
    QTest::addRow("no index file") << -1;
    QTest::addRow("empty index file") << 0;
}

void TestDownloadStrategy::corvisetDownload()
{
    QFETCH(int, records);
    const MonitorFolder monitor = plug(5);
    QStringList expected{"1dlc.dat"};
    QByteArray index;
    for (int i = 0; i < records; ++i) {
        const CheckTime time = checkTime(10 + i, 12);
        index += record<CorvisetDailyRecord>(time, 1);
        monitor.writeRandomFile(timeName(time), 400 + i);
        expected << timeName(time);
    }
    if (records >= 0)
        monitor.writeFile("1dlc.dat", index);
    monitor.writeRandomFile("usr.dat", 27);

    QVERIFY(download(5));

    QCOMPARE(requestedFiles(*m_log), expected);
    QCOMPARE(m_log->commands().contains(XHarvo2::FileCount), false);
    if (records > 0)
        QCOMPARE(m_progress.last(), qMakePair(records, records));
}

// Stored checks are known by their flow id, the check time followed by the serial number.
// A monitor that cannot say how many files it holds (-1): the total rises with the count.
void TestDownloadStrategy::progressTotalIsNeverBelowCount()
{
    const MonitorFolder monitor = plug(49);
    const CheckTime time = checkTime(9, 9);
    monitor.writeFile("usr.dat", userRecord(1, 27));
    monitor.writeFile("ecg.dat", record<EcgRecord>(time, 1));
    monitor.writeRandomFile(timeName(time), 500);
    monitor.writeRandomFile(timeName(time) + ".wav", 500);
    m_bus->bus().monitor("m1")->addFault(EmulatorFault::fileCountStatus(1));

    QVERIFY(download(49));

    QCOMPARE(m_progress.first(), qMakePair(0, 0));
    QCOMPARE(m_progress.last(), qMakePair(4, 4));
    for (const auto& progress : qAsConst(m_progress))
        QVERIFY(progress.second >= progress.first && progress.first >= 0);
}

QTEST_GUILESS_MAIN(TestDownloadStrategy)
#include "TestDownloadStrategy.moc"
