#include "app/Config.h"
#include "db/DbOperator.h"
#include "holter/HolterReport.h"
#include "support/DbTestSupport.h"
#include "support/HolterRecordingFile.h"
#include "support/SaveDialogAnswer.h"
#include "support/SyncFixture.h"
#include "ui/holter/CursorButton.h"
#include "ui/holter/EcgDetailDlg.h"
#include "ui/holter/SummaryDlg.h"
#include "ui/holter/TimeButton.h"
#include "ui/holter/ViewAllEcgDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kSn = "HS0001";
const QString kTime = "20240307080000";

QString recordingPath()
{
    return Config::instance()->dataDir() + "/" + kSn + "/" + kTime;
}

template <class T>
T* child(QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning() << "no child" << name;
    return found;
}

QString text(QWidget* parent, const char* name)
{
    return child<QLineEdit>(parent, name)->text();
}

} // namespace

// The Holter summary, the detail minute and the all-ECG pages.
class TestHolterScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void allEcgPageCount_data();
    void allEcgPageCount();
    void allEcgPagingStopsAtTheEnds();
    void allEcgPageEdit();
    void cursorLabelsStartAtOneSecondAndOneMillivolt();
    void minuteStepping_data();
    void minuteStepping();
    void stripStepping_data();
    void stripStepping();
    void detailGridIsSquare_data();
    void detailGridIsSquare();
    void detailMeasurements();
    void summaryFigures();
    void screeningListsEitherCriterion_data();
    void screeningListsEitherCriterion();
    void unreadableRecordingLeavesFieldsEmpty_data();
    void unreadableRecordingLeavesFieldsEmpty();
    void stripOpensByItsMinuteClamped_data();
    void stripOpensByItsMinuteClamped();
    void editModeStoresTheNotes();
    void countersFollowTheText();
    void edfExportHoldsPatientAndTickedStrips();
    void edfExportRefusesTheDatabase();

private:
    // Writes the recording of `seconds` and opens the summary on it.
    std::unique_ptr<SummaryDlg> openSummary(int seconds, const QVector<int>& heartRates = {70});
    HolterReport m_report;
};

void TestHolterScreens::initTestCase()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestHolterScreens::init()
{
    SyncFixture::clearStore();
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device(kSn, 0)));
    QFile::remove(recordingPath());
}

std::unique_ptr<SummaryDlg> TestHolterScreens::openSummary(int seconds, const QVector<int>& heartRates)
{
    HolterRecordingFile::write(recordingPath(), HolterRecordingFile::make(seconds, heartRates).bytes());
    auto summary = std::make_unique<SummaryDlg>(nullptr, &m_report);
    CheckUser user;
    user.name = "Anna Berg";
    user.sex = 1;
    user.birthday = QDate(1970, 4, 2);
    summary->setUser(user);
    summary->setData(kSn, kTime);
    return summary;
}

void TestHolterScreens::allEcgPageCount_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("fifteenthEnabled");
    QTest::newRow("14 min 30 s") << 870 << 1 << false;
    // Whole minutes make pages: the 16th minute is not recorded whole.
    QTest::newRow("15 min 59 s") << 959 << 1 << true;
    QTest::newRow("16 min") << 960 << 2 << true;
    QTest::newRow("59 s") << 59 << 1 << false;
    QTest::newRow("nothing recorded") << 0 << 1 << false;
    QTest::newRow("2 h") << 7200 << 8 << true;
}

void TestHolterScreens::allEcgPageCount()
{
    QFETCH(int, seconds);
    QFETCH(int, pages);
    QFETCH(bool, fifteenthEnabled);
    QVERIFY(m_report.loadData(HolterRecordingFile::make(seconds).bytes()));
    ViewAllEcgDlg dialog;
    dialog.setData(&m_report);
    QCOMPARE(dialog.pageCount(), pages);
    QCOMPARE(child<QLabel>(&dialog, "labelTotalPage")->text(), QString("/%1").arg(pages));
    QCOMPARE(dialog.timeButtons().at(14)->isEnabled(), fifteenthEnabled);
    QCOMPARE(dialog.timeButtons().at(14)->text().isEmpty(), !fifteenthEnabled);
    // Every page paints, the partial last minute included.
    dialog.resize(955, 777);
    for (int page = 1; page <= pages; ++page) {
        dialog.setPage(page);
        QImage image(dialog.size(), QImage::Format_ARGB32);
        dialog.render(&image);
    }
}

void TestHolterScreens::allEcgPagingStopsAtTheEnds()
{
    QVERIFY(m_report.loadData(HolterRecordingFile::make(31 * 60).bytes()));
    ViewAllEcgDlg dialog;
    dialog.setData(&m_report);
    auto* previous = child<QPushButton>(&dialog, "btnPrevPage");
    auto* next = child<QPushButton>(&dialog, "btnNexgPage");
    QVERIFY(!previous->isEnabled());
    dialog.on_btnPrevPage_clicked();
    QCOMPARE(dialog.currentPage(), 1);
    for (int i = 0; i < 5; ++i)
        dialog.on_btnNexgPage_clicked();
    QCOMPARE(dialog.currentPage(), 3);
    QVERIFY(!next->isEnabled());
    QCOMPARE(child<QLineEdit>(&dialog, "editCurPage")->text(), QString("3"));
    QCOMPARE(dialog.timeButtons().at(0)->text(), QString("08:30"));
    QVERIFY(dialog.timeButtons().at(0)->isEnabled());
    QVERIFY(!dialog.timeButtons().at(1)->isEnabled());
    dialog.on_btnPrevPage_clicked();
    QCOMPARE(dialog.currentPage(), 2);
    QCOMPARE(dialog.timeButtons().at(14)->text(), QString("08:29"));
}

void TestHolterScreens::allEcgPageEdit()
{
    QVERIFY(m_report.loadData(HolterRecordingFile::make(31 * 60).bytes()));
    ViewAllEcgDlg dialog;
    dialog.setData(&m_report);
    auto* edit = child<QLineEdit>(&dialog, "editCurPage");
    edit->setText("2");
    dialog.on_editCurPage_editingFinished();
    QCOMPARE(dialog.currentPage(), 2);
    edit->clear();
    dialog.onEditLostFocus();
    QCOMPARE(edit->text(), QString("2"));
    // A page beyond the last is refused.
    edit->setText("4");
    dialog.on_editCurPage_editingFinished();
    QCOMPARE(dialog.currentPage(), 2);
}

void TestHolterScreens::cursorLabelsStartAtOneSecondAndOneMillivolt()
{
    QVERIFY(m_report.loadData(HolterRecordingFile::make(300).bytes()));
    EcgDetailDlg dialog;
    dialog.setData(&m_report, 0);
    QCOMPARE(dialog.timeValueText(), QString("1.00s"));
    QCOMPARE(dialog.amplitudeValueText(), QString("1.00mv"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.on_btnRuler_clicked();
    QVERIFY(dialog.isRulerShown());
    QCOMPARE(dialog.timeValueText(), QString("1.00s"));
    QCOMPARE(dialog.amplitudeValueText(), QString("1.00mv"));
    // The first time cursor moved to the plot's left edge stands at 0 s,
    // the first amplitude cursor at the top at 0 mV.
    const QList<CursorButton*> cursors = dialog.findChildren<CursorButton*>();
    QCOMPARE(cursors.size(), 4);
    for (CursorButton* cursor : cursors) {
        if (cursor == cursors.at(0) || cursor == cursors.at(1)) {
            if (cursor->orientation() == CursorButton::Horizontal)
                cursor->move(cursor->rangeMin(), cursor->y());
            else
                cursor->move(cursor->x(), cursor->rangeMin());
        }
    }
    dialog.onCursorButtonMove();
    QCOMPARE(dialog.timeValueText(), QString("1.20s"));
    QCOMPARE(dialog.amplitudeValueText(), QString("2.60mv"));
    dialog.on_btnRuler_clicked();
    QVERIFY(!dialog.isRulerShown());
}

void TestHolterScreens::minuteStepping_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("expected");
    QTest::newRow("previous on the first minute") << 0 << false << 0;
    QTest::newRow("next on the last minute") << 4 << true << 4;
    QTest::newRow("next from the first") << 0 << true << 1;
    QTest::newRow("previous from the last") << 4 << false << 3;
    QTest::newRow("past the end clamps to the last") << 99 << false << 3;
    QTest::newRow("before the start clamps to the first") << -5 << true << 1;
}

void TestHolterScreens::minuteStepping()
{
    QFETCH(int, start);
    QFETCH(bool, forward);
    QFETCH(int, expected);
    QVERIFY(m_report.loadData(HolterRecordingFile::make(5 * 60 + 30).bytes()));
    EcgDetailDlg dialog;
    dialog.setData(&m_report, start);
    QCOMPARE(dialog.minuteCount(), 5);
    if (forward)
        dialog.on_btnNextMinute_clicked();
    else
        dialog.on_btnPrevMinute_clicked();
    QCOMPARE(dialog.currentMinute(), expected);
    QCOMPARE(dialog.windowTitle(), QString::asprintf("ECG@08:%02d", expected));
    QCOMPARE(child<QPushButton>(&dialog, "btnPrevMinute")->isEnabled(), expected > 0);
    QCOMPARE(child<QPushButton>(&dialog, "btnNextMinute")->isEnabled(), expected < 4);
}

void TestHolterScreens::stripStepping_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("expected");
    QTest::newRow("next from before the first") << 0 << "nn" << 6;
    QTest::newRow("next past the last stays") << 0 << "nnnn" << 6;
    QTest::newRow("previous from between") << 4 << "p" << 2;
    QTest::newRow("previous before the first stays") << 2 << "pp" << 2;
    QTest::newRow("next from a matched minute") << 2 << "n" << 6;
}

void TestHolterScreens::stripStepping()
{
    QFETCH(int, start);
    QFETCH(QString, steps);
    QFETCH(int, expected);
    QVERIFY(m_report.loadData(HolterRecordingFile::make(10 * 60).bytes()));
    EcgDetailDlg dialog;
    dialog.setMatchedMinutes({2, 6});
    dialog.setData(&m_report, start);
    for (QChar step : steps) {
        if (step == 'n')
            dialog.on_btnnextStrip_clicked();
        else
            dialog.on_btnPrevStrip_clicked();
    }
    QCOMPARE(dialog.currentMinute(), expected);
}

void TestHolterScreens::detailGridIsSquare_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("smallest") << QSize(1250, 743);
    QTest::newRow("wide") << QSize(1900, 800);
    QTest::newRow("tall") << QSize(1300, 1100);
}

void TestHolterScreens::detailGridIsSquare()
{
    QFETCH(QSize, size);
    QVERIFY(m_report.loadData(HolterRecordingFile::make(120).bytes()));
    EcgDetailDlg dialog;
    dialog.setData(&m_report, 1);
    dialog.resize(size);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRectF plot = dialog.plotRect();
    QVERIFY(!plot.isEmpty());
    QVERIFY(qAbs(plot.width() / 250 - plot.height() / 140) < 1e-6);
    // The plot stays clear of the measurements and the buttons.
    QVERIFY(plot.top() > child<QLabel>(&dialog, "labelHR")->geometry().bottom());
    QVERIFY(plot.bottom() < child<QPushButton>(&dialog, "btnRuler")->geometry().top());
    QVERIFY(plot.left() >= 85);
}

void TestHolterScreens::detailMeasurements()
{
    HolterFileBuilder b = HolterRecordingFile::make(180);
    b.minutes[1].flags = HolterMinute::kIrregularRrBit | HolterMinute::kPauseBit;
    b.minutes[1].qt = 9999;
    b.minutes[2].flags = HolterMinute::kPauseBit;
    QVERIFY(m_report.loadData(b.bytes()));
    EcgDetailDlg dialog;
    dialog.setData(&m_report, 1);
    dialog.show();
    QCOMPARE(child<QLabel>(&dialog, "labelHR")->text(), QString("HR: 70"));
    QCOMPARE(child<QLabel>(&dialog, "labelQT")->text(), QString("QT: --"));
    QCOMPARE(child<QLabel>(&dialog, "labelTime")->text(), QString("@08:01"));
    auto* grid = dialog.findChild<QGridLayout*>("gridInfo");
    auto* irregular = child<QLabel>(&dialog, "labelIrr");
    auto* pause = child<QLabel>(&dialog, "labelPause");
    QVERIFY(irregular->isVisible() && pause->isVisible());
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(pause), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(column, 8);
    dialog.on_btnNextMinute_clicked();
    QVERIFY(!irregular->isVisible() && pause->isVisible());
    grid->getItemPosition(grid->indexOf(pause), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(column, 7);
}

void TestHolterScreens::summaryFigures()
{
    const auto summary = openSummary(7200);
    QCOMPARE(text(summary.get(), "editStrips"), QString("120 (1 minute)"));
    QCOMPARE(text(summary.get(), "editTotalTime"), QString("2h0m"));
    QCOMPARE(text(summary.get(), "editStartTime"), QString("08:00"));
    QCOMPARE(text(summary.get(), "editRecordDate"), QString("Mar 7, 2024"));
    QCOMPARE(text(summary.get(), "editLead"), QString("LEAD II"));
    QCOMPARE(text(summary.get(), "editMaxHR"), QString("130"));
    QCOMPARE(text(summary.get(), "editPause"), QString("0 Strips"));
    QCOMPARE(text(summary.get(), "editMean"), QString("833 ms"));
    QCOMPARE(text(summary.get(), "editPnn50"), QString("12%"));
    QCOMPARE(text(summary.get(), "editName"), QString("Anna Berg"));
    QCOMPARE(text(summary.get(), "editGender"), QString("Female"));
}

void TestHolterScreens::screeningListsEitherCriterion_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("unticked");
    QTest::addColumn<QVector<int>>("minutes");
    QTest::newRow("no box ticked") << QStringList() << QStringList() << QVector<int>{};
    QTest::newRow("ticked and unticked") << QStringList{"chkHr120"} << QStringList{"chkHr120"} << QVector<int>{};
    QTest::newRow("HR>=120") << QStringList{"chkHr120"} << QStringList() << QVector<int>{0, 3};
    QTest::newRow("HR<=50") << QStringList{"chkHr50"} << QStringList() << QVector<int>{1, 4};
    QTest::newRow("HR>=120 with HR<=50") << QStringList{"chkHr120", "chkHr50"} << QStringList()
                                         << QVector<int>{0, 1, 3, 4};
    QTest::newRow("a criterion no minute meets") << QStringList{"chkQtc480"} << QStringList() << QVector<int>{};
}

void TestHolterScreens::screeningListsEitherCriterion()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, unticked);
    QFETCH(QVector<int>, minutes);
    const auto summary = openSummary(6 * 60, {130, 40, 70});
    for (const QString& box : boxes)
        summary->findChild<QCheckBox*>(box)->setChecked(true);
    for (const QString& box : unticked)
        summary->findChild<QCheckBox*>(box)->setChecked(false);
    QCOMPARE(summary->matchedMinutes(), minutes);
    QCOMPARE(child<QLabel>(summary.get(), "lblStripsFound")->text(), QString("%1 strips found").arg(minutes.size()));
    QAbstractItemModel* model = child<QListView>(summary.get(), "listStrips")->model();
    QCOMPARE(model->rowCount(), minutes.size());
    for (int i = 0; i < minutes.size(); ++i) {
        QCOMPARE(model->index(i, 0).data(SummaryDlg::kMinuteRole).toInt(), minutes.at(i));
        QCOMPARE(model->index(i, 0).data().toString(),
                 QString("7-Mar-2024 08:%1").arg(minutes.at(i), 2, 10, QChar('0')));
    }
}

void TestHolterScreens::unreadableRecordingLeavesFieldsEmpty_data()
{
    QTest::addColumn<int>("cut");
    QTest::newRow("missing") << -1;
    QTest::newRow("cut by a byte") << 1;
    QTest::newRow("only the header") << 0;
}

void TestHolterScreens::unreadableRecordingLeavesFieldsEmpty()
{
    QFETCH(int, cut);
    auto summary = std::make_unique<SummaryDlg>(nullptr, &m_report);
    const QByteArray bytes = HolterRecordingFile::make(600, {130}).bytes();
    if (cut > 0)
        HolterRecordingFile::write(recordingPath(), bytes.left(bytes.size() - cut));
    else if (cut == 0)
        HolterRecordingFile::write(recordingPath(), bytes.left(62));
    CheckUser user;
    user.name = "Anna Berg";
    summary->setUser(user);
    QVERIFY(!summary->setData(kSn, kTime));
    QCOMPARE(text(summary.get(), "editName"), QString("Anna Berg"));
    for (const char* field : {"editRecordDate", "editStartTime", "editTotalTime", "editStrips", "editLead", "editMaxHR",
                              "editPause", "editMean", "editPnn50"})
        QVERIFY2(text(summary.get(), field).isEmpty(), field);
    child<QCheckBox>(summary.get(), "chkHr120")->setChecked(true);
    QCOMPARE(child<QLabel>(summary.get(), "lblStripsFound")->text(), QString("0 strips found"));
    QVERIFY(!child<QPushButton>(summary.get(), "btnViewEcg")->isEnabled());
    QVERIFY(!child<QPushButton>(summary.get(), "btnEdf")->isEnabled());
    summary->on_btnViewEcg_clicked();
    QVERIFY(summary->findChildren<ViewAllEcgDlg*>().isEmpty());
}

void TestHolterScreens::stripOpensByItsMinuteClamped_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("nextStrip");
    QTest::newRow("as listed") << 3 << 3 << 6;
    QTest::newRow("past the recording") << 999 << 9 << 9;
    QTest::newRow("before it") << -4 << 0 << 3;
}

void TestHolterScreens::stripOpensByItsMinuteClamped()
{
    QFETCH(int, stored);
    QFETCH(int, opened);
    QFETCH(int, nextStrip);
    const auto summary = openSummary(600, {130, 70, 70});
    child<QCheckBox>(summary.get(), "chkHr120")->setChecked(true);
    QAbstractItemModel* model = child<QListView>(summary.get(), "listStrips")->model();
    const QModelIndex index = model->index(1, 0);
    model->setData(index, stored, SummaryDlg::kMinuteRole);
    summary->onClickStripsItem(index);
    const QList<EcgDetailDlg*> details = summary->findChildren<EcgDetailDlg*>();
    QCOMPARE(details.size(), 1);
    QCOMPARE(details.first()->currentMinute(), opened);
    QVERIFY(details.first()->isModal());
    details.first()->on_btnnextStrip_clicked();
    QCOMPARE(details.first()->currentMinute(), nextStrip);
    details.first()->close();
}

void TestHolterScreens::editModeStoresTheNotes()
{
    const auto summary = openSummary(120);
    QSignalSpy changed(summary.get(), &SummaryDlg::userInfoChanged);
    auto* physician = child<QLineEdit>(summary.get(), "editPhysician");
    QVERIFY(physician->isReadOnly());
    QCOMPARE(physician->styleSheet(), QString("background-color: #F0F0F0"));
    summary->on_btnEdit_clicked();
    QVERIFY(summary->isEditing() && !physician->isReadOnly());
    QCOMPARE(child<QPushButton>(summary.get(), "btnEdit")->toolTip(), QString("Save"));
    physician->setText("Dr Weiss");
    child<QPlainTextEdit>(summary.get(), "editRemarks")->setPlainText("Pauses at night.");
    summary->on_btnEdit_clicked();
    QVERIFY(!summary->isEditing() && physician->isReadOnly());
    QCOMPARE(changed.size(), 1);
    CheckUser stored;
    QVERIFY(DbOperator::instance()->reportUser(kTime + kSn, &stored));
    QCOMPARE(stored.physician, QString("Dr Weiss"));
    QCOMPARE(stored.remarks, QString("Pauses at night."));
    QCOMPARE(stored.name, QString("Anna Berg"));
}

void TestHolterScreens::countersFollowTheText()
{
    const auto summary = openSummary(120);
    summary->on_btnEdit_clicked();
    child<QPlainTextEdit>(summary.get(), "editIndication")->setPlainText("Syncope");
    QCOMPARE(child<QLabel>(summary.get(), "lblIndicationsHint")->text(), QString("7/300"));
    child<QPlainTextEdit>(summary.get(), "editRemarks")->setPlainText(QString(400, 'x'));
    QCOMPARE(child<QLabel>(summary.get(), "lblCommentsHint")->text(), QString("370/370"));
}

// The EDF button writes the whole recording with the patient shown and the
// minutes the ticked criteria match as annotations.
void TestHolterScreens::edfExportHoldsPatientAndTickedStrips()
{
    const auto summary = openSummary(6 * 60, {130, 40, 70});
    child<QCheckBox>(summary.get(), "chkHr120")->setChecked(true);
    QVERIFY(child<QPushButton>(summary.get(), "btnEdf")->isEnabled());
    QTemporaryDir dir;
    const QString path = dir.filePath("holter.edf");
    SaveDialogAnswer answer(path);
    child<QPushButton>(summary.get(), "btnEdf")->click();
    QVERIFY(answer.chosen());
    QVERIFY2(answer.boxes().isEmpty(), qPrintable(answer.boxes().join('|')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 3 * 256);
    QCOMPARE(bytes.left(8), QByteArray("0       "));
    QVERIFY2(bytes.mid(8, 80).contains("F 02-APR-1970 Anna_Berg"), bytes.mid(8, 80).constData());
    QCOMPARE(bytes.mid(236, 8).trimmed(), QByteArray("360"));
    QVERIFY2(bytes.mid(256, 16).startsWith("ECG"), bytes.mid(256, 16).constData());
    QVERIFY(bytes.contains("Tachycardia"));
    QVERIFY(!bytes.contains("Bradycardia"));
}

void TestHolterScreens::edfExportRefusesTheDatabase()
{
    const auto summary = openSummary(120);
    const QString database = Config::instance()->dataDir() + "/db_vitacor.db";
    QFile file(database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    SaveDialogAnswer answer(database);
    child<QPushButton>(summary.get(), "btnEdf")->click();
    QVERIFY2(answer.boxes().filter("belongs to the record database").size() == 1, qPrintable(answer.boxes().join('|')));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_MAIN(TestHolterScreens)
#include "TestHolterScreens.moc"
