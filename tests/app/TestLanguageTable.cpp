#include "app/Config.h"
#include "app/LanguageTable.h"

#include <QDir>
#include <QStandardPaths>

#include <QtTest>

class TestLanguageTable : public QObject
{
    Q_OBJECT
private slots:
    void storedCodeChoosesFileAndDisplayLanguage_data();
    void storedCodeChoosesFileAndDisplayLanguage();
    void systemLanguageChoosesCode_data();
    void systemLanguageChoosesCode();
    void displayLanguageStartsEnglish();
    void firstStartOnGermanSystem();
    void laterStartKeepsStoredCode();
};

void TestLanguageTable::storedCodeChoosesFileAndDisplayLanguage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("display");
    QTest::newRow("english") << 1 << "://translations/english.qm" << 31;
    QTest::newRow("customer edition") << 0 << "://translations/english.qm" << 31;
    QTest::newRow("chinese edition") << 2 << "://translations/english.qm" << 31;
    QTest::newRow("french") << 3 << "://translations/france.qm" << 37;
    QTest::newRow("german") << 4 << "://translations/german.qm" << 42;
    QTest::newRow("italian") << 5 << "://translations/italy.qm" << 58;
    QTest::newRow("spanish") << 6 << "://translations/spain.qm" << 111;
    QTest::newRow("unknown") << 77 << "://translations/english.qm" << 31;
    QTest::newRow("negative") << -3 << "://translations/english.qm" << 31;
}

void TestLanguageTable::storedCodeChoosesFileAndDisplayLanguage()
{
    QFETCH(int, code);
    QFETCH(QString, file);
    QFETCH(int, display);
    const LanguageTable::Entry entry = LanguageTable::forCode(code);
    QCOMPARE(entry.translationFile, file);
    QCOMPARE(int(entry.displayLanguage), display);
}

void TestLanguageTable::systemLanguageChoosesCode_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("code");
    QTest::newRow("german") << int(QLocale::German) << 4;
    QTest::newRow("french") << int(QLocale::French) << 3;
    QTest::newRow("italian") << int(QLocale::Italian) << 5;
    QTest::newRow("spanish") << int(QLocale::Spanish) << 6;
    QTest::newRow("english") << int(QLocale::English) << 1;
    QTest::newRow("chinese is not chosen") << int(QLocale::Chinese) << 1;
    QTest::newRow("turkish") << int(QLocale::Turkish) << 1;
}

void TestLanguageTable::systemLanguageChoosesCode()
{
    QFETCH(int, language);
    QFETCH(int, code);
    QCOMPARE(LanguageTable::codeForSystemLanguage(QLocale::Language(language)), code);
}

void TestLanguageTable::displayLanguageStartsEnglish()
{
    QCOMPARE(DisplayLanguage::value(), QLocale::English);
    DisplayLanguage::set(QLocale::German);
    QCOMPARE(DisplayLanguage::value(), QLocale::German);
}

void TestLanguageTable::firstStartOnGermanSystem()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).removeRecursively();
    DisplayLanguage::set(QLocale::English);
    {
        Config config;
        QVERIFY(config.isFirstStart());
        QCOMPARE(LanguageTable::chooseAtStart(config, QLocale::German), QString("://translations/german.qm"));
        // This run's dates still follow the stored default code.
        QCOMPARE(DisplayLanguage::value(), QLocale::English);
        QCOMPARE(config.language(), 4);
        QVERIFY(!config.isFirstStart());
        config.saveConfig();
    }
    Config next;
    QCOMPARE(next.language(), 4);
    QVERIFY(!next.isFirstStart());
    QCOMPARE(LanguageTable::chooseAtStart(next, QLocale::French), QString("://translations/german.qm"));
    QCOMPARE(DisplayLanguage::value(), QLocale::German);
}

void TestLanguageTable::laterStartKeepsStoredCode()
{
    Config config;
    config.setFirstStart(false);
    config.setLanguage(2);
    QCOMPARE(LanguageTable::chooseAtStart(config, QLocale::Spanish), QString("://translations/english.qm"));
    QCOMPARE(DisplayLanguage::value(), QLocale::English);
    QCOMPARE(config.language(), 2);
}

QTEST_GUILESS_MAIN(TestLanguageTable)
#include "TestLanguageTable.moc"
