#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/EcgDetail.h"
#include "files/EcgRecord.h"
#include "files/OxiRecord.h"
#include "files/RecordCodec.h"
#include "support/DbTestSupport.h"
#include "support/MessageBoxAnswer.h"
#include "support/SyncFixture.h"
#include "support/TestBus.h"
#include "ui/MainWindow.h"
#include "ui/download/SyncDlg.h"
#include "ui/records/CheckDispController.h"
#include "ui/records/DeviceWidget.h"
#include "ui/records/MyListWidget.h"
#include "ui/records/TreeModelBuilder.h"
#include "ui/records/TreeViewST.h"
#include "ui/viewers/ReportViewer.h"

#include <QDir>
#include <QFile>

#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kSn = "MW0001";

template <class R>
QByteArray recordAt(int second)
{
    R r;
    r.checkTime = CheckTime{2024, 7, 8, 9, 10, quint8(second)};
    return RecordCodec::encode(r);
}

void writeEcgDetail(int second, int heartRate)
{
    EcgHeader header;
    header.heartRate = quint16(heartRate);
    const QString time = CheckTime{2024, 7, 8, 9, 10, quint8(second)}.text();
    QVERIFY(QDir().mkpath(Config::instance()->dataDir() + "/" + kSn));
    QFile file(DetailPath::of(Config::instance()->dataDir(), kSn, time));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(EcgDetail::toBytes(header, QVector<qint16>(500, 0), EcgDetail::Form::Short)) > 0);
}

QModelIndex childOfType(const QModelIndex& device, int checkType)
{
    for (int i = 0; i < device.model()->rowCount(device); ++i) {
        const QModelIndex child = device.model()->index(i, 0, device);
        if (child.data(TreeModelBuilder::CheckTypeRole).toInt() == checkType)
            return child;
    }
    return QModelIndex();
}

} // namespace

// The main window: the tree selection drives the list and the print buttons.
class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void emptyDatabase();
    void firstDeviceShownThenItsChecks();
    void deletionLowersTheCountToZero();
    void keyboardMovesTheSelection();
    void firstDownloadShowsItsDevice();
    void multiTestUserNodeListsItsChecks();

private:
    void storeChecks();
    TreeViewST* tree(MainWindow& window) { return window.findChild<TreeViewST*>("treeView"); }
    MyListWidget* list(MainWindow& window) { return window.findChild<MyListWidget*>("listWidget"); }
    bool printable(MainWindow& window)
    {
        return window.findChild<QPushButton*>("btnPrint")->isEnabled() &&
            window.findChild<QPushButton*>("btnPDF")->isEnabled();
    }

    std::unique_ptr<TestBus> m_bus;
};

void TestMainWindow::initTestCase()
{
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
    m_bus = std::make_unique<TestBus>();
}

void TestMainWindow::init()
{
    SyncFixture::clearStore();
}

void TestMainWindow::storeChecks()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kSn, 0)));
    QVERIFY(db->insertChecks(kSn, CheckType::Ecg, {recordAt<EcgRecord>(1), recordAt<EcgRecord>(2)}));
    QVERIFY(db->insertChecks(kSn, CheckType::Oxi, {recordAt<OxiRecord>(3)}));
    writeEcgDetail(1, 61);
    writeEcgDetail(2, 62);
}

void TestMainWindow::emptyDatabase()
{
    MainWindow window;
    window.show();
    QCOMPARE(tree(window)->model()->rowCount(), 0);
    QVERIFY(!tree(window)->currentIndex().isValid());
    QCOMPARE(list(window)->count(), 0);
    QVERIFY(!window.findChild<QPushButton*>("btnPrint")->isEnabled());
    QVERIFY(!window.findChild<QPushButton*>("btnPDF")->isEnabled());
}

void TestMainWindow::firstDeviceShownThenItsChecks()
{
    storeChecks();
    MainWindow window;
    window.show();
    const QModelIndex device = tree(window)->model()->index(0, 0);
    QCOMPARE(tree(window)->currentIndex(), device);
    QCOMPARE(list(window)->count(), 1);
    QVERIFY(qobject_cast<DeviceWidget*>(list(window)->itemWidget(list(window)->item(0))));
    QVERIFY(!printable(window));

    tree(window)->setCurrentIndex(childOfType(device, CheckType::Ecg));
    QCOMPARE(list(window)->count(), 2);
    QVERIFY(!printable(window));
    list(window)->item(1)->setSelected(true);
    QVERIFY(printable(window));
    QList<QList<ReportData>> printed;
    window.reportCommands().print = [&printed](QWidget*, const QList<ReportData>& reports) {
        printed << reports;
        return true;
    };
    QTest::mouseClick(window.findChild<QPushButton*>("btnPrint"), Qt::LeftButton);
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().size(), 1);
    // Newest first: the second row is the check of second 1.
    QCOMPARE(printed.first().first().checkType, int(CheckType::Ecg));
    QCOMPARE(printed.first().first().header.heartRate, quint16(61));
    QCOMPARE(printed.first().first().sn, kSn);

    // The pulse oximeter offers no report.
    tree(window)->setCurrentIndex(childOfType(device, CheckType::Oxi));
    list(window)->item(0)->setSelected(true);
    QVERIFY(!printable(window));
    tree(window)->setCurrentIndex(device);
    QVERIFY(!printable(window));
}

void TestMainWindow::deletionLowersTheCountToZero()
{
    storeChecks();
    MainWindow window;
    window.show();
    const QModelIndex oxi = childOfType(tree(window)->model()->index(0, 0), CheckType::Oxi);
    QVERIFY(oxi.data().toString().endsWith("(1)"));
    tree(window)->setCurrentIndex(oxi);
    QVERIFY(window.controller()->deleteItems(false));
    QVERIFY2(oxi.data().toString().endsWith("(0)"), qPrintable(oxi.data().toString()));
    QVERIFY(!window.controller()->hasRecords());
}

void TestMainWindow::keyboardMovesTheSelection()
{
    storeChecks();
    MainWindow window;
    window.show();
    tree(window)->setFocus();
    tree(window)->expand(tree(window)->currentIndex());
    QTest::keyClick(tree(window), Qt::Key_Down);
    const QModelIndex current = tree(window)->currentIndex();
    QCOMPARE(current.data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::CountNode));
    QCOMPARE(window.controller()->checkType(), current.data(TreeModelBuilder::CheckTypeRole).toInt());
    QVERIFY(tree(window)->selectionModel()->isSelected(current));
}

void TestMainWindow::firstDownloadShowsItsDevice()
{
    MainWindow window;
    window.show();
    storeChecks();
    emit window.syncDialog()->downloadEnd(kSn);
    QCOMPARE(tree(window)->currentIndex(), tree(window)->model()->index(0, 0));
    QCOMPARE(list(window)->count(), 1);
    QVERIFY(qobject_cast<DeviceWidget*>(list(window)->itemWidget(list(window)->item(0))));
}

// The user node lists the user's multi-test checks; once the user is deleted,
// the multi-test node's list no longer holds them.
void TestMainWindow::multiTestUserNodeListsItsChecks()
{
    const QString sn = "MT0019";
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(sn, 19)));
    const CheckUser ann = DbTestSupport::user(sn, "Ann", true);
    QVERIFY(db->ensureMultiTestReportUser(sn, ann));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(db->insertMultiTest(sn, ann, DbTestSupport::multiTestRecord(i)));
    }
    Config::instance()->setLanguage(2); // only the Chinese edition shows multi-test nodes
    MainWindow window;
    window.show();
    Config::instance()->setLanguage(1);
    const QModelIndex multiTest = childOfType(tree(window)->model()->index(0, 0), CheckType::MultiTest);
    QVERIFY(multiTest.isValid());
    const QModelIndex user = multiTest.model()->index(0, 0, multiTest);
    QVERIFY(user.isValid());
    tree(window)->setCurrentIndex(user);
    QCOMPARE(list(window)->count(), 3);
    QVERIFY(window.controller()->hasRecords());

    tree(window)->setCurrentIndex(multiTest);
    tree(window)->expandAll();
    QCOMPARE(list(window)->count(), 3);
    // "Delete" is the node's only menu entry; the question is answered Yes.
    QTimer menuAnswer;
    QObject::connect(&menuAnswer, &QTimer::timeout, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    menuAnswer.start(0);
    MessageBoxAnswer boxes;
    const QPoint at = tree(window)->visualRect(user).center();
    QVERIFY(QMetaObject::invokeMethod(&window, "onTreeViewCtxMenu", Q_ARG(QPoint, at)));
    menuAnswer.stop();
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(multiTest.model()->rowCount(multiTest), 0);
    QVERIFY(!window.controller()->hasRecords());
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
