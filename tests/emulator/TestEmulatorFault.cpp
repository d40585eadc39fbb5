#include "emulator/EmulatorFault.h"

#include <QtTest>

Q_DECLARE_METATYPE(EmulatorFault)

class TestEmulatorFault : public QObject
{
    Q_OBJECT
private slots:
    void parsesRules_data();
    void parsesRules();
    void rejectsMalformedLines_data();
    void rejectsMalformedLines();
    void ignoresBlankAndCommentLines();
    void parsesWholeFile();
};

void TestEmulatorFault::parsesRules_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<EmulatorFault>("rule");
    QTest::newRow("no reply") << "no-reply 4" << EmulatorFault::noReply(4);
    QTest::newRow("short reply, default reports") << "short-reply 7" << EmulatorFault::shortReply(7, 3);
    QTest::newRow("short reply, one report") << "short-reply 7 1" << EmulatorFault::shortReply(7, 1);
    QTest::newRow("refuse") << "refuse usr.dat" << EmulatorFault::refuse("usr.dat");
    QTest::newRow("silent") << "silent waveFile" << EmulatorFault::silent("waveFile");
    QTest::newRow("refuse a name with blanks") << "refuse  my  file " << EmulatorFault::refuse("my  file");
    QTest::newRow("unplug after") << "unplug-after 1000 waveFile" << EmulatorFault::unplugAfter("waveFile", 1000);
    QTest::newRow("unplug before any byte") << "unplug-after 0 ecg.dat" << EmulatorFault::unplugAfter("ecg.dat", 0);
    QTest::newRow("fail pings") << "\tfail-pings 2" << EmulatorFault::failPings(2);
    QTest::newRow("file count status") << "file-count-status 255" << EmulatorFault::fileCountStatus(255);
    QTest::newRow("no access") << "no-access" << EmulatorFault::noAccess();
}

void TestEmulatorFault::parsesRules()
{
    QFETCH(QString, line);
    QFETCH(EmulatorFault, rule);
    QString error = "stale";
    const std::optional<EmulatorFault> parsed = EmulatorFault::parseLine(line, &error);
    QVERIFY(parsed.has_value());
    QVERIFY(*parsed == rule);
    QVERIFY(error.isEmpty());
}

void TestEmulatorFault::rejectsMalformedLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("unknown rule") << "explode 3";
    QTest::newRow("request 0") << "no-reply 0";
    QTest::newRow("negative request") << "no-reply -2";
    QTest::newRow("not a number") << "no-reply three";
    QTest::newRow("extra word") << "no-reply 3 4";
    QTest::newRow("zero reports") << "short-reply 3 0";
    QTest::newRow("refuse without name") << "refuse";
    QTest::newRow("unplug without name") << "unplug-after 100";
    QTest::newRow("unplug with negative bytes") << "unplug-after -1 usr.dat";
    QTest::newRow("status 0 is no fault") << "file-count-status 0";
    QTest::newRow("status beyond a byte") << "file-count-status 256";
    QTest::newRow("no ping count") << "fail-pings";
    QTest::newRow("no access with a number") << "no-access 1";
}

void TestEmulatorFault::rejectsMalformedLines()
{
    QFETCH(QString, line);
    QString error;
    QVERIFY(!EmulatorFault::parseLine(line, &error).has_value());
    QCOMPARE(error, "malformed fault rule: " + line.trimmed());
}

void TestEmulatorFault::ignoresBlankAndCommentLines()
{
    for (const QString& line : {QString(), QString("   "), QString("# no-reply 3"), QString("  # note")}) {
        QString error = "stale";
        QVERIFY(!EmulatorFault::parseLine(line, &error).has_value());
        QVERIFY2(error.isEmpty(), qPrintable(line));
    }
}

void TestEmulatorFault::parsesWholeFile()
{
    QStringList errors;
    const QList<EmulatorFault> rules =
        EmulatorFault::parse("# faults of m1\nno-reply 3\n\nbogus\r\nrefuse 3dlc.dat\r\nfail-pings x\n", &errors);
    QCOMPARE(rules.size(), 2);
    QVERIFY(rules[0] == EmulatorFault::noReply(3));
    QVERIFY(rules[1] == EmulatorFault::refuse("3dlc.dat"));
    QCOMPARE(errors,
             QStringList({"line 4: malformed fault rule: bogus", "line 6: malformed fault rule: fail-pings x"}));
}

QTEST_GUILESS_MAIN(TestEmulatorFault)
#include "TestEmulatorFault.moc"
