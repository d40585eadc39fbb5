#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/RecordCodec.h"
#include "files/TempRecord.h"
#include "support/DbTestSupport.h"
#include "support/MessageBoxAnswer.h"
#include "support/SyncFixture.h"
#include "ui/MainWindow.h"
#include "ui/records/MyListWidget.h"
#include "ui/records/TreeModelBuilder.h"
#include "ui/records/TreeViewST.h"
#include "ui/settings/Aboutme.h"
#include "ui/settings/SetDataDirDlg.h"
#include "ui/settings/SettingDlg.h"
#include "ui/viewers/EditDlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace SyncFixture;

namespace {

void clickOk(QDialog& dialog)
{
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
}

QString storedKey(const QString& key)
{
    return QSettings(Config::settingsFilePath(), QSettings::IniFormat).value(key).toString();
}

} // namespace

// The settings, About, data-directory and patient dialogs as a user drives them.
class TestSettingsDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void unitGroupsFollowTheModels_data();
    void unitGroupsFollowTheModels();
    void languageChoice_data();
    void languageChoice();
    void newUnitsRedrawTheListedRows();
    void subdirectoryIsRefused();
    void moveKeepsTheDialogBusyUntilDone();
    void failedDatabaseCopyStaysOnTheOldDirectory();
    void aboutFollowsTheEdition_data();
    void aboutFollowsTheEdition();
    void patientEditorKeepsUntouchedFields_data();
    void patientEditorKeepsUntouchedFields();
    void dataDirDialogOnFirstStart();
    void dataDirDialogImports();

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestSettingsDialogs::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
}

void TestSettingsDialogs::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    Config* config = Config::instance();
    config->setDataDir(m_root->path() + "/data");
    config->setLanguage(1);
    config->setCelsius(true);
    config->setKilometre(true);
    QVERIFY(QDir().mkpath(config->dataDir()));
    QVERIFY(DbOperator::instance()->reopenAfter([] {}));
}

void TestSettingsDialogs::unitGroupsFollowTheModels_data()
{
    QTest::addColumn<QList<int>>("models");
    QTest::addColumn<bool>("temperature");
    QTest::addColumn<bool>("distance");
    QTest::newRow("no monitor") << QList<int>{} << false << false;
    QTest::newRow("ECG only (49)") << QList<int>{49} << false << false;
    QTest::newRow("daily checks (1)") << QList<int>{1} << false << false;
    QTest::newRow("thermometer and pedometer (0)") << QList<int>{0} << true << true;
    QTest::newRow("SpO2 with temperature (54)") << QList<int>{54} << true << false;
    QTest::newRow("two models") << QList<int>{49, 2} << true << true;
}

void TestSettingsDialogs::unitGroupsFollowTheModels()
{
    QFETCH(QList<int>, models);
    QFETCH(bool, temperature);
    QFETCH(bool, distance);
    for (int i = 0; i < models.size(); ++i)
        QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device(QString("U%1").arg(i), models.at(i))));
    Config::instance()->setCelsius(false);
    SettingDlg dialog;
    QCOMPARE(dialog.findChild<QGroupBox*>("gbxTemp")->isVisibleTo(&dialog), temperature);
    QCOMPARE(dialog.findChild<QGroupBox*>("gbxDistance")->isVisibleTo(&dialog), distance);
    QVERIFY(dialog.findChild<QGroupBox*>("groupBox_5")->isVisibleTo(&dialog));
    // A hidden group still stores the unit it shows.
    clickOk(dialog);
    QCOMPARE(Config::instance()->isCelsius(), false);
    QCOMPARE(storedKey("temp"), QString("false"));
}

void TestSettingsDialogs::languageChoice_data()
{
    QTest::addColumn<int>("configured");
    QTest::addColumn<QString>("shown"); // the selected entry, empty for none
    QTest::addColumn<int>("picked"); // -1: nothing picked
    QTest::addColumn<int>("stored");
    QTest::newRow("English kept") << 1 << "English" << -1 << 1;
    QTest::newRow("German shown") << 4 << "Deutsch" << -1 << 4;
    QTest::newRow("Italian picked") << 1 << "English" << 5 << 5;
    // The editions are no list entries: accepting without a pick keeps them.
    QTest::newRow("Chinese edition kept") << 2 << "" << -1 << 2;
    QTest::newRow("customer edition kept") << 0 << "" << -1 << 0;
    QTest::newRow("edition left for Spanish") << 2 << "" << 6 << 6;
}

void TestSettingsDialogs::languageChoice()
{
    QFETCH(int, configured);
    QFETCH(QString, shown);
    QFETCH(int, picked);
    QFETCH(int, stored);
    Config::instance()->setLanguage(configured);
    SettingDlg dialog;
    auto* combo = dialog.findChild<QComboBox*>("comboBox");
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->itemText(1), QString::fromUtf8("Français"));
    QCOMPARE(combo->currentText(), shown);
    if (picked >= 0)
        combo->setCurrentIndex(combo->findData(picked));
    QSignalSpy changed(&dialog, &SettingDlg::configChange);
    clickOk(dialog);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(Config::instance()->language(), stored);
    QCOMPARE(storedKey("language").toInt(), stored);
}

void TestSettingsDialogs::newUnitsRedrawTheListedRows()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device("T1", 0)));
    TempRecord record;
    record.checkTime = CheckTime{2024, 7, 8, 9, 10, 11};
    record.temp = 365;
    QVERIFY(db->insertChecks("T1", CheckType::Temperature, {RecordCodec::encode(record)}));
    MainWindow window;
    window.show();
    auto* tree = window.findChild<TreeViewST*>("treeView");
    const QModelIndex device = tree->model()->index(0, 0);
    QModelIndex temperature;
    for (int i = 0; i < tree->model()->rowCount(device); ++i) {
        const QModelIndex child = tree->model()->index(i, 0, device);
        if (child.data(TreeModelBuilder::CheckTypeRole).toInt() == CheckType::Temperature)
            temperature = child;
    }
    QVERIFY(temperature.isValid());
    tree->setCurrentIndex(temperature);
    const auto rowTexts = [&window] {
        QStringList texts;
        for (QLabel* label : window.findChild<MyListWidget*>("listWidget")->findChildren<QLabel*>())
            texts << label->text();
        return texts.join('|');
    };
    QTRY_VERIFY(rowTexts().contains(QString::fromUtf8("36.5℃")));

    window.findChild<QPushButton*>("btnSetting")->click();
    auto* settings = window.findChild<SettingDlg*>();
    QVERIFY(settings);
    QVERIFY(settings->isModal());
    settings->findChild<QRadioButton*>("radioFahrenheight")->setChecked(true);
    clickOk(*settings);
    QVERIFY(rowTexts().contains(QString::fromUtf8("97.7℉")));
    QVERIFY(!rowTexts().contains(QString::fromUtf8("℃")));
    QTRY_VERIFY(!window.findChild<SettingDlg*>());
}

void TestSettingsDialogs::subdirectoryIsRefused()
{
    const QString dataDir = Config::instance()->dataDir();
    SettingDlg dialog;
    dialog.show();
    dialog.findChild<QLineEdit*>("editDataDir")->setText(dataDir + "/inside");
    MessageBoxAnswer answer(QMessageBox::Ok);
    clickOk(dialog);
    QCOMPARE(answer.texts(), QStringList{"Can not select subdirectory."});
    QVERIFY(dialog.isVisible());
    QCOMPARE(Config::instance()->dataDir(), dataDir);
    QVERIFY(!QFile::exists(dataDir + "/inside"));
}

void TestSettingsDialogs::moveKeepsTheDialogBusyUntilDone()
{
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device("M1", 0)));
    QVERIFY(QDir().mkpath(Config::instance()->dataDir() + "/M1"));
    writeFile(Config::instance()->dataDir() + "/M1/20240101000000", QByteArray(4000, 'e'));
    const QString target = m_root->path() + "/moved";
    SettingDlg dialog;
    dialog.show();
    QSignalSpy data(&dialog, &SettingDlg::dataChange);
    dialog.findChild<QLineEdit*>("editDataDir")->setText(target);
    clickOk(dialog);
    QVERIFY(dialog.isBusy());
    QVERIFY(dialog.findChild<QProgressBar*>("progressBar")->isVisible());
    QVERIFY(!dialog.findChild<QDialogButtonBox*>("buttonBox")->isVisible());
    // Neither closing nor the keys end the dialog while the move runs.
    dialog.reject();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QTRY_VERIFY(!dialog.isVisible());
    QVERIFY(!dialog.isBusy());
    QCOMPARE(data.count(), 1);
    QCOMPARE(Config::instance()->dataDir(), target);
    QCOMPARE(QDir::cleanPath(storedKey("dataDir")), target);
    QVERIFY(DbOperator::instance()->deviceExists("M1"));
    QVERIFY(QFile::exists(target + "/M1/20240101000000"));
    QVERIFY(QFile::exists(target + "/" + Vitacor::kDbFileName));
}

void TestSettingsDialogs::failedDatabaseCopyStaysOnTheOldDirectory()
{
    const QString oldDir = Config::instance()->dataDir();
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device("F1", 0)));
    const QString target = m_root->path() + "/taken";
    QVERIFY(QDir().mkpath(target));
    writeFile(target + "/" + Vitacor::kDbFileName, "someone else's");
    SettingDlg dialog;
    dialog.show();
    dialog.findChild<QLineEdit*>("editDataDir")->setText(target);
    MessageBoxAnswer answer(QMessageBox::Ok);
    clickOk(dialog);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(answer.texts().size(), 1);
    QVERIFY(answer.texts().first().contains("could not be copied"));
    QCOMPARE(Config::instance()->dataDir(), oldDir);
    QVERIFY(DbOperator::instance()->deviceExists("F1"));
    QVERIFY(QFile::exists(oldDir + "/" + Vitacor::kDbFileName));
    QCOMPARE(readFile(target + "/" + Vitacor::kDbFileName), QByteArray("someone else's"));
}

void TestSettingsDialogs::aboutFollowsTheEdition_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("logo");
    QTest::addColumn<bool>("url");
    QTest::addColumn<QString>("version");
    QTest::newRow("English") << 1 << false << true << "Solvimara EX v" VITACOR_VERSION;
    QTest::newRow("German") << 4 << false << true << "Solvimara EX v" VITACOR_VERSION;
    QTest::newRow("customer edition") << 0 << true << false << "Vitrelanda PC v1.0.0";
    QTest::newRow("Chinese edition") << 2 << true << false << "Vitacor Browser Pro V " VITACOR_VERSION;
}

void TestSettingsDialogs::aboutFollowsTheEdition()
{
    QFETCH(int, language);
    QFETCH(bool, logo);
    QFETCH(bool, url);
    QFETCH(QString, version);
    QCoreApplication::setApplicationVersion(VITACOR_VERSION);
    Config::instance()->setLanguage(language);
    Aboutme about;
    QCOMPARE(about.windowTitle(), QString("About"));
    auto* logoLabel = about.findChild<QLabel*>("labelLogo");
    QCOMPARE(logoLabel->isVisibleTo(&about), logo);
    if (logo)
        QVERIFY(!logoLabel->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(about.findChild<QLabel*>("labelURL")->isVisibleTo(&about), url);
    if (url)
        QVERIFY(about.findChild<QLabel*>("labelURL")->text().contains(Aboutme::kDownloadUrl));
    QVERIFY(!about.findChild<QLabel*>("lblUrl2")->isVisibleTo(&about));
    QCOMPARE(about.findChild<QLabel*>("labelVersion")->text(), version);
}

void TestSettingsDialogs::patientEditorKeepsUntouchedFields_data()
{
    QTest::addColumn<QString>("field"); // the field changed, or "" for none
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("height");
    QTest::addColumn<QDate>("birthday");
    QTest::addColumn<QString>("remarks");
    const QDate unset(1900, 1, 1);
    QTest::newRow("untouched") << "" << 725 << 300 << unset << "line one\r\nline two";
    QTest::newRow("weight to 80") << "weight" << 800 << 300 << unset << "line one\r\nline two";
    QTest::newRow("weight above range") << "weight high" << 3000 << 300 << unset << "line one\r\nline two";
    QTest::newRow("height") << "height" << 725 << 175 << unset << "line one\r\nline two";
    QTest::newRow("birthday") << "birthday" << 725 << 300 << QDate(1960, 5, 4) << "line one\r\nline two";
    QTest::newRow("remarks") << "remarks" << 725 << 300 << unset << "new";
}

void TestSettingsDialogs::patientEditorKeepsUntouchedFields()
{
    QFETCH(QString, field);
    QFETCH(int, weight);
    QFETCH(int, height);
    QFETCH(QDate, birthday);
    QFETCH(QString, remarks);
    Config::instance()->setLanguage(2); // the edition that shows height and weight
    CheckUser stored;
    stored.name = "Eva";
    stored.weight = 725;
    stored.height = 300;
    stored.birthday = QDate(1900, 1, 1);
    stored.remarks = "line one\r\nline two";
    EditDlg editor;
    editor.setPatientIdMode(false);
    editor.setUser(stored);
    auto* weightSpin = editor.findChild<QDoubleSpinBox*>("spinWeight");
    auto* heightSpin = editor.findChild<QSpinBox*>("spinHeight");
    QCOMPARE(weightSpin->maximum(), 300.0);
    QCOMPARE(heightSpin->maximum(), 250);
    if (field == "weight")
        weightSpin->setValue(80);
    if (field == "weight high")
        weightSpin->setValue(1000);
    if (field == "height")
        heightSpin->setValue(175);
    if (field == "birthday")
        editor.findChild<QDateEdit*>("dateeditBirthday")->setDate(QDate(1960, 5, 4));
    if (field == "remarks")
        editor.findChild<QPlainTextEdit*>("editRemarks")->setPlainText("new");
    const CheckUser edited = editor.user();
    QCOMPARE(edited.weight, weight);
    QCOMPARE(edited.height, height);
    QCOMPARE(edited.birthday, birthday);
    QCOMPARE(edited.remarks, remarks);
    QCOMPARE(edited.name, QString("Eva"));
}

void TestSettingsDialogs::dataDirDialogOnFirstStart()
{
    Config* config = Config::instance();
    config->setFirstStart(true);
    const QString chosen = m_root->path() + "/chosen/DATA";
    {
        SetDataDirDlg dialog(SetDataDirDlg::Mode::FirstStart);
        dialog.show();
        // A folder below a file cannot be made.
        writeFile(m_root->path() + "/plain", "x");
        dialog.findChild<QLineEdit*>("editDataDir")->setText(m_root->path() + "/plain/DATA");
        dialog.findChild<QRadioButton*>("radioManualInput")->setChecked(true);
        dialog.findChild<QLineEdit*>("editAppPath")->clear();
        MessageBoxAnswer answer(QMessageBox::Ok);
        clickOk(dialog);
        QCOMPARE(answer.texts(), QStringList{"Create directory failed."});
        QVERIFY(dialog.isVisible());
        QVERIFY(config->isFirstStart());

        dialog.findChild<QLineEdit*>("editDataDir")->setText(chosen);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(config->dataDir(), chosen);
    QVERIFY(!config->isFirstStart());
    QCOMPARE(QDir::cleanPath(storedKey("dataDir")), chosen);
    QVERIFY(QFile::exists(chosen + "/" + Vitacor::kDbFileName));
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device("FS1", 0)));
}

void TestSettingsDialogs::dataDirDialogImports()
{
    const QString legacy = m_root->path() + "/legacy/Vitacor_One/";
    QVERIFY(QDir().mkpath(legacy + "ECG"));
    writeFile(legacy + "devi.dat", devDat(0, "LEG1").left(30));
    writeFile(legacy + "ECG/ecg.dat", records(1, 10, 1, 3));
    SetDataDirDlg dialog(SetDataDirDlg::Mode::ImportOnly);
    dialog.show();
    QVERIFY(dialog.findChild<QLineEdit*>("editDataDir")->isReadOnly());
    QSignalSpy finished(&dialog, &SetDataDirDlg::importFinished);
    dialog.findChild<QRadioButton*>("radioManualInput")->setChecked(true);
    QVERIFY(!dialog.findChild<QLineEdit*>("editAppPath")->isReadOnly());
    dialog.findChild<QLineEdit*>("editAppPath")->setText(m_root->path() + "/legacy");
    clickOk(dialog);
    QVERIFY(dialog.isImporting());
    dialog.reject();
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(DbOperator::instance()->checks("LEG1", CheckType::Ecg).size(), 3);
}

QTEST_MAIN(TestSettingsDialogs)
#include "TestSettingsDialogs.moc"
