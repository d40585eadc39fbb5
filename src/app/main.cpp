#include "Config.h"
#include "LanguageTable.h"
#include "LogHelper.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>

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

static void ensureDataLocation()
{
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (QDir().mkpath(location))
        return;
    QMessageBox::critical(nullptr, QObject::tr("Permission denied"),
                          QObject::tr("Please relaunch the software with administrator privileges"));
    qDebug() << "permission denied" << location;
}

int main(int argc, char* argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, false);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(VITACOR_VERSION);
    initGuiResources();

    Config* config = Config::instance();
    const QString translationFile = LanguageTable::chooseAtStart(*config, QLocale().language());
    QTranslator translator;
    if (QFile::exists(translationFile) && translator.load(translationFile))
        app.installTranslator(&translator);

    applyApplicationStyleSheet(app);
    ensureDataLocation();

    LogHelper* log = LogHelper::instance();
    log->writeLog("Vitacor Browser start.");
    log->writeLog("Data dir:" + config->dataDir());
    log->writeLog("Data dir exists : " + QString::number(QDir(config->dataDir()).exists() ? 1 : 0));

    auto* window = new MainWindow;
    window->show();
    const int result = app.exec();

    config->saveConfig();
    qDebug() << "CfgSingleton.getDataDir() : " << config->dataDir();
    delete window;
    return result;
}
