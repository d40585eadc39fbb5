#include "device/Crc8.h"
#include "device/XHarvo2.h"
#include "support/LinkLog.h"
#include "support/MonitorFolder.h"
#include "support/TestBus.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Progress = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Progress)

namespace {

uint8_t bitwiseCrc8(const QByteArray& data)
{
    uint8_t crc = 0;
    for (char byte : data) {
        crc ^= uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? uint8_t((crc << 1) ^ 0x07) : uint8_t(crc << 1);
    }
    return crc;
}

uint8_t crcOf(const QByteArray& data, int length)
{
    return Crc8::compute(reinterpret_cast<const unsigned char*>(data.constData()), size_t(length));
}

Progress progressOf(const QSignalSpy& spy)
{
    Progress progress;
    for (const QList<QVariant>& signal : spy)
        progress << qMakePair(signal.at(0).toInt(), signal.at(1).toInt());
    return progress;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestXHarvo2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void crc8_data();
    void crc8();
    void requestPacketLayout();
    void largeFileStartPacket();
    void setCommandRefreshesCrc();

    void identifiesMonitor();
    void branchCodeWithoutText();
    void pingAndDisconnect();
    void fileCountCountsMonitorFiles();
    void transportNeverOpensHeldMonitor();
    void noMonitorNoIdentification();

    void getFileInChunks();
    void transfersWholeFile_data();
    void transfersWholeFile();
    void refusedOrEmptyFileGivesZero_data();
    void refusedOrEmptyFileGivesZero();
    void uncreatableLocalFile();
    void getLargeFileInBlocks();
    void refusedLargeFile();
    void uncreatableHolterFile();

private:
    std::unique_ptr<TestBus> m_bus;
    std::unique_ptr<MonitorFolder> m_monitor;
    std::unique_ptr<XHarvo2> m_link;
};

// The log file that the link writes to lives there; the program's start makes it.
void TestXHarvo2::initTestCase()
{
    QVERIFY(QDir().mkpath(Config::instance()->dataDir()));
}

void TestXHarvo2::init()
{
    m_bus = std::make_unique<TestBus>();
    m_monitor = std::make_unique<MonitorFolder>(m_bus->busDir(), "m1");
    m_link = std::make_unique<XHarvo2>();
}

void TestXHarvo2::cleanup()
{
    m_link.reset();
    QCOMPARE(m_bus->bus().violations(), QStringList());
    m_monitor.reset();
    m_bus.reset();
}

void TestXHarvo2::crc8_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("crc");
    QTest::newRow("digits 1 to 9") << QByteArray("123456789") << 0xF4;
    QTest::newRow("abc") << QByteArray("abc") << 0x5F;
    QTest::newRow("empty") << QByteArray() << 0x00;
    const QByteArray random = MonitorFolder::randomBytes(1151, 7);
    QTest::newRow("random request body") << random << int(bitwiseCrc8(random));
}

void TestXHarvo2::crc8()
{
    QFETCH(QByteArray, data);
    QFETCH(int, crc);
    QCOMPARE(int(crcOf(data, data.size())), crc);
}

void TestXHarvo2::requestPacketLayout()
{
    const QByteArray packet = XHarvo2::requestPacket(XHarvo2::FileSize, "usr.dat");
    QCOMPARE(packet.size(), 1152);
    QCOMPARE(quint8(packet.at(0)), quint8(0xAC));
    QCOMPARE(quint8(packet.at(1)), quint8(0x0B));
    QCOMPARE(packet.mid(2, 13), QByteArray(13, '\0'));
    QCOMPARE(packet.mid(15, 8), QByteArray("usr.dat\0", 8));
    QCOMPARE(packet.mid(23, 1128), QByteArray(1128, '\0'));
    QCOMPARE(quint8(packet.at(1151)), crcOf(packet, 1151));

    const QByteArray bare = XHarvo2::requestPacket(XHarvo2::Ping);
    QCOMPARE(bare.mid(2, 1149), QByteArray(1149, '\0'));
}

void TestXHarvo2::largeFileStartPacket()
{
    const QByteArray packet = XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "waveFile", 10);
    QCOMPARE(quint8(packet.at(1)), quint8(0x1E));
    QCOMPARE(packet.mid(15, 8), QByteArray("waveFile"));
    QCOMPARE(packet.mid(23, 12), QByteArray(12, '\0'));
    QCOMPARE(packet.mid(35, 4), QByteArray("\x0a\0\0\0", 4));
    QCOMPARE(packet.mid(39, 1112), QByteArray(1112, '\0'));
    QCOMPARE(quint8(packet.at(1151)), crcOf(packet, 1151));

    // A name of more than 20 bytes keeps its first 20, the block count stays at 35.
    const QByteArray longName = XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "abcdefghijklmnopqrstuvwxyz", 300);
    QCOMPARE(longName.mid(15, 20), QByteArray("abcdefghijklmnopqrst"));
    QCOMPARE(longName.mid(35, 4), QByteArray("\x2c\x01\0\0", 4));
}

void TestXHarvo2::setCommandRefreshesCrc()
{
    QByteArray packet = XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "waveFile", 10);
    XHarvo2::setCommand(packet, XHarvo2::LargeFileData);
    QCOMPARE(packet, XHarvo2::largeFilePacket(XHarvo2::LargeFileData, "waveFile", 10));
}

void TestXHarvo2::identifiesMonitor()
{
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QCOMPARE(info, MonitorFolder::info(0, "SN12345678"));
    QString branch = "old";
    QVERIFY(m_link->getBranchCode(branch));
    QCOMPARE(branch, QString("BR-07"));
    // The identification request is 640 bytes of 0x43 in ten reports.
    const QList<TraceFile::Line> trace = m_bus->trace();
    QVERIFY(trace.size() >= 20);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(trace[i].bytes, QByteArray(1, '\0') + QByteArray(64, 0x43));
}

void TestXHarvo2::branchCodeWithoutText()
{
    m_monitor->writeFile("identity.dat", MonitorFolder::info(5, "") + '\0');
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QCOMPARE(int(info.at(0)), 5);
    QString branch = "old";
    QVERIFY(m_link->getBranchCode(branch));
    QCOMPARE(branch, QString());
}

void TestXHarvo2::pingAndDisconnect()
{
    QVERIFY(!m_link->ping()); // not open yet
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QVERIFY(m_link->ping());
    QVERIFY(m_link->disconnectDevice());
    QVERIFY(!m_link->ping());
    QVERIFY(!m_link->disconnectDevice());
    // Released: another transport takes the monitor now.
    XHarvo2 other;
    QVERIFY(other.getDeviceInfo(info));
    QVERIFY(other.disconnectDevice());
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x06, 0x04, 0x04}));
}

void TestXHarvo2::fileCountCountsMonitorFiles()
{
    m_monitor->writeFile("usr.dat", QByteArray(27, 'u'));
    m_monitor->writeFile("ecg.dat", QByteArray(20, 'e'));
    m_monitor->writeFile("20240102080000", QByteArray(100, 'd'));
    m_monitor->writeFile("faults", "# none\n");
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QCOMPARE(m_link->getFileCount(), 3);
}

void TestXHarvo2::transportNeverOpensHeldMonitor()
{
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    XHarvo2 second;
    QVERIFY(!second.getDeviceInfo(info));
    MonitorFolder(m_bus->busDir(), "m2", 3, "SECOND");
    QVERIFY(second.getDeviceInfo(info));
    QCOMPARE(info.mid(5, 6), QByteArray("SECOND"));
    XHarvo2 third;
    QVERIFY(!third.getDeviceInfo(info));
    QVERIFY(m_link->ping());
    QVERIFY(second.ping());
}

void TestXHarvo2::noMonitorNoIdentification()
{
    m_monitor->remove();
    QByteArray info;
    QVERIFY(!m_link->getDeviceInfo(info));
    QVERIFY(info.isEmpty());
    QCOMPARE(m_link->getFileCount(), -1);
    QCOMPARE(m_link->getFile(m_bus->localPath("usr.dat"), "usr.dat"), -1);
}

void TestXHarvo2::getFileInChunks()
{
    const QByteArray content = m_monitor->writeRandomFile("3dlc.dat", 1300);
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QSignalSpy spy(m_link.get(), &XHarvo2::downloadProgress);
    LinkLog log;
    QCOMPARE(m_link->getFile(m_bus->localPath("3dlc.dat"), "3dlc.dat"), 1300);
    QCOMPARE(readFile(m_bus->localPath("3dlc.dat")), content);
    QCOMPARE(progressOf(spy), Progress({{0, 1300}, {635, 1300}, {1270, 1300}, {1300, 1300}}));
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x0B, 0x0C, 0x0C, 0x0C, 0x0D}));
    QCOMPARE(log.debugLines(), QStringList("[INFO] file size: 1300"));
    QCOMPARE(log.logLines(), QStringList());
}

void TestXHarvo2::transfersWholeFile_data()
{
    QTest::addColumn<int>("blocks"); // 0: a single-file transfer in 635-byte chunks
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("dataRequests");
    QTest::newRow("one byte") << 0 << 1 << 1;
    QTest::newRow("one chunk") << 0 << 635 << 1;
    QTest::newRow("one byte over a chunk") << 0 << 636 << 2;
    QTest::newRow("100 kB") << 0 << 100000 << 158;
    QTest::newRow("one block, one byte") << 1 << 1 << 1;
    QTest::newRow("one block exactly") << 1 << 635 << 1;
    QTest::newRow("ten blocks exactly") << 10 << 6395 << 1;
    QTest::newRow("ten blocks one over") << 10 << 6396 << 2;
    QTest::newRow("64 blocks") << 64 << 100000 << 3;
}

void TestXHarvo2::transfersWholeFile()
{
    QFETCH(int, blocks);
    QFETCH(int, size);
    QFETCH(int, dataRequests);
    const QByteArray content = m_monitor->writeRandomFile("20240102080000", size, quint32(size));
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    const QString local = m_bus->localPath("copy");
    QCOMPARE(blocks == 0 ? m_link->getFile(local, "20240102080000")
                         : m_link->getLargeFile(local, "20240102080000", blocks),
             size);
    QCOMPARE(readFile(local), content);
    QCOMPARE(m_bus->requestCommands().count(blocks == 0 ? 0x0C : 0x1F), dataRequests);
}

void TestXHarvo2::refusedOrEmptyFileGivesZero_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("absent") << false;
    QTest::newRow("empty") << true;
}

void TestXHarvo2::refusedOrEmptyFileGivesZero()
{
    QFETCH(bool, present);
    if (present)
        m_monitor->writeFile("xusr.dat", QByteArray());
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QSignalSpy spy(m_link.get(), &XHarvo2::downloadProgress);
    LinkLog log;
    QCOMPARE(m_link->getFile(m_bus->localPath("xusr.dat"), "xusr.dat"), 0);
    QVERIFY(!QFile::exists(m_bus->localPath("xusr.dat")));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x0B, 0x0D}));
    QCOMPARE(log.debugLines(), QStringList("[INFO] file size: 0"));
}

void TestXHarvo2::uncreatableLocalFile()
{
    m_monitor->writeRandomFile("usr.dat", 54);
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    LinkLog log;
    const QString path = m_bus->localPath("missing/usr.dat");
    QCOMPARE(m_link->getFile(path, "usr.dat"), -1);
    QCOMPARE(log.debugLines(), QStringList({"[INFO] file size: 54", "[ERR] sharvo2 create file err"}));
    QCOMPARE(log.logLines(), QStringList("Create file " + path + " failed."));
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x0B, 0x0D}));
}

void TestXHarvo2::getLargeFileInBlocks()
{
    const QByteArray content = m_monitor->writeRandomFile("waveFile", 13000);
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    QSignalSpy spy(m_link.get(), &XHarvo2::downloadProgress);
    LinkLog log;
    QCOMPARE(m_link->getLargeFile(m_bus->localPath("waveFile"), "waveFile", 10), 13000);
    QCOMPARE(readFile(m_bus->localPath("waveFile")), content);
    QCOMPARE(progressOf(spy), Progress({{0, 13000}, {6395, 13000}, {12790, 13000}, {13000, 13000}}));
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x1E, 0x1F, 0x1F, 0x1F, 0x20}));
    QCOMPARE(log.logLines(), QStringList("Large file size:13000"));
    QCOMPARE(log.debugLines(), QStringList({"waveFile :13000", "waveFile :6605", "waveFile :210"}));

    // The start packet crosses the bus exactly as built: name, block count and CRC.
    const QList<TraceFile::Line> trace = m_bus->trace();
    const QByteArray start = XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "waveFile", 10);
    const int first = 20; // after identification: 10 reports out, 10 in
    for (int i = 0; i < 18; ++i)
        QCOMPARE(trace[first + i].bytes, QByteArray(1, '\0') + start.mid(64 * i, 64));
    // A data reply of ten blocks is 100 reports.
    QCOMPARE(std::count_if(trace.begin(), trace.end(), [](const TraceFile::Line& l) { return l.direction == '<'; }),
             10 + 10 + 3 * 100 + 10);
}

void TestXHarvo2::refusedLargeFile()
{
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    LinkLog log;
    QCOMPARE(m_link->getLargeFile(m_bus->localPath("waveFile"), "waveFile", 10), -1);
    QVERIFY(!QFile::exists(m_bus->localPath("waveFile")));
    QCOMPARE(log.logLines(), QStringList("Get file large start ack code != ACKCMD_OK."));
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x1E, 0x20}));
}

void TestXHarvo2::uncreatableHolterFile()
{
    m_monitor->writeRandomFile("waveFile", 7000);
    QByteArray info;
    QVERIFY(m_link->getDeviceInfo(info));
    LinkLog log;
    QCOMPARE(m_link->getLargeFile(m_bus->localPath("missing/waveFile"), "waveFile", 10), -1);
    QCOMPARE(log.logLines(), QStringList("Create Holter file failed."));
    QCOMPARE(m_bus->requestCommands(), QList<int>({0x1E, 0x20}));
}

QTEST_GUILESS_MAIN(TestXHarvo2)
#include "TestXHarvo2.moc"
