#include "holter/HolterReport.h"
#include "support/HolterFileBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

HolterMinute minute(int heartRate, qint32 flags = 0)
{
    HolterMinute m;
    m.flags = flags;
    m.heartRate = heartRate;
    m.qrsDuration = 90;
    m.pvcCount = 0;
    m.qt = 380;
    m.qtc = 410;
    return m;
}

// Two whole minutes and a bit of a 16-bit recording with every statistic set.
HolterFileBuilder fullRecording()
{
    HolterFileBuilder b;
    HolterHeader& h = b.header;
    h.year = 2024;
    h.month = 3;
    h.day = 7;
    h.hour = 22;
    h.minute = 5;
    h.second = 9;
    h.duration = 150;
    h.userIndex = 4;
    h.lead = 2;
    h.sampleFormat = 0;
    h.reserved23 = 0xAB;
    h.maxHr = 151;
    h.minHr = 43;
    h.reserved28 = 0x01020304;
    h.reserved32 = 0xA0B0C0D0;
    h.avgHr = 72;
    h.reserved38 = 0x1234;
    h.sdnn = 104;
    h.rmssd = 33;
    h.mean = 833;
    h.pnn50 = 12;
    h.qrsCount = 10350;
    h.reserved58 = 0x5678;
    h.pvcCount = 17;
    HolterMinute first = minute(64, 0x4800);
    first.reserved6 = 0x0102;
    first.qrsDuration = 98;
    first.pvcCount = 3;
    first.qt = 377;
    first.qtc = 402;
    first.reserved16 = 0xDEADBEEF;
    b.minutes = {first, minute(71)};
    for (const qint16 s : {qint16(-1), qint16(32767), qint16(-32768), qint16(258)})
        b.data.append(reinterpret_cast<const char*>(&s), 2); // host order is little-endian here
    b.layOut();
    return b;
}

} // namespace

class TestHolterReport : public QObject
{
    Q_OBJECT
private slots:
    void durationText_data();
    void durationText();
    void shortRecordingHasNoMinutes();
    void packedSamples_data();
    void packedSamples();
    void packedTrailingPartialGroupIsDropped();
    void everyPackedCodeInEverySlot();
    void plainSamplesAreCopied();
    void accessorsAndTexts();
    void absentStatisticsShowDashes();
    void leadText_data();
    void leadText();
    void rejectsInconsistentFiles_data();
    void rejectsInconsistentFiles();
    void minutesReadOnlyAsFarAsTheFileHoldsThem();
    void loadsFromPath();
    void failedLoadLeavesEmptyObject();
    void oversizedFileIsRefused();
    void matchStrips_data();
    void matchStrips();
    void pauseStripCountSkipsUnanalysedMinutes();
};

void TestHolterReport::durationText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0s";
    QTest::newRow("59") << qint64(59) << "59s";
    QTest::newRow("60") << qint64(60) << "1m0s";
    QTest::newRow("3599") << qint64(3599) << "59m59s";
    QTest::newRow("3600") << qint64(3600) << "1h0m";
    QTest::newRow("2h") << qint64(7200) << "2h0m";
    QTest::newRow("25h1m59s") << qint64(90119) << "25h1m";
}

void TestHolterReport::durationText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(HolterReport::durationText(seconds), text);

    HolterFileBuilder b;
    b.header.duration = quint32(seconds);
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.durationText(), text);
    QCOMPARE(report.duration(), quint32(seconds));
}

void TestHolterReport::shortRecordingHasNoMinutes()
{
    HolterFileBuilder b;
    b.header.duration = 59;
    b.minutes = {minute(60)}; // present in the file, but not a whole minute of recording
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.minuteCount(), 0);
    QCOMPARE(report.durationText(), QString("59s"));
}

void TestHolterReport::packedSamples_data()
{
    QTest::addColumn<QByteArray>("packed");
    QTest::addColumn<QVector<qint16>>("samples");
    QTest::newRow("minus one") << QByteArray::fromHex("FF00000003") << QVector<qint16>{-8, 0, 0, 0};
    // High bits 0,1,2,3 for samples 0..3: codes 0x001, 0x101, 0x201, 0x301.
    QTest::newRow("high bit positions") << QByteArray::fromHex("01010101E4") << QVector<qint16>{8, 2163, -4302, -2147};
    QTest::newRow("extremes") << QByteArray::fromHex("FF00FF0039") << QVector<qint16>{4302, -4311, -8, 0};
    QTest::newRow("two groups") << QByteArray::fromHex("0A000000000000000000")
                                << QVector<qint16>{84, 0, 0, 0, 0, 0, 0, 0};
}

void TestHolterReport::packedSamples()
{
    QFETCH(QByteArray, packed);
    QFETCH(QVector<qint16>, samples);
    HolterFileBuilder b;
    b.header.sampleFormat = HolterHeader::kPackedFormat;
    b.data = packed;
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.samples(), samples);
    QCOMPARE(report.header().sampleFormat, 0);
    QCOMPARE(report.header().dataLength, quint32(samples.size() * 2));
}

void TestHolterReport::packedTrailingPartialGroupIsDropped()
{
    HolterFileBuilder b;
    b.header.sampleFormat = HolterHeader::kPackedFormat;
    b.data = QByteArray::fromHex("FF00000003") + QByteArray::fromHex("01020304"); // 1 group + 4 bytes
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.samples(), (QVector<qint16>{-8, 0, 0, 0}));
}

void TestHolterReport::everyPackedCodeInEverySlot()
{
    // Group g holds the codes g, g+256, g+512, g+768 (mod 1024), so each code
    // visits each slot; 1025 groups also leave an odd last group.
    QVector<int> codes;
    QVector<qint16> expected;
    for (int g = 0; g < 1025; ++g) {
        for (int slot = 0; slot < 4; ++slot) {
            const int code = (g + 256 * slot) % 1024;
            codes << code;
            expected << qint16(int(((code & 0x200) ? code - 0x400 : code) * 8.42));
        }
    }
    HolterFileBuilder b;
    b.header.sampleFormat = HolterHeader::kPackedFormat;
    b.data = HolterFileBuilder::pack(codes);
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.samples(), expected);

    // One group per recording: every code through the single-group path too.
    for (int g = 0; g < 1024; ++g) {
        b.data = HolterFileBuilder::pack(codes.mid(4 * g, 4));
        QVERIFY(report.loadData(b.layOut().bytes()));
        QCOMPARE(report.samples(), expected.mid(4 * g, 4));
    }
}

void TestHolterReport::plainSamplesAreCopied()
{
    HolterFileBuilder b = fullRecording();
    b.data.append('\x7F'); // an odd last byte is not a sample
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.samples(), (QVector<qint16>{-1, 32767, -32768, 258}));
    QCOMPARE(report.header().sampleFormat, 0);
}

void TestHolterReport::accessorsAndTexts()
{
    const HolterFileBuilder b = fullRecording();
    HolterReport report;
    QVERIFY(report.loadData(b.bytes()));
    QVERIFY(report.isLoaded());

    QCOMPARE(report.startTime(), QDateTime(QDate(2024, 3, 7), QTime(22, 5, 9)));
    QCOMPARE(report.minuteStart(1), QDateTime(QDate(2024, 3, 7), QTime(22, 6, 9)));
    QCOMPARE(report.durationText(), QString("2m30s"));
    QCOMPARE(report.leadText(), QString("CM5"));
    QCOMPARE(report.maxHrText(), QString("151"));
    QCOMPARE(report.minHrText(), QString("43"));
    QCOMPARE(report.avgHrText(), QString("72"));
    QCOMPARE(report.qrsCountText(), QString("10350"));
    QCOMPARE(report.pvcCountText(), QString("17"));
    QCOMPARE(report.sdnnText(), QString("104"));
    QCOMPARE(report.rmssdText(), QString("33"));
    QCOMPARE(report.meanText(), QString("833"));
    QCOMPARE(report.pnn50Text(), QString("12"));

    const HolterHeader& h = report.header();
    QCOMPARE(h.dataOffset, quint32(62 + 2 * 20));
    QCOMPARE(h.dataLength, quint32(8));
    QCOMPARE(h.userIndex, 4);
    QCOMPARE(h.reserved23, 0xAB);
    QCOMPARE(h.reserved28, quint32(0x01020304));
    QCOMPARE(h.reserved32, quint32(0xA0B0C0D0));
    QCOMPARE(h.reserved38, 0x1234);
    QCOMPARE(h.reserved58, 0x5678);

    QCOMPARE(report.minuteCount(), 2);
    const HolterMinute& m = report.minutes().first();
    QCOMPARE(m.flags, 0x4800);
    QCOMPARE(m.heartRate, 64);
    QCOMPARE(m.reserved6, 0x0102);
    QCOMPARE(m.qrsDuration, 98);
    QCOMPARE(m.pvcCount, 3);
    QCOMPARE(m.qt, 377);
    QCOMPARE(m.qtc, 402);
    QCOMPARE(m.reserved16, quint32(0xDEADBEEF));
    QVERIFY(m.hasIrregularRr() && m.hasPause());
    QCOMPARE(report.minutes().at(1).heartRate, 71);
}

void TestHolterReport::absentStatisticsShowDashes()
{
    HolterFileBuilder b; // every statistic carries its absent marker
    b.header.year = 2023;
    b.header.month = 1;
    b.header.day = 1;
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    const QStringList texts = {report.maxHrText(),    report.minHrText(),    report.avgHrText(),
                               report.qrsCountText(), report.pvcCountText(), report.sdnnText(),
                               report.rmssdText(),    report.meanText(),     report.pnn50Text()};
    for (const QString& text : texts)
        QCOMPARE(text, QString("--"));
    QCOMPARE(HolterMinute::valueText(9999), QString("--"));
    QCOMPARE(HolterMinute::valueText(0xFFFF), QString("--"));
    QCOMPARE(HolterMinute::valueText(0), QString("0"));
}

void TestHolterReport::leadText_data()
{
    QTest::addColumn<int>("lead");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "LEAD II";
    QTest::newRow("1") << 1 << "CC5";
    QTest::newRow("2") << 2 << "CM5";
    QTest::newRow("3") << 3 << "User-defined";
    QTest::newRow("4") << 4 << "";
    QTest::newRow("-1") << -1 << "";
    QTest::newRow("-128") << -128 << "";
}

void TestHolterReport::leadText()
{
    QFETCH(int, lead);
    QFETCH(QString, text);
    HolterFileBuilder b;
    b.header.lead = lead;
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.leadText(), text);
}

void TestHolterReport::rejectsInconsistentFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("headerTaken");
    const QByteArray good = fullRecording().bytes();
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("shorter than the header") << good.left(61) << false;
    QTest::newRow("truncated by one byte") << good.left(good.size() - 1) << true;
    QTest::newRow("padded by one byte") << good + 'x' << true;

    // 0xFFFFFFF0 + 0x74 wraps to exactly the file size in 32 bits.
    HolterFileBuilder wrap = fullRecording();
    wrap.header.dataOffset = 0xFFFFFFF0u;
    wrap.header.dataLength = quint32(good.size()) + 0x10u;
    QTest::newRow("offset plus length wraps") << wrap.bytes() << true;
    HolterFileBuilder huge = fullRecording();
    huge.header.dataLength = 0xFFFFFFFFu;
    QTest::newRow("length beyond the file") << huge.bytes() << true;
}

void TestHolterReport::rejectsInconsistentFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, headerTaken);
    HolterReport report;
    QVERIFY(!report.loadData(bytes));
    QVERIFY(!report.isLoaded());
    QVERIFY(report.samples().isEmpty());
    QCOMPARE(report.minuteCount(), 0);
    QVERIFY(report.matchStrips(1000, 0, 0, 0, 0, true, true).isEmpty());
    // The header values read before the size check stay readable.
    QCOMPARE(report.maxHrText(), headerTaken ? QString("151") : QString("--"));
    QCOMPARE(report.startTime().isValid(), headerTaken);
}

void TestHolterReport::minutesReadOnlyAsFarAsTheFileHoldsThem()
{
    HolterFileBuilder b;
    b.header.duration = 24 * 3600; // claims 1440 minutes
    b.minutes = {minute(60), minute(61), minute(62)};
    b.data = QByteArray(30, '\0'); // room for one more record and a partial one
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.minuteCount(), 4);
    QCOMPARE(report.minutes().at(2).heartRate, 62);
    QCOMPARE(report.samples().size(), 15);
}

void TestHolterReport::loadsFromPath()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("20240307220509");
    const QByteArray bytes = fullRecording().bytes();
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    HolterReport report;
    QVERIFY(report.load(path));
    QCOMPARE(report.filePath(), path);
    QCOMPARE(report.minuteCount(), 2);
    QCOMPARE(report.samples().size(), 4);
    QCOMPARE(report.maxHrText(), QString("151"));
}

void TestHolterReport::failedLoadLeavesEmptyObject()
{
    HolterReport report;
    QVERIFY(report.loadData(fullRecording().bytes()));
    QCOMPARE(report.matchStrips(-1, -1, -1, -1, -1, false, true), QVector<int>{0});

    QVERIFY(!report.load(QString()));
    QVERIFY(!report.isLoaded());
    QVERIFY(report.samples().isEmpty());
    QVERIFY(report.minutes().isEmpty());
    QVERIFY(report.matchedMinutes().isEmpty());
    QCOMPARE(report.maxHrText(), QString("--"));

    QVERIFY(report.loadData(fullRecording().bytes()));
    QVERIFY(!report.load("/nonexistent/holter/20240101000000"));
    QVERIFY(!report.isLoaded());
    QVERIFY(report.samples().isEmpty());
    QCOMPARE(report.filePath(), QString("/nonexistent/holter/20240101000000"));

    QTemporaryDir dir;
    QVERIFY(!report.load(dir.path()));
    QVERIFY(!report.isLoaded());
}

void TestHolterReport::oversizedFileIsRefused()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("huge"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(HolterReport::kMaxFileSize + 1)); // sparse: costs no disk
    file.close();
    HolterReport report;
    QVERIFY(!report.load(file.fileName()));
    QVERIFY(report.samples().isEmpty());
}

void TestHolterReport::matchStrips_data()
{
    QTest::addColumn<QVector<int>>("criteria"); // hrLow, hrHigh, qrsMin, qtcMin, pvcMin, irregular, pause
    QTest::addColumn<QVector<int>>("expected");
    const QVector<int> off{-1, -1, -1, -1, -1, 0, 0};
    auto with = [&](int index, int value) {
        QVector<int> c = off;
        c[index] = value;
        return c;
    };
    QTest::newRow("nothing switched on") << off << QVector<int>{};
    QTest::newRow("HR<=50") << with(0, 50) << QVector<int>{0, 1};
    QTest::newRow("HR>=120") << with(1, 120) << QVector<int>{3};
    QTest::newRow("HR<=50 or HR>=120") << QVector<int>{50, 120, -1, -1, -1, 0, 0} << QVector<int>{0, 1, 3};
    QTest::newRow("absent HR never low") << with(0, 70000)
                                         << QVector<int>{0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    QTest::newRow("absent HR never high") << with(1, 0) << QVector<int>{0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    QTest::newRow("QRS>=120") << with(2, 120) << QVector<int>{6};
    QTest::newRow("QTc>=480") << with(3, 480) << QVector<int>{8};
    QTest::newRow("PVCs>=2") << with(4, 2) << QVector<int>{9};
    QTest::newRow("irregular") << with(5, 1) << QVector<int>{11, 14};
    QTest::newRow("pause") << with(6, 1) << QVector<int>{12, 14};
    QTest::newRow("everything") << QVector<int>{50, 120, 120, 480, 2, 1, 1}
                                << QVector<int>{0, 1, 3, 6, 8, 9, 11, 12, 14};
}

void TestHolterReport::matchStrips()
{
    QFETCH(QVector<int>, criteria);
    QFETCH(QVector<int>, expected);
    HolterFileBuilder b;
    b.header.duration = 16 * 60;
    b.minutes = {minute(45),         minute(50),     minute(51),         minute(120), minute(9999), minute(0xFFFF),
                 minute(70),         minute(70),     minute(70),         minute(70),  minute(70),   minute(70, 0x800),
                 minute(70, 0x4000), minute(70, -1), minute(70, 0x4800), minute(70)};
    b.minutes[6].qrsDuration = 120;
    b.minutes[7].qrsDuration = 119;
    b.minutes[8].qtc = 480;
    b.minutes[9].pvcCount = 2;
    b.minutes[10].pvcCount = 1;
    b.minutes[15].qrsDuration = 9999;
    b.minutes[15].qtc = 0xFFFF;
    b.minutes[15].pvcCount = 9999;
    for (HolterMinute* m : {&b.minutes[4], &b.minutes[5]}) // absent HR with everything else absent too
        m->qrsDuration = m->qtc = m->pvcCount = 9999;
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    const QVector<int> found = report.matchStrips(criteria[0], criteria[1], criteria[2], criteria[3], criteria[4],
                                                  criteria[5] != 0, criteria[6] != 0);
    QCOMPARE(found, expected);
    QCOMPARE(report.matchedMinutes(), expected);
}

void TestHolterReport::pauseStripCountSkipsUnanalysedMinutes()
{
    HolterFileBuilder b;
    b.header.duration = 4 * 60;
    b.minutes = {minute(70, 0x4000), minute(70, -1), minute(70, 0x4800), minute(70, 0x800)};
    HolterReport report;
    QVERIFY(report.loadData(b.layOut().bytes()));
    QCOMPARE(report.pauseStripCount(), 2);
}

QTEST_GUILESS_MAIN(TestHolterReport)
#include "TestHolterReport.moc"
