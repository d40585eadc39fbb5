#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/OxiRecord.h"
#include "files/RecordCodec.h"
#include "support/DbTestSupport.h"
#include "support/MessageBoxAnswer.h"
#include "support/SyncFixture.h"
#include "sync/CheckEraser.h"
#include "ui/MyMessageBox.h"
#include "ui/records/CheckDispController.h"
#include "ui/records/DeviceWidget.h"
#include "ui/records/MyListWidget.h"
#include "ui/records/NoDataWidget.h"
#include "ui/rows/CheckItemBase.h"

#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTranslator>
#include <QtTest>

#include <unistd.h>

namespace {

const QString kSn = "LC0001";
const QString kTwoUserSn = "LC0053";

QByteArray checkRecord(int checkType, int index)
{
    const CheckTime time{2024, 2, 3, quint8(index / 3600), quint8(index / 60 % 60), quint8(index % 60)};
    if (checkType == CheckType::Ecg) {
        EcgRecord r;
        r.checkTime = time;
        r.voice = 1;
        return RecordCodec::encode(r);
    }
    OxiRecord r;
    r.checkTime = time;
    r.spo2 = 97;
    r.PR = 70;
    return RecordCodec::encode(r);
}

QString oxiTime(int index)
{
    return CheckTime{2024, 2, 3, quint8(index / 3600), quint8(index / 60 % 60), quint8(index % 60)}.text();
}

// The detail file, voice note and companions an ECG strip may have.
QStringList stripFiles(const QString& time)
{
    return CheckEraser::filesOf(Config::instance()->dataDir(), kSn, CheckType::Ecg, time);
}

bool filesExist(const QString& time)
{
    for (const QString& path : stripFiles(time)) {
        if (!QFile::exists(path))
            return false;
    }
    return true;
}

} // namespace

// The record list: what it shows, deletion, voice notes, keys and filters.
class TestCheckDispController : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void devicePanel_data();
    void devicePanel();
    void selectionWithoutChecksShowsNoData();
    void rowsOnlyNearTheVisiblePart();
    void deletingTheLastRowShowsNoData();
    void rowDeleteAsksFirst_data();
    void rowDeleteAsksFirst();
    void deleteKeyDeletesSelectedWithOneQuestion();
    void deleteKeyWithoutSelectionDoesNothing();
    void refusedDeletionKeepsRowAndFiles();
    void oximetryLeavesTheFilesOfTheSecond();
    void unremovableFilesAreNamedInABox();
    void secondVoiceRequestIgnored();
    void unplayableVoiceIsReportedAndCleared();
    void reservedUserIdListedWithoutUser();
    void noReviewOfferedWithoutViewer();
    void allResultsAllUsersRestoresList();
    void viewerUserGoesOnlyToSamePatient();
    void confirmationsSpeakTheInterfaceLanguage_data();
    void confirmationsSpeakTheInterfaceLanguage();
    void viewerFlagStaysWhileAnyViewerIsOpen();

private:
    // Checks of the type, each with the files of a strip; oximetry keeps none of them.
    void storeChecks(int count, int checkType = CheckType::Oxi);
    void storeOxi(int count) { storeChecks(count); }
    // Multi-test checks of two patients, Ann and Ben, in turn; returns them.
    QList<CheckUser> storeMultiTests(int count);
    int rowCount() const { return m_list->count(); }
    template <class W>
    bool shows() const
    {
        return m_list->count() == 1 && qobject_cast<W*>(m_list->itemWidget(m_list->item(0)));
    }
    void selectRows(const QList<int>& rows);

    std::unique_ptr<MyListWidget> m_list;
    std::unique_ptr<CheckDispController> m_controller;
};

void TestCheckDispController::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
}

void TestCheckDispController::init()
{
    SyncFixture::clearStore();
    QDir(Config::instance()->dataDir() + "/" + kSn).removeRecursively();
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device(kSn, 0)));
    m_list = std::make_unique<MyListWidget>();
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->resize(900, 700);
    m_controller = std::make_unique<CheckDispController>();
    m_controller->setList(m_list.get());
    m_list->show();
}

void TestCheckDispController::cleanup()
{
    m_controller.reset();
    m_list.reset();
}

void TestCheckDispController::storeChecks(int count, int checkType)
{
    QList<QByteArray> records;
    for (int i = 0; i < count; ++i) {
        records << checkRecord(checkType, i);
        for (const QString& path : stripFiles(oxiTime(i))) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    QVERIFY(DbOperator::instance()->insertChecks(kSn, checkType, records));
    m_controller->setQuery(kSn, checkType, QString());
    m_controller->rebuildList();
    QApplication::processEvents();
}

void TestCheckDispController::selectRows(const QList<int>& rows)
{
    for (int row : rows)
        m_list->item(row)->setSelected(true);
}

void TestCheckDispController::devicePanel_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("state");
    QTest::newRow("connected") << true << "State: Connected";
    QTest::newRow("offline") << false << "State: Offline";
}

void TestCheckDispController::devicePanel()
{
    QFETCH(bool, online);
    QFETCH(QString, state);
    DeviceInfo device = DbTestSupport::device(kSn, 0);
    device.appVer = 0x00010200;
    QVERIFY(DbOperator::instance()->storeDevice(device));
    m_controller->showDevicePanel(kSn, !online);
    m_controller->setDevicePanelOnline(online);
    QVERIFY(shows<DeviceWidget>());
    QVERIFY(m_list->isFill());
    QStringList texts;
    for (const QLabel* label : m_list->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY2(texts.contains(state), qPrintable(texts.join('|')));
    QVERIFY(texts.contains("Software Version: V1.2"));
    QVERIFY(texts.contains("Serial Number: " + kSn));
    QVERIFY(!m_controller->hasRecords());
}

void TestCheckDispController::selectionWithoutChecksShowsNoData()
{
    storeOxi(0);
    QVERIFY(shows<NoDataWidget>());
    QCOMPARE(m_list->property("showCheck").toString(), QString("false"));
}

void TestCheckDispController::rowsOnlyNearTheVisiblePart()
{
    storeOxi(600);
    QCOMPARE(rowCount(), 600);
    const int firstScreen = m_controller->builtRows().size();
    QVERIFY2(firstScreen > 0 && firstScreen < 40, qPrintable(QString::number(firstScreen)));
    m_list->verticalScrollBar()->setValue(m_list->verticalScrollBar()->maximum());
    QApplication::processEvents();
    QVERIFY(m_list->itemWidget(m_list->item(599)));
    QVERIFY(!m_list->itemWidget(m_list->item(0)));
    QVERIFY(m_controller->builtRows().size() < 100);
}

void TestCheckDispController::deletingTheLastRowShowsNoData()
{
    storeChecks(1, CheckType::Ecg);
    QSignalSpy deleted(m_controller.get(), &CheckDispController::deleteCheckItem);
    QVERIFY(m_controller->deleteItems(false));
    QVERIFY(shows<NoDataWidget>());
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.first().at(1).toInt(), int(CheckType::Ecg));
    QCOMPARE(deleted.first().at(2).toString(), QString(Vitacor::kNoUserId));
    QVERIFY(!filesExist(oxiTime(0)));
}

void TestCheckDispController::rowDeleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
    QTest::newRow("box closed") << int(QMessageBox::Escape) << false;
}

void TestCheckDispController::rowDeleteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    storeChecks(2, CheckType::Ecg);
    auto* row = qobject_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(1)));
    QVERIFY(row);
    MessageBoxAnswer boxes{QMessageBox::StandardButton(answer)};
    m_controller->onDeleteCheckItem(row);
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts().first().startsWith("Delete ECG Recorder item: "), qPrintable(boxes.texts().first()));
    QCOMPARE(rowCount(), deleted ? 1 : 2);
    QCOMPARE(filesExist(oxiTime(0)), !deleted);
    QCOMPARE(DbOperator::instance()->checkCount(kSn, CheckType::Ecg), deleted ? 1 : 2);
}

void TestCheckDispController::deleteKeyDeletesSelectedWithOneQuestion()
{
    storeChecks(5, CheckType::Ecg);
    selectRows({0, 2, 4});
    MessageBoxAnswer boxes;
    m_list->setFocus();
    QTest::keyClick(m_list.get(), Qt::Key_Delete);
    QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to delete all selected items?"});
    QCOMPARE(rowCount(), 2);
    QCOMPARE(DbOperator::instance()->checkCount(kSn, CheckType::Ecg), 2);
    // Newest first: rows 0, 2 and 4 are the checks 4, 2 and 0.
    for (int i : {0, 2, 4})
        QVERIFY(!filesExist(oxiTime(i)));
    for (int i : {1, 3})
        QVERIFY(filesExist(oxiTime(i)));
}

void TestCheckDispController::deleteKeyWithoutSelectionDoesNothing()
{
    storeOxi(3);
    MessageBoxAnswer boxes;
    QTest::keyClick(m_list.get(), Qt::Key_Delete);
    QVERIFY(boxes.texts().isEmpty());
    QCOMPARE(rowCount(), 3);
}

void TestCheckDispController::refusedDeletionKeepsRowAndFiles()
{
    storeChecks(2, CheckType::Ecg);
    QSignalSpy deleted(m_controller.get(), &CheckDispController::deleteCheckItem);
    QVERIFY(DbTestSupport::breakTable("tb_devCheck", "delete"));
    MessageBoxAnswer boxes;
    const bool all = m_controller->deleteItems(false);
    QVERIFY(DbTestSupport::repairTable("tb_devCheck", "delete"));
    QVERIFY(!all);
    QCOMPARE(rowCount(), 2);
    QVERIFY(m_controller->hasRecords());
    QVERIFY(filesExist(oxiTime(0)) && filesExist(oxiTime(1)));
    QCOMPARE(deleted.size(), 0);
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts().first().contains("could not be deleted"), qPrintable(boxes.texts().first()));
}

// An oximetry check has no files; what its second names belongs to others.
void TestCheckDispController::oximetryLeavesTheFilesOfTheSecond()
{
    storeOxi(2);
    QVERIFY(m_controller->deleteItems(false));
    QVERIFY(filesExist(oxiTime(0)) && filesExist(oxiTime(1)));
}

void TestCheckDispController::unremovableFilesAreNamedInABox()
{
    storeChecks(1, CheckType::Ecg);
    const QString folder = Config::instance()->dataDir() + "/" + kSn;
    const bool root = geteuid() == 0;
    if (root ? QProcess::execute("chattr", {"+i", folder}) != 0
             : !QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner))
        QSKIP("the device folder cannot be made unchangeable here");
    QString details;
    QTimer::singleShot(0, [&details] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<MyMessageBox*>(widget); box && box->isVisible()) {
                details = box->text() + "\n" + box->informativeText();
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    const bool all = m_controller->deleteItems(false);
    if (root)
        QProcess::execute("chattr", {"-i", folder});
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!all);
    QCOMPARE(rowCount(), 1);
    QVERIFY(filesExist(oxiTime(0)));
    QVERIFY2(details.contains("could not be deleted"), qPrintable(details));
    QVERIFY2(details.contains(stripFiles(oxiTime(0)).first()), qPrintable(details));
}

void TestCheckDispController::secondVoiceRequestIgnored()
{
    storeOxi(2);
    // No player here: the first note is still playing for the controller.
    disconnect(m_controller.get(), &CheckDispController::playSound, nullptr, nullptr);
    QSignalSpy played(m_controller.get(), &CheckDispController::playSound);
    auto* first = qobject_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(0)));
    auto* second = qobject_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(1)));
    m_controller->onPlayVoice(first);
    m_controller->onPlayVoice(second);
    QCOMPARE(played.size(), 1);
    QVERIFY(played.first().first().toString().endsWith(kSn + "/" + oxiTime(1) + ".wav"));
    m_controller->onPlayFinish();
    m_controller->onPlayVoice(second);
    QCOMPARE(played.size(), 2);
}

void TestCheckDispController::unplayableVoiceIsReportedAndCleared()
{
    storeOxi(1);
    QFile::remove(stripFiles(oxiTime(0)).at(1));
    auto* row = qobject_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(0)));
    m_controller->onPlayVoice(row);
    QVERIFY(!m_controller->isPlaying());
    MessageBoxAnswer boxes{QMessageBox::Ok};
    boxes.answerOpenBoxes();
    QCOMPARE(boxes.texts(), QStringList{"This voice note cannot be played."});
}

void TestCheckDispController::reservedUserIdListedWithoutUser()
{
    storeOxi(1);
    auto* row = qobject_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(0)));
    QCOMPARE(row->user().userid, QString(Vitacor::kNoUserId));
    QVERIFY(row->user().name.isEmpty());
}

void TestCheckDispController::noReviewOfferedWithoutViewer()
{
    storeOxi(1);
    int opened = 0;
    auto* row = qobject_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(0)));
    m_controller->onReviewCheckItem(row);
    QVERIFY(!m_controller->isReportViewerOpen());
    m_controller->setReviewOpener([&opened](const QString&, const CheckRecord&) {
        ++opened;
        return nullptr;
    });
    m_list->item(0)->setSelected(true);
    QTest::keyClick(m_list.get(), Qt::Key_Return);
    // An oximetry row has no report to review.
    QCOMPARE(opened, 0);
}

void TestCheckDispController::allResultsAllUsersRestoresList()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device(kTwoUserSn, DeviceModel::kQmr4Type)));
    const CheckUser user = DbTestSupport::user(kTwoUserSn, " ");
    QVERIFY(db->storeUsers(kTwoUserSn, {user}));
    QList<QByteArray> records;
    for (int i = 0; i < 5; ++i) {
        DailyRecord daily;
        daily.checkTime = CheckTime{2024, 4, 5, 6, 7, quint8(i)};
        daily.BPFlag = quint8(i < 3 ? 1 : 2);
        records << RecordCodec::encode(daily);
    }
    QVERIFY(db->insertChecks(kTwoUserSn, CheckType::DailyCheck, records, user));
    m_controller->setQuery(kTwoUserSn, CheckType::DailyCheck, QString());
    m_controller->rebuildList();
    QCOMPARE(m_controller->distinctUsers(), (QStringList{"A", "B"}));
    m_controller->filter("B", "All Results");
    QCOMPARE(rowCount(), 2);
    m_controller->filter("All Users", "All Results");
    QCOMPARE(rowCount(), 5);
}

QList<CheckUser> TestCheckDispController::storeMultiTests(int count)
{
    DbOperator* db = DbOperator::instance();
    QList<CheckUser> users;
    for (const char* name : {"Ann", "Ben"}) {
        CheckUser xuser = DbTestSupport::user(kSn, name, true);
        db->ensureMultiTestReportUser(kSn, xuser);
        users << xuser;
    }
    for (int i = 0; i < count; ++i) {
        db->insertMultiTest(kSn, users.at(i % 2), DbTestSupport::multiTestRecord(i));
    }
    m_controller->setQuery(kSn, CheckType::MultiTest, QString());
    m_controller->rebuildList();
    return users;
}

void TestCheckDispController::viewerUserGoesOnlyToSamePatient()
{
    const QList<CheckUser> users = storeMultiTests(4);
    QCOMPARE(rowCount(), 4);
    QSignalSpy relabel(m_controller.get(), &CheckDispController::updateUserInfo);
    CheckUser edited = users.first();
    edited.userid = kSn + edited.medicalid;
    edited.name = "Anne";
    m_controller->onViewerUserUpdated(QString(), edited);
    QCOMPARE(relabel.size(), 1);
    QStringList names;
    for (const CheckItemBase* row : m_controller->builtRows())
        names << row->user().medicalid + "=" + row->user().name;
    names.sort();
    QCOMPARE(names, (QStringList{"Ann=Anne", "Ann=Anne", "Ben=Ben", "Ben=Ben"}));
}

void TestCheckDispController::confirmationsSpeakTheInterfaceLanguage_data()
{
    QTest::addColumn<bool>("deleteKey");
    QTest::newRow("row delete button") << false;
    QTest::newRow("delete key") << true;
}

void TestCheckDispController::confirmationsSpeakTheInterfaceLanguage()
{
    QFETCH(bool, deleteKey);
    storeOxi(2);
    QTranslator german;
    QVERIFY(german.load("://translations/german.qm"));
    QCoreApplication::installTranslator(&german);
    QCoreApplication::processEvents(); // the language change reaches the widgets first, as at start-up
    MessageBoxAnswer boxes{QMessageBox::No};
    if (deleteKey) {
        selectRows({0});
        m_list->setFocus();
        QTest::keyClick(m_list.get(), Qt::Key_Delete);
    } else {
        m_controller->onDeleteCheckItem(dynamic_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(1))));
    }
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(boxes.buttonTexts(), (QList<QStringList>{{"Ja", "Nein"}}));
    QCOMPARE(boxes.icons(), QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(rowCount(), 2);
}

void TestCheckDispController::viewerFlagStaysWhileAnyViewerIsOpen()
{
    storeMultiTests(2);
    QList<QPointer<QDialog>> viewers;
    m_controller->setReviewOpener([&viewers](const QString&, const CheckRecord&) {
        auto* viewer = new QDialog;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->show();
        viewers << viewer;
        return viewer;
    });
    for (int row : {0, 1})
        m_controller->onReviewCheckItem(dynamic_cast<CheckItemBase*>(m_list->itemWidget(m_list->item(row))));
    QCOMPARE(viewers.size(), 2);
    QVERIFY(m_controller->isReportViewerOpen());
    viewers.first()->close();
    QVERIFY(m_controller->isReportViewerOpen());
    viewers.last()->close();
    QVERIFY(!m_controller->isReportViewerOpen());
}

QTEST_MAIN(TestCheckDispController)
#include "TestCheckDispController.moc"
