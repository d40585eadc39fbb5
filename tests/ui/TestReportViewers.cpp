#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/EcgRecord.h"
#include "files/OxiRecord.h"
#include "support/RowFixture.h"
#include "support/SaveDialogAnswer.h"
#include "ui/viewers/EcgAnalyseDlg.h"
#include "ui/viewers/EditDlg.h"
#include "ui/viewers/ReportLauncher.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/ReportViewer.h"
#include "ui/viewers/ReportWidget.h"
#include "ui/viewers/SlmReportViewer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// The report viewer's zoom, the patient editor and the ECG analysis dialog.
class TestReportViewers : public QObject
{
    Q_OBJECT
private slots:
    void batchLeavesOutRowsWithoutReport();
    void zoomStopsAtItsLimits_data();
    void zoomStopsAtItsLimits();
    void widgetStacksPages();
    void untouchedEditorKeepsStoredValues();
    void editorStoresWhatChanged();
    void analysisStartsWith600ms();
    void searchWindow_data();
    void searchWindow();
    void maxMinOnAnEmptyRangeDoNothing();
    void maxFindsTheBeatsPeak();
    void scrollEndsWithTheData_data();
    void scrollEndsWithTheData();
    void saveDialogsRefuseTheProgramsFiles_data();
    void saveDialogsRefuseTheProgramsFiles();
    void edfButtonOnlyForEcgStrips_data();
    void edfButtonOnlyForEcgStrips();
    void edfButtonWritesAnEdfFile();
};

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
    QVERIFY(!ReportLauncher::open(RowFixture::kSn, ecg, nullptr));
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
    stored.remarks = "calm";
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
    QCOMPARE(user.remarks, QString("calm"));
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

void TestReportViewers::analysisStartsWith600ms()
{
    QVector<qint16> samples(2000, 0);
    samples[100] = 390;
    samples[250] = -390;
    EcgAnalyseDlg dialog;
    dialog.setData(72, samples);
    QCOMPARE(dialog.timeText(), QString(": 600ms"));
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
