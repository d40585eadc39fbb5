#include "app/AppFonts.h"
#include "db/DbOperator.h"
#include "support/DbTestSupport.h"
#include "support/LanguageScope.h"
#include "support/TestBus.h"
#include "support/TextFit.h"
#include "ui/MainWindow.h"
#include "ui/download/SyncDlg.h"
#include "ui/settings/Aboutme.h"
#include "ui/settings/SetDataDirDlg.h"
#include "ui/settings/SettingDlg.h"
#include "ui/viewers/EditDlg.h"

#include <QtTest>

// Every label and button of the main window (showing a device panel), of
// the empty download dialog and of the settings, About, data-directory and
// patient dialogs has the room its text needs, in every language.
class TestWindowTextFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();

private:
    std::unique_ptr<TestBus> m_bus;
};

void TestWindowTextFit::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    AppFonts::load();
    QFile styleSheet(":/res/qss/qsstest.qss");
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
    DeviceInfo device = DbTestSupport::device("WTF00000000001", 0);
    device.appVer = 0x00631200;
    QVERIFY(DbOperator::instance()->storeDevice(device));
    m_bus = std::make_unique<TestBus>();
}

void TestWindowTextFit::everyTextFits_data()
{
    QTest::addColumn<int>("languageCode");
    for (const auto& language : LanguageScope::all())
        QTest::newRow(qPrintable(language.second)) << language.first;
}

void TestWindowTextFit::everyTextFits()
{
    QFETCH(int, languageCode);
    const LanguageScope language(languageCode);
    QVERIFY(language.isLoaded());

    MainWindow window;
    window.resize(1124, 768);
    window.show();
    window.syncDialog()->show();
    QApplication::processEvents();
    for (QWidget* top : {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.syncDialog())}) {
        TextFit::verify(top);
        if (QTest::currentTestFailed())
            break;
    }
    window.syncDialog()->hide();

    // The dialogs with every group they can show: a monitor with a thermometer and a pedometer is stored.
    SettingDlg settings;
    Aboutme about;
    SetDataDirDlg dataDir(SetDataDirDlg::Mode::FirstStart);
    EditDlg editor;
    editor.setPatientIdMode(false);
    CheckUser user;
    user.name = "Maria";
    editor.setUser(user);
    for (QDialog* dialog : QList<QDialog*>{&settings, &about, &dataDir, &editor}) {
        dialog->show();
        QApplication::processEvents();
        TextFit::verify(dialog);
        dialog->hide();
        if (QTest::currentTestFailed())
            break;
    }
}

QTEST_MAIN(TestWindowTextFit)
#include "TestWindowTextFit.moc"
