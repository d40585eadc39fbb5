#include "device/HidClass.h"
#include "device/HidapiBackend.h"

#include <QtTest>

#include <deque>

namespace {

// Records every output report and hands out scripted input reports; an empty
// script times out.
class FakeBackend : public HidBackend
{
public:
    struct Device : HidDevice
    {
    };

    std::unique_ptr<HidDevice> open(unsigned short vendorId, unsigned short productId) override
    {
        ++opens;
        openedIds = {vendorId, productId};
        return available ? std::make_unique<Device>() : nullptr;
    }
    int write(HidDevice&, const unsigned char* report, int length) override
    {
        writes << QByteArray(reinterpret_cast<const char*>(report), length);
        return failWrite == writes.size() ? -1 : length;
    }
    int read(HidDevice&, unsigned char* report, int length, int timeoutMs) override
    {
        timeouts << timeoutMs;
        if (input.empty())
            return 0;
        const QByteArray next = input.front();
        input.pop_front();
        const int size = std::min(length, int(next.size()));
        memcpy(report, next.constData(), size_t(size));
        return size;
    }
    void close(std::unique_ptr<HidDevice>) override { ++closes; }

    void queueReports(int count)
    {
        for (int i = 0; i < count; ++i)
            input.push_back(QByteArray(HidClass::kReportSize, char('A' + i)));
    }

    bool available = true;
    int opens = 0;
    int closes = 0;
    int failWrite = 0;
    QPair<unsigned short, unsigned short> openedIds;
    QList<QByteArray> writes;
    QList<int> timeouts;
    std::deque<QByteArray> input;
};

QByteArray pattern(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char(i * 7 + 1);
    return data;
}

} // namespace

class TestHidClass : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void writeCutsIntoReports_data();
    void writeCutsIntoReports();
    void writeStopsAtFailedReport();
    void readAssemblesReports_data();
    void readAssemblesReports();
    void readKeepsCallerBytesBeyondShortReply();
    void readUsesTimeout();
    void closedTransportRefusesIo();
    void openTwiceOpensOnce();
    void openFailsWithoutDevice();
    void destructionReleasesDevice();
    void realUsbUnlessAnotherBackend();

private:
    std::shared_ptr<FakeBackend> m_backend;
};

void TestHidClass::init()
{
    m_backend = std::make_shared<FakeBackend>();
    HidBackend::setCurrent(m_backend);
}

void TestHidClass::cleanup()
{
    HidBackend::setCurrent(nullptr);
}

void TestHidClass::writeCutsIntoReports_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("reports");
    QTest::newRow("request 1152") << 1152 << 18;
    QTest::newRow("identification 640") << 640 << 10;
    QTest::newRow("100 bytes") << 100 << 2;
    QTest::newRow("one byte") << 1 << 1;
    QTest::newRow("nothing") << 0 << 0;
}

void TestHidClass::writeCutsIntoReports()
{
    QFETCH(int, length);
    QFETCH(int, reports);
    HidClass hid;
    QVERIFY(hid.open());
    const QByteArray data = pattern(length);
    QVERIFY(hid.write(reinterpret_cast<const unsigned char*>(data.constData()), length));
    QCOMPARE(m_backend->writes.size(), reports);
    QByteArray sent;
    for (const QByteArray& report : qAsConst(m_backend->writes)) {
        QCOMPARE(report.size(), 65);
        QCOMPARE(report.at(0), '\0');
        sent += report.mid(1);
    }
    QCOMPARE(sent.left(length), data);
    // A final partial chunk is padded with zeros: 100 bytes leave 28 in the second report.
    QCOMPARE(sent.mid(length), QByteArray(sent.size() - length, '\0'));
}

void TestHidClass::writeStopsAtFailedReport()
{
    HidClass hid;
    QVERIFY(hid.open());
    m_backend->failWrite = 2;
    const QByteArray data = pattern(1152);
    QVERIFY(!hid.write(reinterpret_cast<const unsigned char*>(data.constData()), data.size()));
    QCOMPARE(m_backend->writes.size(), 2);
}

void TestHidClass::readAssemblesReports_data()
{
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("received");
    QTest::newRow("full reply") << 10 << 640 << true << 640;
    QTest::newRow("cut after 3 reports") << 3 << 640 << true << 192;
    QTest::newRow("length 0 reads 640") << 12 << 0 << true << 640;
    QTest::newRow("large data reply") << 100 << 6400 << true << 6400;
    QTest::newRow("nothing arrives") << 0 << 640 << false << 0;
}

void TestHidClass::readAssemblesReports()
{
    QFETCH(int, available);
    QFETCH(int, length);
    QFETCH(bool, result);
    QFETCH(int, received);
    HidClass hid;
    QVERIFY(hid.open());
    m_backend->queueReports(available);
    QByteArray buffer(std::max(length, 640), '\0');
    int got = -1;
    QCOMPARE(hid.read(reinterpret_cast<unsigned char*>(buffer.data()), length, &got), result);
    QCOMPARE(got, received);
    for (int i = 0; i < received; ++i)
        QCOMPARE(buffer.at(i), char('A' + i / 64));
    QCOMPARE(int(m_backend->input.size()), std::max(0, available - received / 64));
}

void TestHidClass::readKeepsCallerBytesBeyondShortReply()
{
    HidClass hid;
    QVERIFY(hid.open());
    m_backend->queueReports(3);
    QByteArray buffer(640, 'z');
    QVERIFY(hid.read(reinterpret_cast<unsigned char*>(buffer.data()), 640));
    QCOMPARE(buffer.mid(192), QByteArray(448, 'z'));
}

void TestHidClass::readUsesTimeout()
{
    HidClass hid;
    QVERIFY(hid.open());
    QCOMPARE(hid.timeout(), 1000);
    unsigned char buffer[640];
    hid.read(buffer, 640);
    hid.setTimeout(15000);
    hid.read(buffer, 640);
    QCOMPARE(m_backend->timeouts, QList<int>({1000, 15000}));
}

void TestHidClass::closedTransportRefusesIo()
{
    HidClass hid;
    unsigned char buffer[640] = {};
    m_backend->queueReports(10);
    QVERIFY(!hid.write(buffer, 640));
    QVERIFY(!hid.read(buffer, 640));
    QVERIFY(m_backend->writes.isEmpty());
    QVERIFY(m_backend->timeouts.isEmpty());
    hid.close(); // harmless when closed
    QCOMPARE(m_backend->closes, 0);
}

void TestHidClass::openTwiceOpensOnce()
{
    HidClass hid;
    QVERIFY(hid.open());
    QVERIFY(hid.open());
    QCOMPARE(m_backend->opens, 1);
    QCOMPARE(m_backend->openedIds.first, HidClass::kVendorId);
    QCOMPARE(m_backend->openedIds.second, HidClass::kProductId);
    hid.close();
    QVERIFY(!hid.isOpen());
    QVERIFY(hid.open());
    QCOMPARE(m_backend->opens, 2);
    QCOMPARE(m_backend->closes, 1);
}

void TestHidClass::openFailsWithoutDevice()
{
    m_backend->available = false;
    HidClass hid;
    QVERIFY(!hid.open());
    QVERIFY(!hid.isOpen());
}

void TestHidClass::destructionReleasesDevice()
{
    {
        HidClass hid;
        QVERIFY(hid.open());
    }
    QCOMPARE(m_backend->closes, 1);
}

void TestHidClass::realUsbUnlessAnotherBackend()
{
    QCOMPARE(HidBackend::current(), std::shared_ptr<HidBackend>(m_backend));
    HidBackend::setCurrent(nullptr);
    QVERIFY(std::dynamic_pointer_cast<HidapiBackend>(HidBackend::current()));
    // A transport keeps the backend it was opened on when another one is installed.
    HidBackend::setCurrent(m_backend);
    HidClass hid;
    QVERIFY(hid.open());
    HidBackend::setCurrent(nullptr);
    unsigned char byte = 0;
    QVERIFY(hid.write(&byte, 1));
    QCOMPARE(m_backend->writes.size(), 1);
    hid.close();
    QCOMPARE(m_backend->closes, 1);
}

QTEST_GUILESS_MAIN(TestHidClass)
#include "TestHidClass.moc"
