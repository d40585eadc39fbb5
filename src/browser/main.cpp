#include "app/AlreadyRunMessage.h"
#include "app/AppFonts.h"
#include "app/Config.h"
#include "app/CrashHandler.h"
#include "app/CrashReport.h"
#include "app/LanguageTable.h"
#include "app/LogHelper.h"
#include "app/TerminationNotifier.h"
#include "db/DbOperator.h"
#include "emulator/EmulatedBus.h"
#include "sync/DownloadFolder.h"
#include "ui/MainWindow.h"
#include "ui/MyMessageBox.h"
#include "ui/SingleApplication.h"
#include "ui/settings/SetDataDirDlg.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>

static void setUpHighDpi()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, false);
}

static void initGuiResources()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
}

static void applyApplicationStyleSheet(QApplication& app)
{
    QFile qss(":/res/qss/qsstest.qss");
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));
}

// The process the crash handler starts to show the "Software crash" box, so
// no widget is touched inside a signal handler.
static int reportCrash(int argc, char* argv[])
{
    setUpHighDpi();
    QApplication app(argc, argv);
    CrashReport report;
    if (!CrashReport::parse(QCoreApplication::arguments(), &report))
        return 2;
    std::fprintf(stderr, "%s\n", report.text().toLocal8Bit().constData());
    initGuiResources();
    applyApplicationStyleSheet(app);
    MyMessageBox::error(nullptr, CrashReport::title(), report.text());
    return 0;
}

static void showAlreadyRunning(const AlreadyRunMessage& message)
{
    QMessageBox box;
    box.setWindowTitle(message.title());
    box.setText(message.text());
    box.addButton(AlreadyRunMessage::okButtonText(), QMessageBox::YesRole);
    box.exec();
}

static void ensureDataLocation()
{
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (QDir().mkpath(location))
        return;
    MyMessageBox::error(nullptr, QObject::tr("Permission denied"),
                        QObject::tr("Please relaunch the software with administrator privileges"));
    qDebug() << "permission denied" << location;
}

// A record database that is not healthy is named with what is wrong with
// it, and the program ends without writing to it.
static bool databaseUsable()
{
    const DbOperator* db = DbOperator::instance();
    if (db->health() == DbOperator::Health::Healthy)
        return true;
    qCritical().noquote() << db->healthText();
    MyMessageBox::error(nullptr, QObject::tr("Record database"), db->healthText());
    return false;
}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], CrashReport::kOption) == 0)
        return reportCrash(argc, argv);

    setUpHighDpi();

    SingleApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(VITACOR_VERSION);
    initGuiResources();

    // "--emulate BUSDIR" puts emulated monitors in place of USB.
    QStringList arguments = QCoreApplication::arguments();
    QString emulateError;
    if (!EmulatedBus::installFromArguments(arguments, &emulateError)) {
        qCritical().noquote() << emulateError;
        return 2;
    }

    if (!CrashHandler::install(QCoreApplication::applicationFilePath()))
        qDebug() << "[ERR] crash handler not installed";
    // A logout or kill ends the program as closing its window does, so the settings are saved.
    TerminationNotifier termination;
    QObject::connect(&termination, &TerminationNotifier::terminationRequested, &app, [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });

    AppFonts::load();

    Config* config = Config::instance();
    // Read before the language choice clears it: no data directory was chosen yet.
    const bool firstStart = config->isFirstStart();
    const QString translationFile = LanguageTable::chooseAtStart(*config, QLocale().language());
    QTranslator translator;
    if (QFile::exists(translationFile) && translator.load(translationFile))
        app.installTranslator(&translator);

    const AlreadyRunMessage alreadyRun;
    if (app.isRunning()) {
        showAlreadyRunning(alreadyRun);
        return 0;
    }

    applyApplicationStyleSheet(app);
    ensureDataLocation();
    // The first start asks where to keep the data and offers the older program's data;
    // cancelling keeps the default folder.
    if (firstStart) {
        SetDataDirDlg chooser(SetDataDirDlg::Mode::FirstStart);
        chooser.exec();
    }
    QDir().mkpath(config->dataDir()); // a failure shows as a database that cannot be opened

    LogHelper* log = LogHelper::instance();
    log->writeLog("Vitacor Browser start.");
    log->writeLog("Data dir:" + config->dataDir());
    log->writeLog("Data dir exists : " + QString::number(QDir(config->dataDir()).exists() ? 1 : 0));
    log->writeLog("Translation: " + translationFile);
    if (!databaseUsable())
        return 1;
    // A download or deletion killed half-way puts back what it took out of a device folder.
    DownloadFolder::recoverAll(config->dataDir());

    auto* window = new MainWindow;
    window->show();
    const int result = app.exec();

    config->saveConfig();
    qDebug() << "CfgSingleton.getDataDir() : " << config->dataDir();
    delete window;
    return result;
}
