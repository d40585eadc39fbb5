#include "app/Config.h"
#include "app/LanguageTable.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/EcgDetail.h"
#include "files/MultiTestRecord.h"
#include "files/RecordCodec.h"
#include "files/SlmRecord.h"
#include "files/SpotRecord.h"
#include "report/DateTimeText.h"
#include "report/EcgTrace.h"
#include "report/ReportHelper.h"
#include "report/ReportOutput.h"
#include "report/SleepCsv.h"
#include "report/SlmReportHelper.h"
#include "support/PageRaster.h"
#include "support/PageRecorder.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using PageRaster::Ink;

namespace {

constexpr int kSamplesPerSecond = 250;
constexpr double kAreaLeftMm = 17.5;
// Title band and block (53 mm) on the first page, the band alone after it.
constexpr double kFirstAreaTopMm = 7.5 + 10 + 53 + 9;
constexpr double kNextAreaTopMm = 7.5 + 10 + 9;

// An ECG check of two pages: the first row of each page a 1 mV square wave
// of period 2 s starting low, everything else at 0.
ReportData squareWaveCheck()
{
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.samples = QVector<qint16>(10500, 0);
    for (int first : {0, 8750}) {
        for (int i = 0; i < 1750; ++i)
            data.samples[first + i] = (i / kSamplesPerSecond) % 2 ? 780 : 0;
    }
    return data;
}

ReportData spotCheck(int tenthsCelsius)
{
    SpotRecord spot;
    spot.checkTime = CheckTime::fromText("20240102030405");
    spot.checkFunc = 4;
    spot.temp = quint16(tenthsCelsius);
    ReportData data;
    data.checkType = CheckType::SpotCheck;
    data.record.checkType = CheckType::SpotCheck;
    data.record.bytes = RecordCodec::encode(spot, RecordCodec::Layout::Stored);
    return data;
}

// A page as measured: the image, its pixels per millimetre and where the page starts.
struct Page
{
    QImage image;
    double pixelsPerMm;
    double topPx;
    int px(double mm) const { return qRound(mm * pixelsPerMm); }
};

} // namespace

class TestReportPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void rowsAndPages_data();
    void rowsAndPages();
    void traceSkipsAndClamps();
    void traceOfAnEmptyRowIsItsStart();
    void interpretation_data();
    void interpretation();
    void zoravBlockFromTheDetailFile_data();
    void zoravBlockFromTheDetailFile();
    void multiTestMarksAtTheTraceScale();
    void stripIsToScale_data();
    void stripIsToScale();
    void pageNumbersAndSignature_data();
    void pageNumbersAndSignature();
    void spotTemperature_data();
    void spotTemperature();
    void jpgStacksPages();
    void unwritablePdfLeavesNothing();
    void safeFileNames_data();
    void safeFileNames();
    void sleepCsvLines();
    void sleepCsvTimesInEveryLanguage_data();
    void sleepCsvTimesInEveryLanguage();
    void sleepCurveStaysInTheChart_data();
    void sleepCurveStaysInTheChart();

private:
    QTemporaryDir m_dir;
};

void TestReportPages::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Config::instance()->setLanguage(1);
}

void TestReportPages::rowsAndPages_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("none") << 0 << 0 << 1;
    QTest::newRow("7.2 s") << 1800 << 1 << 1;
    QTest::newRow("8 s") << 2000 << 2 << 1;
    QTest::newRow("35 s") << 8750 << 5 << 1;
    QTest::newRow("35 s and a sample") << 8751 << 5 << 1;
    QTest::newRow("a sample short of 36 s") << 8999 << 5 << 1;
    QTest::newRow("36 s") << 9000 << 6 << 2;
    QTest::newRow("77 s") << 19250 << 11 << 2;
    QTest::newRow("78 s") << 19500 << 12 << 3;
}

void TestReportPages::rowsAndPages()
{
    QFETCH(int, samples);
    QFETCH(int, rows);
    QFETCH(int, pages);
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.samples = QVector<qint16>(samples, 0);
    ReportHelper helper;
    QVERIFY(helper.setData(data));
    QCOMPARE(helper.lineCount(), rows);
    QCOMPARE(helper.pageCount(), pages);
}

void TestReportPages::traceSkipsAndClamps()
{
    EcgTrace::Row row;
    row.left = 0;
    row.right = 1750;
    row.baseline = 100;
    row.top = 0;
    row.bottom = 200;
    row.pixelsPerCount = 1;
    const QVector<qint16> samples{10, 30001, 29999, -30001, -29999};
    const QPolygonF line = EcgTrace::row(samples, 0, row);
    QCOMPARE(line, QPolygonF({QPointF(0, 100), QPointF(0, 90), QPointF(2, 0), QPointF(4, 200)}));
}

void TestReportPages::traceOfAnEmptyRowIsItsStart()
{
    EcgTrace::Row row;
    row.right = 100;
    row.baseline = 5;
    row.bottom = 10;
    const QPolygonF line = EcgTrace::row(QVector<qint16>(3, 0), 1750, row);
    QCOMPARE(line, QPolygonF({QPointF(0, 5)}));
}

void TestReportPages::interpretation_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::newRow("regular") << 0 << "Regular electrocardiogram(ECG)";
    QTest::newRow("unable") << -1 << "Unable to Analyze";
    QTest::newRow("fast") << 1 << "Fast heart rate, tachycardia";
    QTest::newRow("slow and ST down") << (2 | 1024) << "Slow heart rate, bradycardia; ST segment depression";
    QTest::newRow("AF, wide QRS, long QTc") << (32 | 64 | 128)
                                            << "Suspected Atrial Fibrillation (AF); QRS interval is too wide; QTc "
                                               "interval prolongation";
}

void TestReportPages::interpretation()
{
    QFETCH(int, result);
    QFETCH(QString, text);
    QCOMPARE(ReportHelper::interpretation(result), text);
}

void TestReportPages::zoravBlockFromTheDetailFile_data()
{
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<int>("pi");
    QTest::addColumn<QString>("interpretation");
    QTest::addColumn<QString>("perfusion");
    QTest::newRow("QTc short, ST up") << QByteArray("\x00\x03\x00\x00", 4) << 120
                                      << "ECG: QTc interval is too short; ST segment elevation"
                                      << "PI: 12.0";
    QTest::newRow("ST down") << QByteArray("\x00\x04\x00\x00", 4) << 5 << "ECG: ST segment depression"
                             << "PI: 0.5";
    QTest::newRow("fast and ST down") << QByteArray("\x01\x04\x00\x00", 4) << 200
                                      << "ECG: Fast heart rate, tachycardia; ST segment depression"
                                      << "PI: 20.0";
    QTest::newRow("255 in the first byte") << QByteArray("\xFF\x00\x00\x00", 4) << 0 << "ECG: Unable to Analyze"
                                           << "PI: --";
    QTest::newRow("-1") << QByteArray("\xFF\xFF\xFF\xFF", 4) << 0 << "ECG: Unable to Analyze"
                        << "PI: --";
    QTest::newRow("regular") << QByteArray(4, '\0') << 201 << "ECG: Regular electrocardiogram(ECG)"
                             << "PI: --";
}

// The ZoravIvide block reads the whole 32-bit result of the long header and
// shows the perfusion index in tenths.
void TestReportPages::zoravBlockFromTheDetailFile()
{
    QFETCH(QByteArray, result);
    QFETCH(int, pi);
    QFETCH(QString, interpretation);
    QFETCH(QString, perfusion);
    QByteArray bytes = EcgDetail::toBytes(EcgHeader(), QVector<qint16>(250, 0), EcgDetail::Form::Long);
    bytes.replace(16, 4, result);
    const EcgDetail detail = EcgDetail::fromBytes(bytes, EcgDetail::Form::Long);
    CorvisetDailyRecord daily;
    daily.PI = qint8(pi);
    ReportData data;
    data.checkType = CheckType::CorvisetDailyCheck;
    data.record.checkType = CheckType::CorvisetDailyCheck;
    data.record.bytes = RecordCodec::encode(daily, RecordCodec::Layout::Stored);
    data.header = detail.header();
    data.samples = detail.samples();
    ReportHelper helper;
    helper.setData(data);
    QVector<PageRecorder::Item> items = PageRecorder::of(helper, 0);
    // A label and its value are drawn apart; read them as one line.
    QStringList lines;
    for (int i = 0; i + 1 < items.size(); ++i)
        lines << items.at(i).text + " " + items.at(i + 1).text;
    QVERIFY2(lines.contains(interpretation), qPrintable(PageRecorder::joined(items)));
    QVERIFY2(lines.contains(perfusion), qPrintable(PageRecorder::joined(items)));
}

// The 1 mV pulse of the multi-test page is as tall as a millivolt of its trace.
void TestReportPages::multiTestMarksAtTheTraceScale()
{
    MultiTestRecord multi;
    multi.ecg_waveVaild = 1;
    ReportData data;
    data.checkType = CheckType::MultiTest;
    data.record.checkType = CheckType::MultiTest;
    data.record.bytes = RecordCodec::encode(multi, RecordCodec::Layout::Stored);
    data.samples = QVector<qint16>(1750, 0);
    for (int i = 875; i < 1750; ++i)
        data.samples[i] = 780; // 1 mV
    ReportHelper helper;
    helper.setData(data);
    PageRecorder::Recorder recorder;
    PageRecorder::paint(helper, 0, &recorder);
    const auto height = [](const QPolygonF& line) { return line.boundingRect().height(); };
    QVector<QPolygonF> pulses, traces;
    for (const QPolygonF& line : recorder.polylines()) {
        if (line.size() == 6)
            pulses << line;
        else if (line.size() > 1000)
            traces << line;
    }
    QCOMPARE(pulses.size(), 1);
    QCOMPARE(traces.size(), 1);
    const double stripMillivolt = recorder.page().height() * 536 / 841.8897705078125 / 20;
    QVERIFY2(qAbs(height(pulses.first()) - stripMillivolt) < 0.5, qPrintable(QString::number(height(pulses.first()))));
    const double traceMillivolt = height(traces.first()) * EcgTrace::kCountsPerMillivolt / 780;
    QVERIFY2(qAbs(traceMillivolt - stripMillivolt) < 0.5, qPrintable(QString::number(traceMillivolt)));
}

void TestReportPages::stripIsToScale_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("page");
    for (const char* output : {"pdf", "jpg", "printer 1200 dpi"}) {
        QTest::newRow(qPrintable(QString("%1, first page").arg(output))) << output << 0;
        QTest::newRow(qPrintable(QString("%1, continuation page").arg(output))) << output << 1;
    }
}

// Measures the grid pitch, a millivolt and a second in the pixels of the output.
void TestReportPages::stripIsToScale()
{
    QFETCH(QString, output);
    QFETCH(int, page);
    ReportHelper helper;
    helper.setData(squareWaveCheck());
    QCOMPARE(helper.pageCount(), 2);

    Page measured;
    const int rasterDpi = 600;
    if (output == "jpg") {
        measured = {ReportOutput::renderJpg(helper), ReportOutput::kJpgScale,
                    double(ReportOutput::jpgPageRect(helper, page).top())};
    } else {
        const QString pdf = m_dir.filePath(output + ".pdf");
        if (output == "pdf") {
            QString error;
            QVERIFY2(ReportOutput::writePdf(helper, pdf, &error), qPrintable(error));
        } else {
            QPrinter printer(QPrinter::HighResolution);
            printer.setResolution(1200);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setFullPage(true);
            printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
            QPainter painter(&printer);
            ReportOutput::paintPages(helper, painter, printer.resolution() / 25.4, [&printer] { printer.newPage(); });
        }
        const QImage image = PageRaster::fromPdf(pdf, page + 1, rasterDpi);
        if (image.isNull())
            QSKIP("pdftoppm (poppler-utils) is needed to rasterise the PDF");
        measured = {image, rasterDpi / 25.4, 0};
    }
    const double areaTop = measured.topPx + (page == 0 ? kFirstAreaTopMm : kNextAreaTopMm) * measured.pixelsPerMm;
    const int left = measured.px(kAreaLeftMm);
    const int right = measured.px(kAreaLeftMm + 175);
    const auto mmOf = [&measured](double pixels) { return pixels / measured.pixelsPerMm; };

    // Across the last row (no trace there but its flat baseline), between two 1 mm lines.
    const int across = qRound(areaTop + (page == 0 ? 162.5 : 182.5) * measured.pixelsPerMm);
    const QVector<PageRaster::Run> vertical =
        PageRaster::runs(measured.image, true, across, left - 10, right + 10, Ink::GridRed, 8);
    QCOMPARE(vertical.size(), 176);
    QVERIFY2(qAbs(mmOf(PageRaster::pitch(vertical)) - 1.0) < 0.005,
             qPrintable(QString::number(mmOf(PageRaster::pitch(vertical)))));
    double strongest = 0;
    for (const PageRaster::Run& run : vertical)
        strongest = qMax(strongest, run.peak);
    QVector<PageRaster::Run> fiveMm;
    for (const PageRaster::Run& run : vertical) {
        if (run.peak > 0.4 * strongest)
            fiveMm << run;
    }
    QCOMPARE(fiveMm.size(), 36);
    QVERIFY2(qAbs(mmOf(PageRaster::pitch(fiveMm)) - 5.0) < 0.025,
             qPrintable(QString::number(mmOf(PageRaster::pitch(fiveMm)))));

    if (page == 1) {
        // Down the empty rows of the continuation page, between two 1 mm lines.
        const int down = left + measured.px(12.5);
        const QVector<PageRaster::Run> horizontal =
            PageRaster::runs(measured.image, false, down, qRound(areaTop + 40 * measured.pixelsPerMm) - 2,
                             qRound(areaTop + 240 * measured.pixelsPerMm) + 2, Ink::GridRed, 8);
        QCOMPARE(horizontal.size(), 201);
        QVERIFY(qAbs(mmOf(PageRaster::pitch(horizontal)) - 1.0) < 0.005);
    }

    // The first row: low at sample 125, high at sample 375.
    const int rowTop = qRound(areaTop) + 2;
    const int rowBottom = qRound(areaTop + 40 * measured.pixelsPerMm) - 2;
    const auto traceAt = [&](double seconds) {
        const QVector<PageRaster::Run> trace = PageRaster::runs(measured.image, false, left + measured.px(seconds * 25),
                                                                rowTop, rowBottom, Ink::Black, 20);
        return trace.size() == 1 ? trace.first().centre : -1.0;
    };
    const double low = traceAt(0.5);
    const double high = traceAt(1.5);
    QVERIFY(low > 0 && high > 0);
    const double millivolt = mmOf(low - high) * 779.9732209273494 / 780;
    QVERIFY2(qAbs(millivolt - 10.0) < 0.05, qPrintable(QString("1 mV is %1 mm").arg(millivolt)));

    const QVector<PageRaster::Run> edges = PageRaster::runs(
        measured.image, true, qRound((low + high) / 2), left + measured.px(1), right - measured.px(1), Ink::Black, 20);
    QCOMPARE(edges.size(), 6);
    const double second = mmOf(PageRaster::pitch(edges));
    QVERIFY2(qAbs(second - 25.0) < 0.125, qPrintable(QString("1 s is %1 mm").arg(second)));
    qInfo("%s: grid %.4f mm / %.4f mm, 1 mV %.4f mm, 1 s %.4f mm", qPrintable(QTest::currentDataTag()),
          mmOf(PageRaster::pitch(vertical)), mmOf(PageRaster::pitch(fiveMm)), millivolt, second);
}

void TestReportPages::pageNumbersAndSignature_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("one page") << 8750 << QStringList{QString()};
    QTest::newRow("two pages") << 9000 << QStringList{"1/2", "2/2"};
    QTest::newRow("three pages") << 21000 << QStringList{"1/3", "2/3", "3/3"};
}

void TestReportPages::pageNumbersAndSignature()
{
    QFETCH(int, samples);
    QFETCH(QStringList, numbers);
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.samples = QVector<qint16>(samples, 0);
    ReportHelper helper;
    helper.setData(data);
    const QString pdf = m_dir.filePath("numbers.pdf");
    QString error;
    QVERIFY(ReportOutput::writePdf(helper, pdf, &error));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
    for (int page = 0; page < numbers.size(); ++page) {
        const QString text = PageRaster::pdfText(pdf, page + 1);
        const bool last = page + 1 == numbers.size();
        QCOMPARE(text.contains("Date:"), last);
        QCOMPARE(text.contains("Physician:"), last);
        if (numbers.at(page).isEmpty())
            QVERIFY(!text.contains("1/1"));
        else
            QVERIFY2(text.contains(numbers.at(page)), qPrintable(text));
    }
}

void TestReportPages::spotTemperature_data()
{
    QTest::addColumn<bool>("celsius");
    QTest::addColumn<QString>("text");
    QTest::newRow("Celsius") << true << QString::fromUtf8("37.5℃");
    QTest::newRow("Fahrenheit") << false << QString::fromUtf8("99.5℉");
}

void TestReportPages::spotTemperature()
{
    QFETCH(bool, celsius);
    QFETCH(QString, text);
    Config::instance()->setCelsius(celsius);
    ReportHelper helper;
    helper.setData(spotCheck(375));
    const QString pdf = m_dir.filePath("spot.pdf");
    QString error;
    QVERIFY(ReportOutput::writePdf(helper, pdf, &error));
    Config::instance()->setCelsius(true);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF");
    QVERIFY(PageRaster::pdfText(pdf, 1).contains(text));
}

void TestReportPages::jpgStacksPages()
{
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.samples = QVector<qint16>(21000, 0);
    ReportHelper helper;
    helper.setData(data);
    QCOMPARE(helper.pageCount(), 3);
    const QString path = m_dir.filePath("three.jpg");
    QString error;
    QVERIFY(ReportOutput::writeJpg(helper, path, &error));
    QCOMPARE(QImage(path).size(), QSize(1050, 4485));
    ReportData sleep;
    sleep.checkType = CheckType::Sleep;
    SlmReportHelper sleepHelper;
    sleepHelper.setData(sleep);
    QCOMPARE(ReportOutput::renderJpg(sleepHelper).size(), QSize(1050, 1485));
}

void TestReportPages::unwritablePdfLeavesNothing()
{
    ReportHelper helper;
    helper.setData(squareWaveCheck());
    const QString path = m_dir.filePath("missing/folder/report.pdf");
    QString error;
    QVERIFY(!ReportOutput::writePdf(helper, path, &error));
    QVERIFY2(error.contains("No such file or directory"), qPrintable(error));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!ReportOutput::writeJpg(helper, m_dir.filePath("missing/report.jpg"), &error));
}

void TestReportPages::safeFileNames_data()
{
    QTest::addColumn<QString>("sn");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "0123"
                           << "0123_Report_20240102030405.pdf";
    QTest::newRow("empty serial") << ""
                                  << "_Report_20240102030405.pdf";
    QTest::newRow("path in the serial") << "../x/y"
                                        << ".._x_y_Report_20240102030405.pdf";
    QTest::newRow("refused characters") << "a:b*c?"
                                        << "a_b_c__Report_20240102030405.pdf";
}

void TestReportPages::safeFileNames()
{
    QFETCH(QString, sn);
    QFETCH(QString, name);
    QCOMPARE(ReportOutput::defaultFileName(sn, "20240102030405", "pdf"), name);
}

void TestReportPages::sleepCsvLines()
{
    const QDateTime start(QDate(2024, 1, 2), QTime(23, 0, 0));
    const QVector<SleepTrendEntry> trend{{97, 60}, {255, 255}, {95, 61}};
    const QString path = m_dir.filePath("sleep.csv");
    QString error;
    QVERIFY(SleepCsv::write(path, start, trend, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.at(0).startsWith("Start time,\""));
    QCOMPARE(lines.at(1), QString("Time,Spo2,PR,"));
    QVERIFY(lines.at(3).endsWith("\",255,255,"));
    QVERIFY(lines.at(4).contains("11:00:04PM"));
    QVERIFY(lines.at(4).endsWith("\",95,61,"));
    QVERIFY(!SleepCsv::write(m_dir.filePath("missing/sleep.csv"), start, trend, &error));
    QVERIFY2(error.contains("No such file or directory"), qPrintable(error));
}

void TestReportPages::sleepCsvTimesInEveryLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QDateTime>("start");
    const QDateTime evening(QDate(2024, 1, 2), QTime(22, 59, 41));
    for (const QLocale::Language language :
         {QLocale::English, QLocale::French, QLocale::German, QLocale::Italian, QLocale::Spanish, QLocale::Chinese})
        QTest::newRow(qPrintable(QLocale::languageToString(language))) << int(language) << evening;
    QTest::newRow("English, odd second, noon")
        << int(QLocale::English) << QDateTime(QDate(2024, 3, 9), QTime(11, 58, 59));
    QTest::newRow("German, year end") << int(QLocale::German) << QDateTime(QDate(2023, 12, 31), QTime(23, 30, 0));
}

// The CSV formats the time once a minute; every line must read as the shared date-time text.
void TestReportPages::sleepCsvTimesInEveryLanguage()
{
    QFETCH(int, language);
    QFETCH(QDateTime, start);
    const QLocale::Language saved = DisplayLanguage::value();
    DisplayLanguage::set(QLocale::Language(language));
    const QVector<SleepTrendEntry> trend(3 * 1800, SleepTrendEntry{96, 61});
    const QList<QByteArray> lines = SleepCsv::text(start, trend).split('\n');
    DisplayLanguage::set(saved);
    QCOMPARE(lines.size(), trend.size() + 3);
    DisplayLanguage::set(QLocale::Language(language));
    for (int i = 0; i < trend.size(); i += 7) {
        const QString expected = '"' + DateTimeText::dateTime(start.addSecs(2 * i), true) + "\",96,61,";
        if (QString::fromUtf8(lines.at(i + 2)) != expected) {
            DisplayLanguage::set(saved);
            QFAIL(qPrintable(QString("line %1: %2, expected %3").arg(i + 2).arg(lines.at(i + 2), expected)));
        }
    }
    DisplayLanguage::set(saved);
}

void TestReportPages::sleepCurveStaysInTheChart_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("y");
    QTest::newRow("100 on the top line") << 100 << 0.0;
    QTest::newRow("above the range") << 120 << 0.0;
    QTest::newRow("60 on the bottom line") << 60 << 90.0;
    QTest::newRow("80 half way") << 80 << 45.0;
}

void TestReportPages::sleepCurveStaysInTheChart()
{
    QFETCH(int, value);
    QFETCH(double, y);
    const QRectF chart(0, 0, 185, 90);
    // Twelve hours: the last two lie past the chart's ten and are left out.
    QVector<SleepTrendEntry> trend(21600, SleepTrendEntry{quint8(value), 255});
    const QPolygonF spo2 = SlmReportHelper::curve(trend, true, chart, 60, 100);
    QCOMPARE(spo2.size(), 1201);
    QCOMPARE(spo2.last().x(), chart.right());
    for (const QPointF& point : spo2)
        QCOMPARE(point.y(), y);
    QVERIFY(SlmReportHelper::curve(trend, false, chart, 20, 180).isEmpty());
}

QTEST_MAIN(TestReportPages)
#include "TestReportPages.moc"
