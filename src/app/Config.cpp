#include "app/Config.h"

#include "app/CallOnce.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QRect>
#include <QSettings>
#include <QStandardPaths>

Config* Config::instance()
{
    return Singleton<Config>::instance();
}

QString Config::settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/config.ini";
}

QString Config::defaultDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/DATA";
}

QString Config::storedDataDir()
{
    return QSettings(settingsFilePath(), QSettings::IniFormat).value("dataDir", defaultDataDir()).toString();
}

Config::Config()
{
    const QString path = settingsFilePath();
    QSettings settings(path, QSettings::IniFormat);

    m_dataDir = settings.value("dataDir", defaultDataDir()).toString();

    qDebug() << "Config() SETTING_FILE : " << path;
    m_celsius = settings.value("temp", true).toBool();
    m_kilometre = settings.value("distance", true).toBool();
    m_language = settings.value("language", 1).toInt();
    qDebug() << "language = " << settings.value("language", 0).toInt();

    m_firstStart = settings.value("firstStart", true).toBool();
    m_lastSaveDir = settings.value("lastSaveDir", QDir::currentPath()).toString();
    m_mainWindowMaximized = settings.value("maxSize", false).toBool();
    m_mainWindowPos = settings.value("mainwindowPos", QPoint(0, 0)).toPoint();
    m_mainWindowSize = settings.value("mainwindowSize", QRect()).toSize();
    m_linesPerPage = settings.value("totalLinesPerPage", 30).toInt();
}

void Config::setLastSaveDir(const QString& filePath)
{
    const int slash = filePath.lastIndexOf('/');
    m_lastSaveDir = slash < 0 ? filePath : filePath.left(slash);
}

bool Config::saveConfig()
{
    const QString path = settingsFilePath();
    QSettings settings(path, QSettings::IniFormat);
    qDebug() << "saveConfig() SETTING_FILE : " << path;
    settings.setValue("appVersion", QCoreApplication::applicationVersion());
    settings.setValue("temp", m_celsius);
    settings.setValue("distance", m_kilometre);
    settings.setValue("language", m_language);
    settings.setValue("dataDir", m_dataDir);
    settings.setValue("firstStart", m_firstStart);
    settings.setValue("lastSaveDir", m_lastSaveDir);
    settings.setValue("maxSize", m_mainWindowMaximized);
    settings.setValue("mainwindowPos", m_mainWindowPos);
    settings.setValue("mainwindowSize", m_mainWindowSize);
    settings.setValue("totalLinesPerPage", m_linesPerPage);
    return true;
}
