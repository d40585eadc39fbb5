#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckUser.h"
#include "files/DetailPath.h"
#include "holter/HolterReport.h"
#include "report/HolterReportHelper.h"
#include "report/HolterReportSource.h"
#include "support/DbTestSupport.h"
#include "support/HolterRecordingFixture.h"
#include "support/SaveDialogAnswer.h"
#include "ui/holter/DetailReportReview.h"
#include "ui/holter/DetailReportWidget.h"
#include "ui/holter/HolterPdfBatch.h"
#include "ui/holter/HolterReportViewer.h"
#include "ui/holter/HolterReportWidget.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(8, 30));
const QString kTime = "20260302083000";

} // namespace

// The Holter report's viewer, the one-minute report and the batch PDF of
// selected recordings.
class TestHolterReportViewer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void comboBoxWritesLinesPerPageAtOnce_data();
    void comboBoxWritesLinesPerPageAtOnce();
    void patientComesWithTheRecording();
    void minuteReviewIsTitledByItsMinute();
    void minutePageLooksTheSameInsideAWindow();
    void batchNeverReplacesAFileUnasked_data();
    void batchNeverReplacesAFileUnasked();
    void pdfRefusesTheDatabase();

private:
    HolterReport m_report;
    CheckUser m_patient;
};

void TestHolterReportViewer::initTestCase()
{
    DbTestSupport::freshDataDir();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device("SN1", 7)));
    QVERIFY(db->storeUsers("SN1", {DbTestSupport::user("SN1", "Anna")}));
    QVERIFY(db->insertHolter("SN1", DbTestSupport::user("SN1", "Anna"), kTime, 16 * 60 + 30));
    QVERIFY(QDir().mkpath(Config::instance()->dataDir() + "/SN1"));
    QFile file(DetailPath::of(Config::instance()->dataDir(), "SN1", kTime));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(holterRecording(kStart, 16 * 60 + 30, [](int i) { return i % 125 < 4 ? 1000 : 0; }));
    file.close();
    QString error;
    QVERIFY2(HolterReportSource::load("SN1", kTime, &m_report, &m_patient, &error), qPrintable(error));
    QVERIFY(m_report.isLoaded());
}

void TestHolterReportViewer::comboBoxWritesLinesPerPageAtOnce_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("shownIndex");
    QTest::addColumn<int>("chosenIndex");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("pages");
    QTest::newRow("15 to 30 minutes") << 30 << 0 << 1 << 60 << 2;
    QTest::newRow("30 to 15 minutes") << 60 << 1 << 0 << 30 << 3;
    // Anything stored but 60 is shown, and paginated, as 15 minutes a page.
    QTest::newRow("stored 0") << 0 << 0 << 1 << 60 << 2;
    QTest::newRow("stored 45") << 45 << 0 << 1 << 60 << 2;
}

void TestHolterReportViewer::comboBoxWritesLinesPerPageAtOnce()
{
    QFETCH(int, setting);
    QFETCH(int, shownIndex);
    QFETCH(int, chosenIndex);
    QFETCH(int, written);
    QFETCH(int, pages);
    Config::instance()->setLinesPerPage(setting);
    HolterReportViewer viewer;
    viewer.setData(&m_report);
    auto* combo = viewer.findChild<QComboBox*>("comboBox");
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), shownIndex);
    // Opening the viewer writes nothing.
    QCOMPARE(Config::instance()->linesPerPage(), setting);
    QCOMPARE(viewer.reportWidget()->helper()->pageCount(), shownIndex == 0 ? 3 : 2);
    combo->setCurrentIndex(chosenIndex);
    QCOMPARE(Config::instance()->linesPerPage(), written);
    QCOMPARE(viewer.reportWidget()->helper()->pageCount(), pages);
    QCOMPARE(viewer.reportWidget()->pages().size(), pages);
    // A4 pages at 5 px/mm, 2 mm apart.
    QCOMPARE(viewer.reportWidget()->height(), qRound(pages * (297 * 5.0 + 10)));
}

void TestHolterReportViewer::patientComesWithTheRecording()
{
    QCOMPARE(m_patient.name, QString("Anna"));
    HolterReportViewer viewer;
    viewer.setName("SN1");
    viewer.setData(&m_report);
    QCOMPARE(viewer.defaultFileName(), QString("SN1_Anna_20260302083000.pdf"));
    QCOMPARE(viewer.windowTitle(), QString("Holter ECG Report"));

    HolterReport other;
    CheckUser nobody;
    QString error;
    QVERIFY(!HolterReportSource::load("SN1", "20260302090000", &other, &nobody, &error));
    QVERIFY(error.contains("20260302090000"));
}

void TestHolterReportViewer::minuteReviewIsTitledByItsMinute()
{
    DetailReportReview review;
    review.setName("SN1");
    review.setData(&m_report, 15);
    QCOMPARE(review.windowTitle(), QString("ECG@08:45 Report"));
    QCOMPARE(review.reportWidget()->helper()->pageCount(), 1);
    QCOMPARE(review.defaultFileName(), QString("SN1_Anna_20260302084500.pdf"));
    review.setData(&m_report, 16);
    QCOMPARE(review.windowTitle(), QString("ECG@08:45 Report"));
}

void TestHolterReportViewer::minutePageLooksTheSameInsideAWindow()
{
    // The grid is drawn from a picture placed in device pixels; inside a
    // window it once landed a second time as far from the window's corner.
    QWidget window;
    window.resize(1200, 1600);
    DetailReportWidget page(&window);
    page.move(88, 30);
    page.setData(&m_report, 3);
    const QImage alone = page.grab().toImage();
    const QImage inWindow = window.grab().toImage().copy(QRect(page.pos(), page.size()));
    QCOMPARE(inWindow.convertToFormat(QImage::Format_RGB32), alone.convertToFormat(QImage::Format_RGB32));
}

void TestHolterReportViewer::batchNeverReplacesAFileUnasked_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("isPdf");
    QTest::newRow("new file") << false << false << 1 << true;
    QTest::newRow("existing, kept") << true << false << 0 << false;
    QTest::newRow("existing, replaced") << true << true << 1 << true;
}

void TestHolterReportViewer::batchNeverReplacesAFileUnasked()
{
    QFETCH(bool, exists);
    QFETCH(bool, replace);
    QFETCH(int, written);
    QFETCH(bool, isPdf);
    QTemporaryDir folder;
    const HolterPdfBatch::Recording stored{"SN1", kTime};
    const HolterPdfBatch::Recording unknown{"SN1", "20260302090000"};
    const QString path = HolterPdfBatch::filePath(folder.path(), stored);
    QCOMPARE(QFileInfo(path).fileName(), QString("Report_SN1_20260302083000.pdf"));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own file");
    }
    QStringList asked;
    QStringList failed;
    const int count = HolterPdfBatch::writeAll(
        folder.path(), {stored, unknown},
        [&](const QString& p) {
            asked << p;
            return replace;
        },
        [&](const QString& p) { failed << p; });
    QCOMPARE(count, written);
    QCOMPARE(asked, exists ? QStringList{path} : QStringList());
    QCOMPARE(failed, QStringList{HolterPdfBatch::filePath(folder.path(), unknown)});
    QVERIFY(!QFileInfo::exists(HolterPdfBatch::filePath(folder.path(), unknown)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4) == "%PDF", isPdf);
}

// Choosing the record database in the PDF save dialog is refused with the reason, and the file stays.
void TestHolterReportViewer::pdfRefusesTheDatabase()
{
    const QString database = Config::instance()->dataDir() + "/db_vitacor.db";
    QFile file(database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    HolterReportViewer viewer;
    viewer.setData(&m_report);
    SaveDialogAnswer answer(database);
    viewer.on_btnToPDF_clicked();
    QVERIFY2(answer.boxes().filter("belongs to the record database").size() == 1, qPrintable(answer.boxes().join('|')));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_MAIN(TestHolterReportViewer)
#include "TestHolterReportViewer.moc"
