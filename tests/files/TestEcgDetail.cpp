#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/EcgDetail.h"
#include "files/SleepTrend.h"
#include "support/ByteFixture.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Short form: offset, wave length, HR, ST, QRS, (unused), QTc, result, lead, bandwidth, QT, 8 unused.
QByteArray shortHeader(int dataOffset, quint32 waveLength = 15000, int heartRate = 72, int st = -90, int bandwidth = 3)
{
    return ByteFixture()
        .u16(dataOffset)
        .u32(waveLength)
        .u16(heartRate)
        .u16(st)
        .u16(96)
        .u16(0xBEEF)
        .u16(415)
        .u8(0x41)
        .u8(4)
        .u8(bandwidth)
        .u16(388)
        .raw(QByteArray(8, '\x7F'));
}

// Long form: the same fields, with lead, bandwidth and QT moved back by 3 bytes and 20 unused at the end.
QByteArray longHeader(int dataOffset)
{
    return ByteFixture()
        .u16(dataOffset)
        .u32(30000)
        .u16(61)
        .u16(45)
        .u16(110)
        .u16(0xBEEF)
        .u16(430)
        .u8(0x05)
        .raw("\x11\x22\x33")
        .u8(6)
        .u8(2)
        .u16(401)
        .raw(QByteArray(20, '\x7F'));
}

QByteArray samples(int count)
{
    ByteFixture bytes;
    for (int i = 0; i < count; ++i)
        bytes.u16(i * 7 - 1000);
    return bytes;
}

} // namespace

class TestEcgDetail : public QObject
{
    Q_OBJECT
private slots:
    void sampleCount_data();
    void sampleCount();
    void samplesWithinTheHeaderAndTheLimit_data();
    void samplesWithinTheHeaderAndTheLimit();
    void shortHeaderFields();
    void longHeaderMapsToShortShape();
    void bandwidth_data();
    void bandwidth();
    void sampleValues();
    void unreadableOrEmpty();
    void partialHeaderStillCountsAsRead();
    void formByCheckTypeAndModel_data();
    void formByCheckTypeAndModel();
    void writtenFileReadsBack();
    void sleepTrend();
    void detailPath();
};

void TestEcgDetail::sampleCount_data()
{
    QTest::addColumn<bool>("longForm");
    QTest::addColumn<int>("dataOffset");
    QTest::addColumn<int>("restBytes");
    QTest::addColumn<int>("count");
    QTest::newRow("offset 0") << false << 0 << 5000 << 2500;
    QTest::newRow("offset 100") << false << 100 << 5000 << 2450;
    QTest::newRow("odd rest rounds down") << false << 1 << 5000 << 2499;
    QTest::newRow("header only") << false << 0 << 0 << 0;
    QTest::newRow("offset equals rest") << false << 5000 << 5000 << 0;
    QTest::newRow("offset beyond rest") << false << 6000 << 5000 << 0;
    QTest::newRow("offset 65535, small file") << false << 65535 << 10 << 0;
    QTest::newRow("long, offset 0") << true << 0 << 5000 << 2500;
    QTest::newRow("long, offset 100") << true << 100 << 5000 << 2450;
    QTest::newRow("long, offset beyond rest") << true << 5002 << 5000 << 0;
}

void TestEcgDetail::sampleCount()
{
    QFETCH(bool, longForm);
    QFETCH(int, dataOffset);
    QFETCH(int, restBytes);
    const QByteArray header = longForm ? longHeader(dataOffset) : shortHeader(dataOffset);
    const auto form = longForm ? EcgDetail::Form::Long : EcgDetail::Form::Short;
    const EcgDetail detail = EcgDetail::fromBytes(header + QByteArray(restBytes, '\x01'), form);
    QVERIFY(detail.isRead());
    QFETCH(int, count);
    QCOMPARE(detail.sampleCount(), count);
    QCOMPARE(detail.samples().size(), detail.sampleCount());
    QCOMPARE(int(detail.header().dataOffset), dataOffset);
}

void TestEcgDetail::samplesWithinTheHeaderAndTheLimit_data()
{
    QTest::addColumn<quint32>("waveLength");
    QTest::addColumn<int>("fileSamples");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    const int limit = EcgDetail::kMaxSamples;
    QTest::newRow("whole") << quint32(15000) << 7500 << 7500 << 7500;
    QTest::newRow("cut") << quint32(15000) << 1000 << 1000 << 7500;
    QTest::newRow("cut to nothing") << quint32(15000) << 0 << 0 << 7500;
    QTest::newRow("a tail after the strip") << quint32(15000) << 9000 << 7500 << 7500;
    QTest::newRow("odd wave length") << quint32(15001) << 7600 << 7500 << 7500;
    QTest::newRow("no length: what the file holds") << quint32(0) << 1200 << 1200 << 1200;
    QTest::newRow("no length: at most the limit") << quint32(0) << limit + 5 << limit << limit;
    QTest::newRow("a length beyond any check") << quint32(0xFFFFFFFF) << limit + 5 << limit << limit;
    QTest::newRow("a length beyond any check, cut") << quint32(0xFFFFFFFF) << 100 << 100 << limit;
}

void TestEcgDetail::samplesWithinTheHeaderAndTheLimit()
{
    QFETCH(quint32, waveLength);
    QFETCH(int, fileSamples);
    QFETCH(int, count);
    QFETCH(int, expected);
    const QByteArray bytes = shortHeader(4, waveLength) + QByteArray(4, '\0') + samples(fileSamples);
    QTemporaryDir dir;
    QFile file(dir.filePath("detail"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    for (const EcgDetail& detail : {EcgDetail::fromBytes(bytes, EcgDetail::Form::Short),
                                    EcgDetail::read(file.fileName(), EcgDetail::Form::Short)}) {
        QCOMPARE(detail.sampleCount(), count);
        QCOMPARE(detail.expectedSampleCount(), expected);
        QCOMPARE(detail.isCut(), count < expected);
        if (count > 0)
            QCOMPARE(detail.samples().last(), qint16((count - 1) * 7 - 1000));
    }
}

void TestEcgDetail::shortHeaderFields()
{
    QCOMPARE(shortHeader(0).size(), EcgDetail::kShortHeaderSize);
    const EcgHeader h = EcgDetail::fromBytes(shortHeader(0), EcgDetail::Form::Short).header();
    QCOMPARE(h.waveLength, quint32(15000));
    QCOMPARE(h.durationSeconds(), 30);
    QCOMPARE(h.heartRate, quint16(72));
    QCOMPARE(h.st, qint16(-90));
    QCOMPARE(h.qrs, quint16(96));
    QCOMPARE(h.qtc, quint16(415));
    QCOMPARE(h.result, quint32(0x41));
    QCOMPARE(h.leadMode, quint8(4));
    QCOMPARE(h.bandwidth, quint8(3));
    QCOMPARE(h.qt, quint16(388));
    QCOMPARE(EcgDetail::fromBytes(shortHeader(0, 14999), EcgDetail::Form::Short).header().durationSeconds(), 29);
}

void TestEcgDetail::longHeaderMapsToShortShape()
{
    QCOMPARE(longHeader(0).size(), EcgDetail::kLongHeaderSize);
    const EcgDetail detail = EcgDetail::fromBytes(longHeader(4) + samples(3), EcgDetail::Form::Long);
    const EcgHeader h = detail.header();
    QCOMPARE(h.dataOffset, quint16(4));
    QCOMPARE(h.waveLength, quint32(30000));
    QCOMPARE(h.durationSeconds(), 60);
    QCOMPARE(h.heartRate, quint16(61));
    QCOMPARE(h.st, qint16(45));
    QCOMPARE(h.qrs, quint16(110));
    QCOMPARE(h.qtc, quint16(430));
    // The long form's result is 32 bits wide.
    QCOMPARE(h.result, quint32(0x33221105));
    QCOMPARE(h.leadMode, quint8(6));
    QCOMPARE(h.bandwidth, quint8(2));
    QCOMPARE(h.qt, quint16(401));
    // The first 4 bytes of the rest are the gap, so the first sample is the third written one.
    QCOMPARE(detail.sampleCount(), 1);
    QCOMPARE(detail.samples().at(0), qint16(2 * 7 - 1000));
}

void TestEcgDetail::bandwidth_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("wide");
    QTest::newRow("3 wide") << 3 << true;
    QTest::newRow("2 normal") << 2 << false;
    QTest::newRow("1 wide") << 1 << true;
    QTest::newRow("0 normal") << 0 << false;
    QTest::newRow("255 wide") << 255 << true;
}

void TestEcgDetail::bandwidth()
{
    QFETCH(int, byte);
    const EcgDetail detail = EcgDetail::fromBytes(shortHeader(0, 15000, 72, 0, byte), EcgDetail::Form::Short);
    QFETCH(bool, wide);
    QCOMPARE(detail.header().isWideBand(), wide);
}

void TestEcgDetail::sampleValues()
{
    const QByteArray rest = ByteFixture().raw("GAP!").u16(0).u16(-1).u16(32767).u16(-32768).u16(30001).u8(9);
    const EcgDetail detail = EcgDetail::fromBytes(shortHeader(4) + rest, EcgDetail::Form::Short);
    QCOMPARE(detail.samples(), (QVector<qint16>{0, -1, 32767, -32768, 30001}));
}

void TestEcgDetail::unreadableOrEmpty()
{
    QTemporaryDir dir;
    const EcgDetail missing = EcgDetail::read(dir.filePath("20240101000000"), EcgDetail::Form::Short);
    QVERIFY(!missing.isRead());
    QCOMPARE(missing.sampleCount(), 0);
    QCOMPARE(missing.header().heartRate, quint16(0));

    QFile empty(dir.filePath("empty"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(!EcgDetail::read(empty.fileName(), EcgDetail::Form::Long).isRead());
    QVERIFY(!EcgDetail::fromBytes({}, EcgDetail::Form::Short).isRead());
}

void TestEcgDetail::partialHeaderStillCountsAsRead()
{
    const EcgDetail detail = EcgDetail::fromBytes(shortHeader(0).left(8), EcgDetail::Form::Short);
    QVERIFY(detail.isRead());
    QCOMPARE(detail.header().heartRate, quint16(72));
    QCOMPARE(detail.header().qt, quint16(0));
    QCOMPARE(detail.sampleCount(), 0);
}

void TestEcgDetail::formByCheckTypeAndModel_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("longForm");
    QTest::newRow("daily, model 53") << int(CheckType::DailyCheck) << 53 << true;
    QTest::newRow("daily, model 7") << int(CheckType::DailyCheck) << 7 << false;
    QTest::newRow("ZoravIvide") << int(CheckType::CorvisetDailyCheck) << 5 << true;
    QTest::newRow("ECG, model 53") << int(CheckType::Ecg) << 53 << false;
    QTest::newRow("spot") << int(CheckType::SpotCheck) << 2 << false;
    QTest::newRow("multi-test") << int(CheckType::MultiTest) << 19 << false;
}

void TestEcgDetail::formByCheckTypeAndModel()
{
    QFETCH(int, checkType);
    QFETCH(int, model);
    QFETCH(bool, longForm);
    const auto expected = longForm ? EcgDetail::Form::Long : EcgDetail::Form::Short;
    QCOMPARE(EcgDetail::formFor(checkType, model), expected);
}

void TestEcgDetail::writtenFileReadsBack()
{
    QTemporaryDir dir;
    EcgHeader header;
    header.dataOffset = 6;
    header.waveLength = 2500;
    header.heartRate = 88;
    header.st = -12;
    header.qrs = 90;
    header.qtc = 400;
    header.result = 8;
    header.leadMode = 3;
    header.bandwidth = 1;
    header.qt = 380;
    const QVector<qint16> wave{5, -5, 1200, -30001};
    for (auto form : {EcgDetail::Form::Short, EcgDetail::Form::Long}) {
        const QByteArray bytes = EcgDetail::toBytes(header, wave, form);
        QCOMPARE(bytes.size(), EcgDetail::headerSize(form) + 6 + 8);
        QFile file(dir.filePath("detail"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        const EcgDetail detail = EcgDetail::read(file.fileName(), form);
        QCOMPARE(detail.samples(), wave);
        QCOMPARE(detail.header().st, header.st);
        QCOMPARE(detail.header().qt, header.qt);
        QCOMPARE(detail.header().leadMode, header.leadMode);
        // The header alone, for list filters: the same fields, no samples.
        const EcgDetail headerOnly = EcgDetail::readHeader(file.fileName(), form);
        QVERIFY(headerOnly.isRead());
        QCOMPARE(headerOnly.header().result, header.result);
        QCOMPARE(headerOnly.header().qt, header.qt);
        QCOMPARE(headerOnly.sampleCount(), 0);
    }
    QVERIFY(!EcgDetail::readHeader(dir.filePath("absent"), EcgDetail::Form::Long).isRead());
}

void TestEcgDetail::sleepTrend()
{
    const QVector<SleepTrendEntry> entries = SleepTrend::fromBytes(QByteArray("\x61\x48\xFF\xFF\x5A", 5));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).spo2, quint8(97));
    QCOMPARE(entries.at(0).pr, quint8(72));
    QCOMPARE(entries.at(1).spo2, quint8(255));
    QCOMPARE(entries.at(1).pr, quint8(255));
    QVERIFY(SleepTrend::fromBytes({}).isEmpty());
    QTemporaryDir dir;
    QVERIFY(SleepTrend::read(dir.filePath("absent")).isEmpty());
}

void TestEcgDetail::detailPath()
{
    QCOMPARE(DetailPath::of("/data", "SN1", "20240101120000"), QString("/data/SN1/20240101120000"));
}

QTEST_GUILESS_MAIN(TestEcgDetail)
#include "TestEcgDetail.moc"
