#include "holter/HolterReport.h"
#include "report/EcgTrace.h"
#include "report/HolterMinuteReportHelper.h"
#include "report/HolterReportHelper.h"
#include "report/ReportOutput.h"
#include "support/HolterRecordingFixture.h"
#include "support/PageRaster.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(8, 30));

// A recording of `seconds`; `cut` drops the last bytes, as an interrupted copy would.
QByteArray recording(int seconds, const std::function<int(int)>& sample, int cut = 0)
{
    QByteArray bytes = holterRecording(kStart, seconds, sample);
    bytes.chop(cut);
    return bytes;
}

int flat(int)
{
    return 0;
}

// A beat a second.
int beats(int i)
{
    return i % HolterReport::kSamplesPerSecond < 4 ? 1200 : 0;
}

QString writePdf(BasePaintHelper& helper, const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QString error;
    if (!ReportOutput::writePdf(helper, path, &error))
        return QString();
    return path;
}

// A part of a PDF page rasterised at `dpi` by poppler; (x, y, w, h) in pixels.
QImage crop(const QString& pdf, int page, int dpi, const QRect& area)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("crop");
    const int rc = QProcess::execute("pdftoppm",
                                     {"-r", QString::number(dpi), "-f", QString::number(page), "-l",
                                      QString::number(page), "-x", QString::number(area.x()), "-y",
                                      QString::number(area.y()), "-W", QString::number(area.width()), "-H",
                                      QString::number(area.height()), "-gray", "-singlefile", "-png", pdf, prefix});
    return rc == 0 ? QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32) : QImage();
}

} // namespace

class TestHolterReportPages : public QObject
{
    Q_OBJECT
private slots:
    void pagination_data();
    void pagination();
    void lastPageHoldsOnlyTheMinutesLeft();
    void missingOrCutRecording_data();
    void missingOrCutRecording();
    void stripsKeepEcgPaperProportions_data();
    void stripsKeepEcgPaperProportions();
    void defaultFileNameIsSafe_data();
    void defaultFileNameIsSafe();
    void minuteReportStaysInsideTheRecording_data();
    void minuteReportStaysInsideTheRecording();
    void minuteGridIsSquare();
};

void TestHolterReportPages::pagination_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("a day at 15 minutes a page") << 1440 << 30 << 30 << 97;
    QTest::newRow("a day at 30 minutes a page") << 1440 << 60 << 60 << 49;
    QTest::newRow("16 minutes") << 16 << 30 << 30 << 3;
    QTest::newRow("15 minutes") << 15 << 30 << 30 << 2;
    QTest::newRow("31 minutes at 30 a page") << 31 << 60 << 60 << 3;
    QTest::newRow("under a minute") << 0 << 30 << 30 << 1;
    // The stored setting is read unchecked: anything but 60 means 30.
    QTest::newRow("setting 0") << 1440 << 0 << 30 << 97;
    QTest::newRow("setting 45") << 1440 << 45 << 30 << 97;
    QTest::newRow("setting -60") << 1440 << -60 << 30 << 97;
}

void TestHolterReportPages::pagination()
{
    QFETCH(int, minutes);
    QFETCH(int, setting);
    QFETCH(int, lines);
    QFETCH(int, pages);
    // Only the header counts, so a recording cut after its header will do.
    HolterReport report;
    report.loadData(recording(minutes * 60 + 59, flat).left(HolterHeader::kSize));
    HolterReportHelper helper;
    helper.setLinesPerPage(setting);
    helper.setData(&report);
    QCOMPARE(helper.linesPerPage(), lines);
    QCOMPARE(helper.pageCount(), pages);
    QCOMPARE(helper.stripPageCount(), pages - 1);
}

void TestHolterReportPages::lastPageHoldsOnlyTheMinutesLeft()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is missing");
    HolterReport report;
    QVERIFY(report.loadData(recording(16 * 60 + 30, beats)));
    HolterReportHelper helper;
    helper.setLinesPerPage(30);
    helper.setData(&report);
    QTemporaryDir dir;
    const QString pdf = writePdf(helper, dir, "sixteen.pdf");
    QVERIFY(!pdf.isEmpty());
    const QString first = PageRaster::pdfText(pdf, 2);
    QVERIFY(first.contains("08:30") && first.contains("08:44"));
    QVERIFY(!first.contains("08:45"));
    QVERIFY(first.contains("1/2"));
    const QString second = PageRaster::pdfText(pdf, 3);
    QVERIFY(second.contains("08:45"));
    // The half minute after minute 16 is not drawn.
    QVERIFY(!second.contains("08:46"));
    QVERIFY(second.contains("2/2"));

    // Ink of the trace only in the page's first two rows.
    const QImage page = PageRaster::fromPdf(pdf, 3, 50);
    QVERIFY(!page.isNull());
    const int rowsTop = int(page.height() * 0.03);
    const double row = page.height() * 0.93 / 30;
    const auto inkRows = [&page, rowsTop, row]() {
        QSet<int> rows;
        for (int y = rowsTop; y < int(page.height() * 0.96); ++y)
            for (int x = page.width() / 5; x < page.width() * 9 / 10; ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    rows.insert(int((y - rowsTop) / row));
        return rows;
    };
    const QSet<int> rows = inkRows();
    QVERIFY2(rows.size() >= 1 && rows.size() <= 3, qPrintable(QString::number(rows.size())));
    for (int r : rows)
        QVERIFY(r <= 2);
}

void TestHolterReportPages::missingOrCutRecording_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<int>("pages");
    QTest::newRow("missing file") << 0 << true << 1;
    QTest::newRow("cut by one byte") << 1 << false << 3;
    QTest::newRow("cut in the minute records") << 16 * 20 * 2 * 7500 << false << 3;
}

void TestHolterReportPages::missingOrCutRecording()
{
    QFETCH(int, cut);
    QFETCH(bool, missing);
    QFETCH(int, pages);
    QTemporaryDir dir;
    const QString path = dir.filePath("20260302083000");
    if (!missing) {
        const QByteArray bytes = recording(16 * 60, beats);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.left(qMax(HolterHeader::kSize, bytes.size() - cut)));
    }
    HolterReport report;
    QVERIFY(!report.load(path));
    HolterReportHelper helper;
    helper.setLinesPerPage(30);
    helper.setData(&report);
    QCOMPARE(helper.pageCount(), pages);

    // Every page paints, and no strip page carries a trace or a time.
    QImage image(1050, 1485, QImage::Format_RGB32);
    QPainter painter(&image);
    helper.setScale(5);
    helper.setPainter(&painter);
    for (int i = 0; i < helper.pageCount(); ++i) {
        image.fill(Qt::white);
        helper.paintPage(QRectF(0, 0, 1050, 1485), i);
        if (i == 0)
            continue;
        int dark = 0;
        for (int y = 60; y < 1400; ++y)
            for (int x = 250; x < 1000; ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        QCOMPARE(dark, 0);
    }
    helper.setPainter(nullptr);
    painter.end();

    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return;
    HolterReportHelper pdfHelper;
    pdfHelper.setData(&report);
    const QString pdf = writePdf(pdfHelper, dir, "report.pdf");
    QVERIFY(!pdf.isEmpty());
    QVERIFY(PageRaster::pdfText(pdf, 1).contains("The recording file is missing or incomplete."));
}

void TestHolterReportPages::stripsKeepEcgPaperProportions_data()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("15 minutes a page") << 30;
    QTest::newRow("30 minutes a page") << 60;
}

void TestHolterReportPages::stripsKeepEcgPaperProportions()
{
    QFETCH(int, lines);
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QSKIP("pdftoppm is missing");
    // The first row steps between 0 and -1 mV every half second; the second row is flat.
    const int millivolt = qRound(EcgTrace::kCountsPerMillivolt);
    const auto steps = [millivolt](int i) { return i < 3750 && (i * 2 / 125) % 2 == 1 ? -millivolt : 0; };
    HolterReport report;
    QVERIFY(report.loadData(recording(120, steps)));
    HolterReportHelper helper;
    helper.setLinesPerPage(lines);
    helper.setData(&report);
    QTemporaryDir dir;
    const QString pdf = writePdf(helper, dir, "steps.pdf");
    QVERIFY(!pdf.isEmpty());

    // The first rows of the strip page at 1200 dpi, below the header line
    // and right of the minute's time.
    const int dpi = 1200;
    const double pxPerMm = dpi / 25.4;
    const QImage image =
        crop(pdf, 2, dpi, QRect(int(25 * pxPerMm), int(7 * pxPerMm), int(170 * pxPerMm), int(12 * pxPerMm)));
    QVERIFY(!image.isNull());

    // Down the image, the inked heights: the 0 mV level, the -1 mV level and
    // the flat second row, each drawn along part of the width or all of it.
    QVector<PageRaster::Run> levels;
    double sum = 0;
    double moment = 0;
    for (int y = 0; y <= image.height(); ++y) {
        double ink = 0;
        for (int x = 0; y < image.height() && x < image.width(); ++x)
            ink += PageRaster::weight(image.pixel(x, y), PageRaster::Ink::Black);
        if (ink > 0.2 * 200 * image.width()) {
            sum += ink;
            moment += ink * y;
        } else if (sum > 0) {
            levels << PageRaster::Run{moment / sum, 0};
            sum = moment = 0;
        }
    }
    QVERIFY2(levels.size() >= 2, qPrintable(QString::number(levels.size())));
    const double mmPerMv = (levels.at(1).centre - levels.at(0).centre) / pxPerMm;
    // Between them, the vertical strokes of the steps, half a second apart.
    const int between = qRound((levels.at(0).centre + levels.at(1).centre) / 2);
    const QVector<PageRaster::Run> edges =
        PageRaster::runs(image, true, between, 0, image.width() - 1, PageRaster::Ink::Black, 50);
    QVERIFY2(edges.size() >= 50, qPrintable(QString::number(edges.size())));
    const double mmPerSecond = 2 * PageRaster::pitch(edges) / pxPerMm;
    const double ratio = mmPerSecond / mmPerMv;
    QVERIFY2(qAbs(ratio / 2.5 - 1) <= 0.005,
             qPrintable(QString("%1 mm/s, %2 mm/mV, ratio %3").arg(mmPerSecond).arg(mmPerMv).arg(ratio)));
}

void TestHolterReportPages::defaultFileNameIsSafe_data()
{
    QTest::addColumn<QString>("sn");
    QTest::addColumn<QString>("patient");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "HA1234"
                           << "Anna Berg"
                           << "HA1234_Anna Berg_20260302083000.pdf";
    QTest::newRow("separators") << "HA1234"
                                << "../A:B*C?\"<>|"
                                << "HA1234_.._A_B_C_____20260302083000.pdf";
    QTest::newRow("letters of any script")
        << "HA1" << QString::fromUtf8("Zoë 李") << QString::fromUtf8("HA1_Zoë 李_20260302083000.pdf");
    QTest::newRow("no patient") << "HA1"
                                << ""
                                << "HA1__20260302083000.pdf";
}

void TestHolterReportPages::defaultFileNameIsSafe()
{
    QFETCH(QString, sn);
    QFETCH(QString, patient);
    QFETCH(QString, expected);
    QCOMPARE(HolterReportHelper::defaultFileName(sn, patient, kStart), expected);
}

void TestHolterReportPages::minuteReportStaysInsideTheRecording_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("title");
    QTest::newRow("first") << 0 << 0 << "ECG@08:30 Report";
    QTest::newRow("last") << 15 << 15 << "ECG@08:45 Report";
    QTest::newRow("past the end") << 99 << 15 << "ECG@08:45 Report";
    QTest::newRow("before the start") << -3 << 0 << "ECG@08:30 Report";
}

void TestHolterReportPages::minuteReportStaysInsideTheRecording()
{
    QFETCH(int, asked);
    QFETCH(int, shown);
    QFETCH(QString, title);
    HolterReport report;
    QVERIFY(report.loadData(recording(16 * 60 + 30, beats)));
    HolterMinuteReportHelper helper;
    helper.setData(&report, asked);
    QCOMPARE(helper.minute(), shown);
    QCOMPARE(helper.title(), title);
    QCOMPARE(helper.pageCount(), 1);
    QImage image(1050, 1485, QImage::Format_RGB32);
    QPainter painter(&image);
    helper.setPainter(&painter);
    helper.paintPage(QRectF(0, 0, 1050, 1485), 0);
}

void TestHolterReportPages::minuteGridIsSquare()
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QSKIP("pdftoppm is missing");
    HolterReport report;
    QVERIFY(report.loadData(recording(120, flat)));
    HolterMinuteReportHelper helper;
    helper.setData(&report, 0);
    QTemporaryDir dir;
    const QString pdf = writePdf(helper, dir, "minute.pdf");
    QVERIFY(!pdf.isEmpty());
    const QImage page = PageRaster::fromPdf(pdf, 1, 600);
    QVERIFY(!page.isNull());
    // The major (red) lines: down a column between two seconds, then across
    // the middle of a row.
    const QVector<PageRaster::Run> down =
        PageRaster::runs(page, false, int(page.width() * 0.45), 0, page.height() - 1, PageRaster::Ink::GridRed, 200);
    QVERIFY(down.size() >= 4);
    const int y = qRound((down.at(2).centre + down.at(3).centre) / 2);
    const QVector<PageRaster::Run> across =
        PageRaster::runs(page, true, y, 0, page.width() - 1, PageRaster::Ink::GridRed, 200);
    QVERIFY(across.size() >= 10 && down.size() >= 7);
    // 25 small squares a second, 20 a row.
    const double square = PageRaster::pitch(across) / 25;
    QVERIFY2(qAbs(PageRaster::pitch(down) / 20 / square - 1) < 0.01,
             qPrintable(QString("%1 / %2").arg(PageRaster::pitch(down) / 20).arg(square)));
}

QTEST_MAIN(TestHolterReportPages)
#include "TestHolterReportPages.moc"
