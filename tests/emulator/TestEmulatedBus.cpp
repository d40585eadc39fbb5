#include "device/Crc8.h"
#include "device/HidClass.h"
#include "device/XHarvo2.h"
#include "support/LinkLog.h"
#include "support/MonitorFolder.h"
#include "support/TestBus.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// Sends one request as 65-byte reports straight through the bus backend.
void sendRequest(EmulatedBus& bus, HidDevice& device, const QByteArray& request)
{
    for (int offset = 0; offset < request.size(); offset += 64) {
        const QByteArray report = QByteArray(1, '\0') + request.mid(offset, 64);
        bus.write(device, reinterpret_cast<const unsigned char*>(report.constData()), report.size());
    }
}

// Every report of the pending reply.
QByteArray readReply(EmulatedBus& bus, HidDevice& device)
{
    QByteArray reply;
    unsigned char report[64];
    while (bus.read(device, report, 64, 0) > 0)
        reply += QByteArray(reinterpret_cast<const char*>(report), 64);
    return reply;
}

QByteArray sizeRequest(const QByteArray& name)
{
    return XHarvo2::requestPacket(XHarvo2::FileSize, name);
}

QByteArray withCommand(QByteArray packet, quint8 command)
{
    XHarvo2::setCommand(packet, command);
    return packet;
}

} // namespace

class TestEmulatedBus : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void plugAndUnplugByFolder();
    void unplugMidTransfer_data();
    void unplugMidTransfer();
    void traceLinesPerReport();
    void replyLayout();
    void requestChecking_data();
    void requestChecking();
    void reportChecking();
    void pacingTakesOneFramePerReport();
    void installFromArguments_data();
    void installFromArguments();

private:
    std::unique_ptr<TestBus> m_bus;
    bool m_expectViolations = false;
};

void TestEmulatedBus::init()
{
    m_bus = std::make_unique<TestBus>();
    m_expectViolations = false;
}

void TestEmulatedBus::cleanup()
{
    if (!m_expectViolations)
        QCOMPARE(m_bus->bus().violations(), QStringList());
    m_bus.reset();
}

void TestEmulatedBus::plugAndUnplugByFolder()
{
    XHarvo2 link;
    QByteArray info;
    QVERIFY(!link.getDeviceInfo(info));
    QDir(m_bus->busDir()).mkdir("not-a-monitor");
    MonitorFolder staging(m_bus->busDir(), ".staging");
    QVERIFY(!link.getDeviceInfo(info));
    QCOMPARE(m_bus->bus().monitorNames(), QStringList());

    MonitorFolder m1(m_bus->busDir(), "m1");
    QCOMPARE(m_bus->bus().monitorNames(), QStringList("m1"));
    QVERIFY(link.getDeviceInfo(info));
    QVERIFY(link.ping());

    m1.remove();
    QVERIFY(!link.ping());
    QCOMPARE(m_bus->bus().monitorNames(), QStringList());

    MonitorFolder back(m_bus->busDir(), "m1", 5, "BACK");
    XHarvo2 again;
    QVERIFY(again.getDeviceInfo(info));
    QCOMPARE(int(info.at(0)), 5);
    QVERIFY(!link.ping()); // the old handle belongs to the unplugged monitor
    QVERIFY(again.ping());
    QVERIFY(!m_bus->bus().open(0x1234, HidClass::kProductId));
}

void TestEmulatedBus::unplugMidTransfer_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("file") << false << QStringList("Get file data send failed.");
    QTest::newRow("large file") << true << QStringList({"Large file size:20000", "get large data send failed."});
}

void TestEmulatedBus::unplugMidTransfer()
{
    QFETCH(bool, large);
    QFETCH(QStringList, log);
    MonitorFolder m1(m_bus->busDir(), "m1");
    m1.writeRandomFile("ecg.dat", 20000);
    XHarvo2 link;
    QByteArray info;
    QVERIFY(link.getDeviceInfo(info));
    // The cable is pulled once the first data has arrived.
    connect(&link, &XHarvo2::downloadProgress, this, [&](int done) {
        if (done > 0)
            QDir().rename(m1.path(), m_bus->busDir() + "/../unplugged");
    });
    LinkLog lines;
    const QString local = m_bus->localPath("ecg.dat");
    QCOMPARE(large ? link.getLargeFile(local, "ecg.dat", 10) : link.getFile(local, "ecg.dat"), -1);
    QCOMPARE(lines.logLines(), log);
    QVERIFY(!QFile::exists(local));
    QVERIFY(!link.ping());
}

void TestEmulatedBus::traceLinesPerReport()
{
    MonitorFolder m1(m_bus->busDir(), "m1");
    XHarvo2 link;
    QByteArray info;
    QVERIFY(link.getDeviceInfo(info));
    QVERIFY(link.ping());
    QFile file(m_bus->tracePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 10 + 10 + 18 + 10);
    const QRegularExpression out("^> m1 00[0-9a-f]{128}$");
    const QRegularExpression in("^< m1 [0-9a-f]{128}$");
    for (int i = 0; i < lines.size(); ++i) {
        const bool hostToMonitor = i < 10 || (i >= 20 && i < 38);
        QVERIFY2((hostToMonitor ? out : in).match(lines[i]).hasMatch(), qPrintable(lines[i]));
    }
    QCOMPARE(lines[0], "> m1 00" + QString(128, '4').replace("44", "43"));
    QCOMPARE(lines[20].left(11), QString("> m1 00ac06"));
}

void TestEmulatedBus::replyLayout()
{
    MonitorFolder m1(m_bus->busDir(), "m1");
    m1.writeFile("identity.dat", MonitorFolder::info(3, "SN1") + "HQ-9\nrest" + '\0');
    m1.writeRandomFile("usr.dat", 54);
    m1.writeRandomFile("20240102080000.wav", 10);
    m1.writeFile(".hidden", "x");
    EmulatedBus& bus = m_bus->bus();
    std::unique_ptr<HidDevice> device = bus.open(HidClass::kVendorId, HidClass::kProductId);
    QVERIFY(device);

    sendRequest(bus, *device, XHarvo2::requestPacket(XHarvo2::BranchCode));
    const QByteArray branch = readReply(bus, *device);
    QCOMPARE(branch.size(), 640);
    QCOMPARE(quint8(branch.at(0)), quint8(0x21));
    QCOMPARE(branch.at(1), '\0');
    const QByteArray json = R"({"BranchCode:":"HQ-9"})";
    QCOMPARE(branch.mid(4, json.size() + 1), json + '\0');
    QCOMPARE(quint8(branch.at(639)), Crc8::compute(reinterpret_cast<const unsigned char*>(branch.constData()), 639));

    sendRequest(bus, *device, XHarvo2::requestPacket(XHarvo2::FileCount));
    const QByteArray count = readReply(bus, *device);
    QCOMPARE(count.mid(1, 7), QByteArray("\0\x04\0\x02\0\0\0", 7));

    sendRequest(bus, *device, sizeRequest("identity.dat"));
    QCOMPARE(quint8(readReply(bus, *device).at(1)), EmulatedMonitor::kRefused);
    sendRequest(bus, *device, XHarvo2::requestPacket(XHarvo2::FileEnd));
    QCOMPARE(readReply(bus, *device).size(), 640);
    bus.close(std::move(device));
}

void TestEmulatedBus::requestChecking_data()
{
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::addColumn<QString>("violation");
    QByteArray badCrc = XHarvo2::requestPacket(XHarvo2::Ping);
    badCrc[1151] = char(badCrc.at(1151) ^ 1);
    QTest::newRow("CRC") << QList<QByteArray>{badCrc} << "request with CRC";
    QByteArray header = XHarvo2::requestPacket(XHarvo2::Ping);
    header[5] = 1;
    QTest::newRow("header byte") << QList<QByteArray>{withCommand(header, XHarvo2::Ping)}
                                 << "non-zero byte at 5 (header)";
    QTest::newRow("unknown command") << QList<QByteArray>{XHarvo2::requestPacket(0x77)} << "unknown command 0x77";
    QTest::newRow("payload on ping") << QList<QByteArray>{XHarvo2::requestPacket(XHarvo2::Ping, "x")}
                                     << "non-zero byte at 15 (payload)";
    QTest::newRow("empty file name") << QList<QByteArray>{sizeRequest(QByteArray())} << "empty file name";
    QTest::newRow("data without size") << QList<QByteArray>{XHarvo2::requestPacket(XHarvo2::FileData, "usr.dat")}
                                       << "outside its transfer";
    QTest::newRow("data for another name")
        << QList<QByteArray>{sizeRequest("usr.dat"), XHarvo2::requestPacket(XHarvo2::FileData, "xusr.dat")}
        << "outside its transfer";
    QTest::newRow("data past the end") << QList<QByteArray>{sizeRequest("usr.dat"),
                                                            XHarvo2::requestPacket(XHarvo2::FileData, "usr.dat"),
                                                            XHarvo2::requestPacket(XHarvo2::FileData, "usr.dat")}
                                       << "no data left";
    QTest::newRow("end without start") << QList<QByteArray>{XHarvo2::requestPacket(XHarvo2::FileEnd)}
                                       << "file-end request without a file transfer";
    QTest::newRow("end keeps the name") << QList<QByteArray>{sizeRequest("usr.dat"),
                                                             withCommand(sizeRequest("usr.dat"), XHarvo2::FileEnd)}
                                        << "non-zero byte at 15 (payload)";
    QTest::newRow("transfer inside a transfer")
        << QList<QByteArray>{sizeRequest("usr.dat"), sizeRequest("usr.dat")} << "a transfer starts while";
    QTest::newRow("block count 0") << QList<QByteArray>{XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "waveFile",
                                                                                 0)}
                                   << "block count 0";
    QTest::newRow("block count above 64")
        << QList<QByteArray>{XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "waveFile", 65)} << "block count 65";
    QTest::newRow("large data with another block count")
        << QList<QByteArray>{XHarvo2::largeFilePacket(XHarvo2::LargeFileStart, "waveFile", 10),
                             XHarvo2::largeFilePacket(XHarvo2::LargeFileData, "waveFile", 5)}
        << "outside its transfer";
    QTest::newRow("large end without start")
        << QList<QByteArray>{XHarvo2::largeFilePacket(XHarvo2::LargeFileEnd, "waveFile", 10)} << "outside its transfer";
    QByteArray identification(640, 0x43);
    identification[600] = 0;
    QTest::newRow("identification bytes")
        << QList<QByteArray>{identification} << "identification request with bytes other than 0x43";
}

void TestEmulatedBus::requestChecking()
{
    QFETCH(QList<QByteArray>, requests);
    QFETCH(QString, violation);
    m_expectViolations = true;
    MonitorFolder m1(m_bus->busDir(), "m1");
    m1.writeRandomFile("usr.dat", 600);
    m1.writeRandomFile("waveFile", 600);
    EmulatedBus& bus = m_bus->bus();
    std::unique_ptr<HidDevice> device = bus.open(HidClass::kVendorId, HidClass::kProductId);
    QVERIFY(device);
    for (const QByteArray& request : requests) {
        sendRequest(bus, *device, request);
        QVERIFY(!readReply(bus, *device).isEmpty());
    }
    const QStringList found = bus.violations();
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first().startsWith("m1: ") && found.first().contains(violation), qPrintable(found.first()));
    bus.close(std::move(device));
}

void TestEmulatedBus::reportChecking()
{
    m_expectViolations = true;
    MonitorFolder m1(m_bus->busDir(), "m1");
    EmulatedBus& bus = m_bus->bus();
    std::unique_ptr<HidDevice> device = bus.open(HidClass::kVendorId, HidClass::kProductId);
    QVERIFY(device);
    const QByteArray ping = XHarvo2::requestPacket(XHarvo2::Ping);

    QByteArray shortReport = QByteArray(1, '\0') + ping.left(63);
    QCOMPARE(bus.write(*device, reinterpret_cast<const unsigned char*>(shortReport.constData()), 64), -1);
    QByteArray stray(65, '\0');
    QCOMPARE(bus.write(*device, reinterpret_cast<const unsigned char*>(stray.constData()), 65), 65);
    QByteArray withId = QByteArray(1, '\x05') + ping.left(64);
    bus.write(*device, reinterpret_cast<const unsigned char*>(withId.constData()), 65);
    for (int offset = 64; offset < ping.size(); offset += 64) {
        const QByteArray report = QByteArray(1, '\0') + ping.mid(offset, 64);
        bus.write(*device, reinterpret_cast<const unsigned char*>(report.constData()), 65);
    }
    sendRequest(bus, *device, ping); // the first reply was never read
    QCOMPARE(readReply(bus, *device).size(), 640);

    const QStringList found = bus.violations();
    QCOMPARE(found.size(), 4);
    QVERIFY(found[0].contains("output report of 64 bytes"));
    QVERIFY(found[1].contains("output report starting with 0x00 where a request begins"));
    QVERIFY(found[2].contains("report id 0x05"));
    QVERIFY(found[3].contains("request sent before the previous reply was read"));
    bus.close(std::move(device));
}

void TestEmulatedBus::pacingTakesOneFramePerReport()
{
    MonitorFolder m1(m_bus->busDir(), "m1");
    m1.writeRandomFile("usr.dat", 1300);
    m_bus->bus().setPaced(true);
    XHarvo2 link;
    QByteArray info;
    QVERIFY(link.getDeviceInfo(info));
    const quint64 before = m_bus->bus().reportCount();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(link.getFile(m_bus->localPath("usr.dat"), "usr.dat"), 1300);
    const qint64 elapsed = timer.elapsed();
    const quint64 reports = m_bus->bus().reportCount() - before;
    QCOMPARE(reports, quint64(5 * 28)); // size, three chunks, end: 18 out and 10 in each
    QVERIFY2(elapsed >= qint64(reports) - 1, qPrintable(QString::number(elapsed)));
}

void TestEmulatedBus::installFromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<QStringList>("rest");
    const QString dir = "BUS";
    QTest::newRow("option and folder") << QStringList{"prog", "--emulate", dir, "-x"} << true << true << false
                                       << QStringList{"prog", "-x"};
    QTest::newRow("option=folder") << QStringList{"prog", "--emulate=" + dir} << true << true << false
                                   << QStringList{"prog"};
    QTest::newRow("paced") << QStringList{"prog", "--emulate-paced", dir} << true << true << true
                           << QStringList{"prog"};
    QTest::newRow("no option") << QStringList{"prog", "make-demo", dir} << true << false << false
                               << QStringList{"prog", "make-demo", dir};
    QTest::newRow("missing folder") << QStringList{"prog", "--emulate"} << false << false << false
                                    << QStringList{"prog", "--emulate"};
    QTest::newRow("no such folder") << QStringList{"prog", "--emulate", "/no/such/bus"} << false << false << false
                                    << QStringList{"prog", "--emulate", "/no/such/bus"};
}

void TestEmulatedBus::installFromArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(bool, installed);
    QFETCH(bool, paced);
    QFETCH(QStringList, rest);
    arguments.replaceInStrings(QRegularExpression("BUS$"), m_bus->busDir());
    rest.replaceInStrings(QRegularExpression("BUS$"), m_bus->busDir());
    const std::shared_ptr<HidBackend> before = HidBackend::current();
    QString error;
    QCOMPARE(EmulatedBus::installFromArguments(arguments, &error), ok);
    QCOMPARE(error.isEmpty(), ok);
    QCOMPARE(arguments, rest);
    const auto bus = std::dynamic_pointer_cast<EmulatedBus>(HidBackend::current());
    QCOMPARE(HidBackend::current() != before, installed);
    if (installed) {
        QVERIFY(bus);
        QCOMPARE(bus->busDir(), m_bus->busDir());
        QCOMPARE(bus->isPaced(), paced);
    }
}

QTEST_GUILESS_MAIN(TestEmulatedBus)
#include "TestEmulatedBus.moc"
