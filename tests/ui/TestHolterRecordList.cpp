#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "support/DbTestSupport.h"
#include "support/HolterRecordingFile.h"
#include "support/MessageBoxAnswer.h"
#include "support/SyncFixture.h"
#include "ui/holter/HolterWidget.h"
#include "ui/holter/SummaryDlg.h"
#include "ui/records/CheckDispController.h"
#include "ui/records/MyListWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString kSn = "HL0001";
const QString kOlder = "20240301080000";
const QString kNewer = "20240305093000";

QString pathOf(const QString& time)
{
    return Config::instance()->dataDir() + "/" + kSn + "/" + time;
}

} // namespace

// Holter recordings in the record list: rows, review and deletion.
class TestHolterRecordList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rowsShowRecordings();
    void deleteRemovesTheRecordingAfterTheStore_data();
    void deleteRemovesTheRecordingAfterTheStore();
    void reviewOpensTheSummaryModal();
    void keysDoNothingInAHolterList();

private:
    HolterWidget* row(int index) const;

    std::unique_ptr<MyListWidget> m_list;
    std::unique_ptr<CheckDispController> m_controller;
};

void TestHolterRecordList::initTestCase()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestHolterRecordList::init()
{
    SyncFixture::clearStore();
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kSn, 0)));
    CheckUser anna = DbTestSupport::user(kSn, "Anna", true);
    QVERIFY(db->storeUsers(kSn, {anna}));
    QVERIFY(db->insertHolter(kSn, anna, kOlder, 7200));
    QVERIFY(db->insertHolter(kSn, CheckUser(), kNewer, 59));
    QVERIFY(HolterRecordingFile::write(pathOf(kOlder), HolterRecordingFile::make(7200).bytes()));
    QVERIFY(HolterRecordingFile::write(pathOf(kNewer), HolterRecordingFile::make(59).bytes()));
    m_list = std::make_unique<MyListWidget>();
    m_list->resize(900, 700);
    m_controller = std::make_unique<CheckDispController>();
    m_controller->setList(m_list.get());
    m_controller->setReviewOpener([](const QString&, const CheckRecord&) -> QDialog* { return nullptr; });
    m_list->show();
    m_controller->setQuery(kSn, CheckType::Holter, QString());
    m_controller->rebuildList();
}

void TestHolterRecordList::cleanup()
{
    m_controller.reset();
    m_list.reset();
}

HolterWidget* TestHolterRecordList::row(int index) const
{
    return qobject_cast<HolterWidget*>(m_list->itemWidget(m_list->item(index)));
}

void TestHolterRecordList::rowsShowRecordings()
{
    QCOMPARE(m_list->count(), 2);
    QVERIFY(row(0) && row(1));
    QCOMPARE(row(0)->fileName(), kNewer);
    QCOMPARE(row(0)->findChild<QLabel*>("labelTotalTime")->text(), QString("Total Time: 59s"));
    QVERIFY(row(0)->findChild<QLabel*>("labelID")->isHidden());
    QCOMPARE(row(1)->findChild<QLabel*>("labelTotalTime")->text(), QString("Total Time: 2h0m"));
    QCOMPARE(row(1)->findChild<QLabel*>("labelName")->text(), QString("Patient Name: Anna"));
    QCOMPARE(row(1)->findChild<QLabel*>("labelID")->text(), QString("ID: Anna"));
    QCOMPARE(m_list->item(0)->sizeHint().height(), 120);
}

void TestHolterRecordList::deleteRemovesTheRecordingAfterTheStore_data()
{
    QTest::addColumn<bool>("storeRefuses");
    QTest::newRow("store deletes") << false;
    QTest::newRow("store refuses") << true;
}

void TestHolterRecordList::deleteRemovesTheRecordingAfterTheStore()
{
    QFETCH(bool, storeRefuses);
    if (storeRefuses)
        QVERIFY(DbTestSupport::breakTable("tb_devCheck", "delete"));
    MessageBoxAnswer boxes;
    m_controller->onDeleteCheckItem(row(1));
    if (storeRefuses)
        QVERIFY(DbTestSupport::repairTable("tb_devCheck", "delete"));
    QVERIFY(!boxes.texts().isEmpty());
    QVERIFY2(boxes.texts().first().startsWith("ECG Holter \"") && boxes.texts().first().endsWith("\" item delete?"),
             qPrintable(boxes.texts().first()));
    QCOMPARE(QFile::exists(pathOf(kOlder)), storeRefuses);
    QCOMPARE(DbOperator::instance()->holterChecks(kSn).size(), storeRefuses ? 2 : 1);
    QCOMPARE(m_list->count(), storeRefuses ? 2 : 1);
    QVERIFY(QFile::exists(pathOf(kNewer)));
}

void TestHolterRecordList::reviewOpensTheSummaryModal()
{
    m_controller->onReviewCheckItem(row(1));
    const QList<SummaryDlg*> summaries = m_list->findChildren<SummaryDlg*>();
    QCOMPARE(summaries.size(), 1);
    SummaryDlg* summary = summaries.first();
    QVERIFY(summary->isModal() && summary->isVisible());
    QVERIFY(m_controller->isReportViewerOpen());
    QCOMPARE(summary->findChild<QLineEdit*>("editTotalTime")->text(), QString("2h0m"));
    QCOMPARE(summary->findChild<QLineEdit*>("editName")->text(), QString("Anna"));
    // Notes saved in the summary reach the row.
    summary->on_btnEdit_clicked();
    summary->findChild<QLineEdit*>("editID")->setText("MRN-7");
    summary->on_btnEdit_clicked();
    QCOMPARE(row(1)->findChild<QLabel*>("labelID")->text(), QString("ID: MRN-7"));
    summary->close();
    QVERIFY(!m_controller->isReportViewerOpen());
}

void TestHolterRecordList::keysDoNothingInAHolterList()
{
    m_list->item(0)->setSelected(true);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    m_controller->onKeyDown(&del);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    m_controller->onKeyDown(&enter);
    QCOMPARE(m_list->count(), 2);
    QVERIFY(m_list->findChildren<SummaryDlg*>().isEmpty());
}

QTEST_MAIN(TestHolterRecordList)
#include "TestHolterRecordList.moc"
