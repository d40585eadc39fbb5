#include "emulator/DemoHolterRecording.h"
#include "holter/HolterReport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

// Round trip through the demo data generator: what it writes as a monitor
// would, the loader reads back whole and consistent.
class TestHolterDemoRecording : public QObject
{
    Q_OBJECT
private slots:
    void loadsGeneratedRecording();
};

void TestHolterDemoRecording::loadsGeneratedRecording()
{
    const QDateTime start(QDate(2025, 2, 3), QTime(21, 30, 15));
    const int seconds = 2 * 3600 + 36; // a whole number of packed groups
    const QByteArray bytes = DemoHolterRecording::make(DemoRandom(7), start, seconds, 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(start.toString("yyyyMMddHHmmss"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    file.close();

    HolterReport report;
    QVERIFY(report.load(path));
    QCOMPARE(report.startTime(), start);
    QCOMPARE(report.duration(), quint32(seconds));
    QCOMPARE(report.durationText(), QString("2h0m"));
    QCOMPARE(report.minuteCount(), seconds / 60);
    QCOMPARE(report.samples().size(), seconds * HolterReport::kSamplesPerSecond);

    // The header statistics are measured on the generated minutes.
    const HolterHeader& h = report.header();
    for (const QString& text : {report.maxHrText(), report.minHrText(), report.avgHrText(), report.sdnnText(),
                                report.rmssdText(), report.meanText(), report.pnn50Text()})
        QVERIFY(text != "--");
    for (const HolterMinute& m : report.minutes()) {
        if (m.isAnalysed() && HolterMinute::isPresent(m.heartRate))
            QVERIFY2(m.heartRate >= h.minHr && m.heartRate <= h.maxHr, qPrintable(QString::number(m.heartRate)));
    }
    // The day holds episodes for the screening to find.
    QVERIFY(!report.matchStrips(50, 120, 120, 480, 2, true, true).isEmpty());
    QCOMPARE(report.matchStrips(-1, -1, -1, -1, -1, false, true).size(), report.pauseStripCount());

    const auto range = std::minmax_element(report.samples().cbegin(), report.samples().cend());
    QVERIFY(*range.first >= -4311 && *range.second <= 4302);
    QVERIFY(*range.second - *range.first > 200);
}

QTEST_GUILESS_MAIN(TestHolterDemoRecording)
#include "TestHolterDemoRecording.moc"
