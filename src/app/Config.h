#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

// The user's settings: loaded once from config.ini on first use, kept in
// memory, written back only by saveConfig() (at exit and when the settings
// dialog is accepted). Loading creates nothing, not even the data directory:
// the command-line tool may be given another one.
class Config : public QObject
{
    Q_OBJECT
public:
    Config();

    static Config* instance();
    static QString settingsFilePath();
    static QString defaultDataDir();
    // The data directory config.ini names now, whatever this run uses.
    static QString storedDataDir();

    bool isCelsius() const { return m_celsius; }
    bool isKilometre() const { return m_kilometre; }
    int language() const { return m_language; }
    // Language code 2 is the simplified-Chinese edition.
    bool isChineseEdition() const { return m_language == 2; }
    QString lastSaveDir() const { return m_lastSaveDir; }
    QString dataDir() const { return m_dataDir; }
    bool isFirstStart() const { return m_firstStart; }
    QSize mainWindowSize() const { return m_mainWindowSize; }
    QPoint mainWindowPos() const { return m_mainWindowPos; }
    bool isMainWindowMaximized() const { return m_mainWindowMaximized; }
    int linesPerPage() const { return m_linesPerPage; }

    void setCelsius(bool celsius) { m_celsius = celsius; }
    void setKilometre(bool kilometre) { m_kilometre = kilometre; }
    void setLanguage(int code) { m_language = code; }
    // Takes the full path chosen in a save dialog and keeps its folder.
    void setLastSaveDir(const QString& filePath);
    void setDataDir(const QString& dir) { m_dataDir = dir; }
    void setFirstStart(bool firstStart) { m_firstStart = firstStart; }
    void setMainWindowSize(const QSize& size) { m_mainWindowSize = size; }
    void setMainWindowPos(const QPoint& pos) { m_mainWindowPos = pos; }
    void setMainWindowMaximized(bool maximized) { m_mainWindowMaximized = maximized; }
    void setLinesPerPage(int lines) { m_linesPerPage = lines; }

    bool saveConfig();

private:
    bool m_celsius = true;
    bool m_kilometre = true;
    int m_language = 1;
    QString m_lastSaveDir;
    QString m_dataDir;
    bool m_firstStart = true;
    QSize m_mainWindowSize;
    QPoint m_mainWindowPos;
    bool m_mainWindowMaximized = false;
    int m_linesPerPage = 30;
};
