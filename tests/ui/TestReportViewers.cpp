#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/EcgRecord.h"
#include "files/MultiTestRecord.h"
#include "files/OxiRecord.h"
#include "report/EcgTrace.h"
#include "report/ReportSource.h"
#include "support/DbTestSupport.h"
#include "support/MessageBoxAnswer.h"
#include "support/RowFixture.h"
#include "support/SaveDialogAnswer.h"
#include "ui/viewers/EcgAnalyseDlg.h"
#include "ui/viewers/EditDlg.h"
#include "ui/viewers/ReportLauncher.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/ReportViewer.h"
#include "ui/viewers/ReportWidget.h"
#include "ui/viewers/SlmReportViewer.h"

#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

// The report viewer's zoom, the patient editor and the ECG analysis dialog.
class TestReportViewers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void batchLeavesOutRowsWithoutReport();
    void viewerAndEditorAreModal();
    void multiTestEditKeepsTheNote();
    void zoomStopsAtItsLimits_data();
    void zoomStopsAtItsLimits();
    void widgetStacksPages();
    void untouchedEditorKeepsStoredValues();
    void editorStoresWhatChanged();
    void cursorsReadTheSamplesUnderThem_data();
    void cursorsReadTheSamplesUnderThem();
    void searchWindow_data();
    void searchWindow();
    void maxMinOnAnEmptyRangeDoNothing();
    void maxFindsTheBeatsPeak();
    void scrollEndsWithTheData_data();
    void scrollEndsWithTheData();
    void saveDialogsRefuseTheProgramsFiles_data();
    void saveDialogsRefuseTheProgramsFiles();
    void traceLeavesOutSamplesBeyond3000();
    void maxLandsOnTheDrawnPeak();
    void printerIsA4FullPage();
    void printThatCannotStartIsReported();
    void batchPdfName_data();
    void batchPdfName();
    void edfButtonOnlyForEcgStrips_data();
    void edfButtonOnlyForEcgStrips();
    void edfButtonWritesAnEdfFile();
};

void TestReportViewers::initTestCase()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestReportViewers::batchLeavesOutRowsWithoutReport()
{
    EcgHeader header;
    header.heartRate = 70;
    RowFixture::writeDetail(header, QVector<qint16>(2500, 0));
    const CheckRecord ecg = RowFixture::record(CheckType::Ecg, EcgRecord());
    const CheckRecord oxi = RowFixture::record(CheckType::Oxi, OxiRecord());
    const QList<ReportData> reports = ReportPrinting::reportsOf(RowFixture::kSn, {ecg, oxi});
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first().header.heartRate, quint16(70));
    QCOMPARE(reports.first().samples.size(), 2500);
    QDialog* viewer = ReportLauncher::open(RowFixture::kSn, ecg, nullptr);
    QVERIFY(viewer);
    viewer->close();

    RowFixture::removeDetailFiles();
    QVERIFY(ReportPrinting::reportsOf(RowFixture::kSn, {ecg}).isEmpty());
    // A Holter check has its own report; the page batch passes over it.
    CheckRecord holter = ecg;
    holter.checkType = CheckType::Holter;
    QVERIFY(ReportPrinting::reportsOf(RowFixture::kSn, {holter, oxi}).isEmpty());
    QVERIFY(!ReportLauncher::open(RowFixture::kSn, ecg, nullptr));
}

void TestReportViewers::viewerAndEditorAreModal()
{
    RowFixture::writeDetail(EcgHeader(), QVector<qint16>(2500, 0));
    QPointer<QDialog> viewer =
        ReportLauncher::open(RowFixture::kSn, RowFixture::record(CheckType::Ecg, EcgRecord()), nullptr);
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->isModal());
    QMetaObject::invokeMethod(viewer, "on_btnEdit_clicked");
    auto* editor = viewer->findChild<EditDlg*>();
    QVERIFY(editor && editor->isVisible());
    QVERIFY(editor->isModal());
    editor->close();
    viewer->close();
    QTRY_VERIFY(viewer.isNull());
}

void TestReportViewers::multiTestEditKeepsTheNote()
{
    const QString sn = "MT0001";
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(sn, 19)));
    const CheckUser patient = DbTestSupport::user(sn, "Ann", true);
    MultiTestRecord record;
    record.checkTime = CheckTime{2024, 5, 6, 7, 8, 9};
    QVERIFY(db->insertMultiTest(sn, patient, RecordCodec::encode(record)));
    QVERIFY(db->ensureMultiTestReportUser(sn, patient));
    QVERIFY(db->ensureMultiTestRemark(sn, RecordCodec::encode(record)));
    const QString time = record.checkTime.text();
    const QString note = "after lunch\nsecond line";
    QVERIFY(db->updateMultiTestRemark(sn, time, note));
    ReportData data;
    QString error;
    QVERIFY2(ReportSource::load(sn, CheckType::MultiTest, time, &data, &error), qPrintable(error));

    ReportViewer viewer;
    viewer.setData(data);
    viewer.on_btnEdit_clicked();
    auto* editor = viewer.findChild<EditDlg*>();
    QVERIFY(editor);
    QVERIFY2(editor->findChild<QPlainTextEdit*>("editRemarks")->toPlainText().startsWith("after lunch"),
             "the editor shows the stored note");
    auto* name = editor->findChild<QLineEdit*>("editName");
    name->selectAll();
    QTest::keyClicks(name, "Anne");
    QMetaObject::invokeMethod(editor, "on_buttonBox_accepted");
    QCOMPARE(db->multiTestUserName(sn, patient.medicalid), QString("Anne"));
    QCOMPARE(db->multiTestRemark(sn, time), note);
}

void TestReportViewers::zoomStopsAtItsLimits_data()
{
    QTest::addColumn<bool>("zoomIn");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<double>("scale");
    QTest::newRow("in from 5 by 3") << true << 3 << 6.5;
    QTest::newRow("in to 7 and stop") << true << 6 << 7.0;
    QTest::newRow("out to 3 and stop") << false << 6 << 3.0;
}

void TestReportViewers::zoomStopsAtItsLimits()
{
    QFETCH(bool, zoomIn);
    QFETCH(int, clicks);
    QFETCH(double, scale);
    ReportViewer viewer;
    ReportData data;
    data.checkType = CheckType::Ecg;
    viewer.setData(data);
    for (int i = 0; i < clicks; ++i)
        zoomIn ? viewer.on_btnZoomIn_clicked() : viewer.on_btnZoomOut_clicked();
    QCOMPARE(viewer.scale(), scale);
}

void TestReportViewers::widgetStacksPages()
{
    ReportWidget widget;
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.samples = QVector<qint16>(21000, 0);
    widget.setData(data);
    widget.setScale(4.0);
    QCOMPARE(widget.size(), QSize(841, 3 * (297 * 4 + 8)));
}

void TestReportViewers::untouchedEditorKeepsStoredValues()
{
    CheckUser stored;
    stored.medicalid = "ID-1";
    stored.name = "A name longer than the editor's limit of twenty-four";
    stored.sex = 7;
    stored.birthday = QDate(1900, 1, 1);
    stored.weight = 725;
    stored.height = 181;
    // Line breaks the editor's one line cannot show stay in an untouched note.
    stored.remarks = "calm\nnight";
    stored.isXUser = true;
    EditDlg dialog;
    dialog.setPatientIdMode(false);
    dialog.setUser(stored);
    QSignalSpy saved(&dialog, &EditDlg::updateUser);
    QMetaObject::invokeMethod(&dialog, "on_buttonBox_accepted");
    QCOMPARE(saved.count(), 1);
    const CheckUser user = dialog.user();
    QCOMPARE(user.name, stored.name);
    QCOMPARE(user.sex, 7);
    QCOMPARE(user.birthday, QDate(1900, 1, 1));
    QCOMPARE(user.weight, 725);
    QCOMPARE(user.height, 181);
    QCOMPARE(user.remarks, QString("calm\nnight"));
    QCOMPARE(user.medicalid, QString("ID-1"));
}

void TestReportViewers::editorStoresWhatChanged()
{
    CheckUser stored;
    stored.name = "Ann";
    stored.weight = 725;
    EditDlg dialog;
    dialog.setUser(stored);
    auto* name = dialog.findChild<QLineEdit*>("editName");
    auto* remarks = dialog.findChild<QPlainTextEdit*>("editRemarks");
    QVERIFY(name && remarks);
    name->selectAll();
    QTest::keyClicks(name, "Bea");
    remarks->setPlainText("after lunch");
    const CheckUser user = dialog.user();
    QCOMPARE(user.name, QString("Bea"));
    QCOMPARE(user.remarks, QString("after lunch"));
    QCOMPARE(user.weight, 725);
}

void TestReportViewers::cursorsReadTheSamplesUnderThem_data()
{
    QTest::addColumn<double>("clickAt");
    QTest::addColumn<QString>("time");
    QTest::newRow("as opened: 600 ms apart") << -1.0 << ": 600ms";
    QTest::newRow("A clicked to 2 s") << 2.0 << ": 1600ms";
}

void TestReportViewers::cursorsReadTheSamplesUnderThem()
{
    QFETCH(double, clickAt);
    QFETCH(QString, time);
    QVector<qint16> samples(2000, 0);
    samples[100] = 390;
    samples[250] = -390;
    samples[500] = -390;
    EcgAnalyseDlg dialog;
    dialog.setData(72, samples);
    dialog.show();
    // The active cursor A moves to the click: seconds into the 7 s across 1700 pixels.
    if (clickAt >= 0) {
        QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(40 + qRound(clickAt / 7 * 1700), 200));
        QCOMPARE(dialog.activeTime(), clickAt);
    }
    QCOMPARE(dialog.timeText(), time);
    QCOMPARE(dialog.amplitudeText(), QString(": 1.00mV"));
}

void TestReportViewers::searchWindow_data()
{
    QTest::addColumn<int>("heartRate");
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("buttons");
    QTest::newRow("no heart rate") << 0 << 0 << false;
    QTest::newRow("60/min") << 60 << 250 << true;
    QTest::newRow("150/min") << 150 << 100 << true;
}

void TestReportViewers::searchWindow()
{
    QFETCH(int, heartRate);
    QFETCH(int, window);
    QFETCH(bool, buttons);
    EcgAnalyseDlg dialog;
    dialog.setData(heartRate, QVector<qint16>(3000, 0));
    QCOMPARE(dialog.searchWindow(), window);
    QCOMPARE(dialog.findChild<QPushButton*>("btnMax")->isHidden(), !buttons);
    QCOMPARE(dialog.findChild<QPushButton*>("btnMin")->isHidden(), !buttons);
}

void TestReportViewers::maxMinOnAnEmptyRangeDoNothing()
{
    // The active cursor (A, at 1 s) lies past the 200 samples.
    EcgAnalyseDlg dialog;
    dialog.setData(60, QVector<qint16>(200, 5));
    dialog.on_btnMax_clicked();
    dialog.on_btnMin_clicked();
    QCOMPARE(dialog.activeTime(), 1.0);
    dialog.setData(0, QVector<qint16>(2000, 5));
    dialog.on_btnMax_clicked();
    QCOMPARE(dialog.activeTime(), 1.0);
}

void TestReportViewers::maxFindsTheBeatsPeak()
{
    QVector<qint16> samples(2000, 0);
    samples[300] = 800;
    samples[400] = -700;
    samples[600] = 900; // the next beat, past the window of 250 samples
    EcgAnalyseDlg dialog;
    dialog.setData(60, samples);
    dialog.on_btnMax_clicked();
    QCOMPARE(dialog.activeTime(), 300 / 250.0);
    dialog.on_btnMin_clicked();
    QCOMPARE(dialog.activeTime(), 400 / 250.0);
}

void TestReportViewers::scrollEndsWithTheData_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("maximum");
    QTest::newRow("6 s") << 1500 << 0;
    QTest::newRow("7 s") << 1750 << 0;
    QTest::newRow("30 s") << 7500 << 575;
}

void TestReportViewers::scrollEndsWithTheData()
{
    QFETCH(int, samples);
    QFETCH(int, maximum);
    EcgAnalyseDlg dialog;
    dialog.setData(60, QVector<qint16>(samples, 0));
    QCOMPARE(dialog.scrollMaximum(), maximum);
}

void TestReportViewers::saveDialogsRefuseTheProgramsFiles_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("PDF") << "btnPDF1";
    QTest::newRow("CSV") << "btnCSV";
    QTest::newRow("EDF") << "btnEdf";
}

// Choosing the record database in a save dialog is refused with the reason, and the file stays.
void TestReportViewers::saveDialogsRefuseTheProgramsFiles()
{
    QFETCH(QString, button);
    QVERIFY(DbOperator::instance()->health() == DbOperator::Health::Healthy);
    const QString database = Config::instance()->dataDir() + "/db_vitacor.db";
    QFile file(database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    SlmReportViewer viewer;
    ReportData data;
    // The sleep viewer's form holds every export button; an ECG strip shows the EDF one.
    data.checkType = button == "btnEdf" ? CheckType::Ecg : CheckType::Sleep;
    data.samples.fill(0, button == "btnEdf" ? 2500 : 0);
    data.sn = "SN1";
    viewer.setData(data);
    SaveDialogAnswer answer(database);
    viewer.findChild<QPushButton*>(button)->click();
    const QStringList boxes = answer.boxes();
    QVERIFY2(boxes.filter("belongs to the record database").size() == 1, qPrintable(boxes.join('|')));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestReportViewers::traceLeavesOutSamplesBeyond3000()
{
    QVector<qint16> samples(2000, 0);
    for (int i = 500; i < 510; ++i)
        samples[i] = i % 2 ? 3001 : -3500;
    EcgAnalyseDlg dialog;
    dialog.setData(60, samples);
    const QPolygonF trace = dialog.trace();
    QVERIFY(trace.size() < 1700 - 5);
    for (const QPointF& point : trace)
        QCOMPARE(point.y(), trace.first().y());
}

void TestReportViewers::maxLandsOnTheDrawnPeak()
{
    // A ramp tells which samples after the active cursor (1 s) the trace draws.
    QVector<qint16> samples(2000, 0);
    for (int i = 250; i < 500; ++i)
        samples[i] = qint16(i - 250);
    EcgAnalyseDlg dialog;
    dialog.setData(60, samples);
    QSet<int> drawn;
    const double centre = dialog.trace().first().y();
    for (const QPointF& point : dialog.trace())
        drawn << qRound((centre - point.y()) * EcgTrace::kCountsPerMillivolt / 125);
    int skipped = 2;
    while (drawn.contains(skipped))
        ++skipped;
    QVERIFY(skipped < 240);

    samples.fill(0);
    samples[250 + skipped] = 800;
    samples[250 + skipped + 1] = 790;
    dialog.setData(60, samples);
    dialog.on_btnMax_clicked();
    QCOMPARE(dialog.activeTime(), (250 + skipped + 1) / 250.0);
    const QPolygonF trace = dialog.trace();
    const QPointF peak =
        *std::min_element(trace.begin(), trace.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    QCOMPARE(dialog.cursorX(dialog.activeTime()), peak.x());
}

namespace {

ReportData twoPageEcg(const QString& sn)
{
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.sn = sn;
    data.record.checkType = CheckType::Ecg;
    EcgRecord ecg;
    ecg.checkTime = CheckTime{2023, 4, 5, 6, 7, 8};
    data.record.bytes = RecordCodec::encode(ecg, RecordCodec::Layout::Stored);
    data.samples = QVector<qint16>(9000, 0);
    return data;
}

} // namespace

void TestReportViewers::printerIsA4FullPage()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFullPage(false);
    ReportPrinting::prepare(printer);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QVERIFY(printer.fullPage());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    QVERIFY(ReportPrinting::printOn(printer, {twoPageEcg("P1")}, nullptr));
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QSKIP("pdfinfo is missing");
    QProcess info;
    info.start("pdfinfo", {dir.filePath("printed.pdf")});
    QVERIFY(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression("Pages:\\s+2\\b")), qPrintable(text));
    QVERIFY2(text.contains("(A4)"), qPrintable(text));
}

void TestReportViewers::printThatCannotStartIsReported()
{
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinting::prepare(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-folder/printed.pdf");
    MessageBoxAnswer boxes{QMessageBox::Ok};
    QVERIFY(!ReportPrinting::printOn(printer, {twoPageEcg("P1")}, nullptr));
    QCOMPARE(boxes.texts(), QStringList{"The printer could not be started; nothing was printed."});
}

void TestReportViewers::batchPdfName_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("one row: its check time") << 1;
    QTest::newRow("several rows: now") << 3;
}

void TestReportViewers::batchPdfName()
{
    QFETCH(int, rows);
    QList<ReportData> reports;
    for (int i = 0; i < rows; ++i)
        reports << twoPageEcg("SN7");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QString name = ReportPrinting::pdfName(reports);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    QVERIFY2(name.startsWith("SN7_Report_") && name.endsWith(".pdf"), qPrintable(name));
    const QString stamp = name.mid(11, 14);
    if (rows == 1) {
        QCOMPARE(stamp, QString("20230405060708"));
    } else {
        const QDateTime when = QDateTime::fromString(stamp, "yyyyMMddHHmmss");
        QVERIFY2(when >= before && when <= after, qPrintable(name));
    }
}

void TestReportViewers::edfButtonOnlyForEcgStrips_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("samples");
    QTest::addColumn<bool>("shown");
    QTest::newRow("ECG") << int(CheckType::Ecg) << 2500 << true;
    QTest::newRow("ECG without strip") << int(CheckType::Ecg) << 0 << false;
    QTest::newRow("daily check") << int(CheckType::DailyCheck) << 2500 << true;
    QTest::newRow("multi-test") << int(CheckType::MultiTest) << 7500 << true;
    QTest::newRow("oximetry") << int(CheckType::Oxi) << 0 << false;
    QTest::newRow("sleep") << int(CheckType::Sleep) << 0 << false;
}

void TestReportViewers::edfButtonOnlyForEcgStrips()
{
    QFETCH(int, checkType);
    QFETCH(int, samples);
    QFETCH(bool, shown);
    ReportViewer viewer;
    ReportData data;
    data.checkType = checkType;
    data.samples.fill(0, samples);
    viewer.setData(data);
    QCOMPARE(viewer.findChild<QPushButton*>("btnEdf")->isVisibleTo(&viewer), shown);
}

// What the EDF button writes is an EDF+ file with the ECG as its first signal.
void TestReportViewers::edfButtonWritesAnEdfFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("check.edf");
    ReportViewer viewer;
    ReportData data;
    data.checkType = CheckType::Ecg;
    data.sn = RowFixture::kSn;
    data.record = RowFixture::record(CheckType::Ecg, EcgRecord());
    for (int i = 0; i < 7500; ++i)
        data.samples << qint16(i % 250 < 10 ? 780 : 0);
    viewer.setData(data);
    SaveDialogAnswer answer(path);
    viewer.findChild<QPushButton*>("btnEdf")->click();
    QVERIFY(answer.chosen());
    QVERIFY2(answer.boxes().isEmpty(), qPrintable(answer.boxes().join('|')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Two header blocks (the ECG and the annotations) and 30 one-second records of 250 samples.
    QVERIFY(bytes.size() > 3 * 256 + 30 * 250 * 2);
    QCOMPARE(bytes.left(8), QByteArray("0       "));
    QVERIFY2(bytes.mid(256, 16).startsWith("ECG"), bytes.mid(256, 16).constData());
    QCOMPARE(bytes.mid(236, 8).trimmed(), QByteArray("30"));
}

QTEST_MAIN(TestReportViewers)
#include "TestReportViewers.moc"
