#include "app/Config.h"
#include "db/DbOperator.h"
#include "support/DbTestSupport.h"

#include <QProcess>
#include <QtTest>

using namespace DbTestSupport;

// vitacor-cli checks over a record store filled here, as a download would.
class TestCliChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deviceTextIsEscaped_data();
    void deviceTextIsEscaped();
};

void TestCliChecks::initTestCase()
{
    QVERIFY(QFile::exists(VITACOR_CLI));
    freshDataDir();
}

void TestCliChecks::deviceTextIsEscaped_data()
{
    QTest::addColumn<QString>("sn");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "P1" << QString::fromUtf8("Zoë")
                           << QString::fromUtf8("P1\t1024\t20240102030405\tP1Zoë\n");
    QTest::newRow("line end and tab") << "P2"
                                      << "Ann\n\tB"
                                      << "P2\t1024\t20240102030405\tP2Ann\\n\\tB\n";
    QTest::newRow("carriage return") << "P3"
                                     << "A\rB"
                                     << "P3\t1024\t20240102030405\tP3A\\rB\n";
    QTest::newRow("terminal escape") << "P4"
                                     << "\x1b[2J\x1b]0;title\x07"
                                     << "P4\t1024\t20240102030405\tP4\\x1b[2J\\x1b]0;title\\x07\n";
    QTest::newRow("backslash") << "P5"
                               << "C:\\n"
                               << "P5\t1024\t20240102030405\tP5C:\\\\n\n";
    QTest::newRow("delete and C1 control") << "P6" << QString("a\x7f") + QChar(0x85) + "b"
                                           << "P6\t1024\t20240102030405\tP6a\\x7f\\u0085b\n";
    QTest::newRow("serial number") << "S\n7"
                                   << "Eve"
                                   << "S\\n7\t1024\t20240102030405\tS\\n7Eve\n";
}

void TestCliChecks::deviceTextIsEscaped()
{
    QFETCH(QString, sn);
    QFETCH(QString, name);
    QFETCH(QString, line);
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(device(sn, 0)));
    const CheckUser holder = user(sn, name);
    QVERIFY(db->storeUsers(sn, {holder}));
    QVERIFY(db->insertHolter(sn, holder, "20240102030405", 60));

    QProcess cli;
    cli.start(VITACOR_CLI, {"--data-dir", Config::instance()->dataDir(), "checks", "--sn", sn, "--type", "1024"});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), line);
}

QTEST_GUILESS_MAIN(TestCliChecks)
#include "TestCliChecks.moc"
