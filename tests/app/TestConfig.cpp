#include "app/Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void missingFileGivesDefaults();
    void saveWritesElevenKeysAndLoadsThemBack();
    void lastSaveDirKeepsTheFolder_data();
    void lastSaveDirKeepsTheFolder();
    void wrongTypesConvertBySettingsRules();

private:
    QString m_location;
};

void TestConfig::init()
{
    m_location = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir(m_location).removeRecursively();
    QCoreApplication::setApplicationVersion("1.0.1.0");
}

void TestConfig::missingFileGivesDefaults()
{
    QVERIFY(!QFile::exists(Config::settingsFilePath()));
    Config config;
    QCOMPARE(config.dataDir(), m_location + "/DATA");
    QVERIFY(!QDir(config.dataDir()).exists());
    QCOMPARE(config.language(), 1);
    QVERIFY(config.isFirstStart());
    QCOMPARE(config.linesPerPage(), 30);
    QVERIFY(config.isCelsius());
    QVERIFY(config.isKilometre());
    QVERIFY(!config.isMainWindowMaximized());
    QVERIFY(!config.mainWindowSize().isValid());
    QCOMPARE(config.mainWindowPos(), QPoint(0, 0));
    QCOMPARE(config.lastSaveDir(), QDir::currentPath());
    QVERIFY(!config.isChineseEdition());
    QVERIFY(!QFile::exists(Config::settingsFilePath())); // loading never writes
}

void TestConfig::saveWritesElevenKeysAndLoadsThemBack()
{
    {
        Config config;
        config.setCelsius(false);
        config.setKilometre(false);
        config.setLanguage(2);
        config.setDataDir(m_location + "/elsewhere");
        config.setFirstStart(false);
        config.setLastSaveDir("/home/someone/reports/a.pdf");
        config.setMainWindowSize(QSize(1300, 800));
        config.setMainWindowPos(QPoint(-20, 45));
        config.setMainWindowMaximized(true);
        config.setLinesPerPage(42);
        QVERIFY(config.saveConfig());
    }
    QSettings raw(Config::settingsFilePath(), QSettings::IniFormat);
    QStringList keys = raw.allKeys();
    keys.sort();
    QCOMPARE(keys,
             QStringList({"appVersion", "dataDir", "distance", "firstStart", "language", "lastSaveDir", "mainwindowPos",
                          "mainwindowSize", "maxSize", "temp", "totalLinesPerPage"}));
    QCOMPARE(raw.value("appVersion").toString(), QString("1.0.1.0"));

    Config loaded;
    QVERIFY(!loaded.isCelsius());
    QVERIFY(!loaded.isKilometre());
    QCOMPARE(loaded.language(), 2);
    QVERIFY(loaded.isChineseEdition());
    QCOMPARE(loaded.dataDir(), m_location + "/elsewhere");
    QVERIFY(!loaded.isFirstStart());
    QCOMPARE(loaded.lastSaveDir(), QString("/home/someone/reports"));
    QCOMPARE(loaded.mainWindowSize(), QSize(1300, 800));
    QCOMPARE(loaded.mainWindowPos(), QPoint(-20, 45));
    QVERIFY(loaded.isMainWindowMaximized());
    QCOMPARE(loaded.linesPerPage(), 42);
}

void TestConfig::lastSaveDirKeepsTheFolder_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::newRow("file in folder") << "C:/out/report.pdf"
                                    << "C:/out";
    QTest::newRow("no slash") << "report.pdf"
                              << "report.pdf";
    QTest::newRow("root file") << "/report.pdf"
                               << "";
    QTest::newRow("trailing slash") << "/tmp/out/"
                                    << "/tmp/out";
}

void TestConfig::lastSaveDirKeepsTheFolder()
{
    QFETCH(QString, chosen);
    QFETCH(QString, stored);
    Config config;
    config.setLastSaveDir(chosen);
    QCOMPARE(config.lastSaveDir(), stored);
}

void TestConfig::wrongTypesConvertBySettingsRules()
{
    QDir().mkpath(m_location);
    QFile ini(Config::settingsFilePath());
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[General]\nlanguage=abc\ntotalLinesPerPage=12\n");
    ini.close();
    Config config;
    QCOMPARE(config.language(), 0);
    QCOMPARE(config.linesPerPage(), 12);
}

QTEST_GUILESS_MAIN(TestConfig)
#include "TestConfig.moc"
