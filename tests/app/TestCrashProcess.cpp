#include "XWindows.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// A helper program faults; the crash handler writes the dump and starts
// VitacorBrowser as the reporter, whose box is answered on the X display
// that xvfb-run provides.
class TestCrashProcess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void faultGivesDumpAndBox_data();
    void faultGivesDumpAndBox();
    void dumpThatCannotBeCreatedStillGivesBox();

private:
    struct Outcome
    {
        int shellStatus = -1;
        QString boxCode;
        QString boxAddress;
        QString boxDir;
    };
    // Runs the helper through sh so its wait status shows how it ended.
    Outcome crash(const QString& kind, const QString& dumpDir);
    static QStringList dumpsIn(const QString& dir);

    QString m_programDir;
};

void TestCrashProcess::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run under xvfb-run");
    m_programDir = QFileInfo(APP_TEST_HELPER).absolutePath();
}

QStringList TestCrashProcess::dumpsIn(const QString& dir)
{
    const QRegularExpression name("^\\d{14}\\.dmp$");
    QStringList dumps;
    for (const QString& file : QDir(dir).entryList({"*.dmp"}, QDir::Files)) {
        if (name.match(file).hasMatch())
            dumps << file;
    }
    return dumps;
}

TestCrashProcess::Outcome TestCrashProcess::crash(const QString& kind, const QString& dumpDir)
{
    Outcome outcome;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    QProcess shell;
    shell.setProcessEnvironment(env);
    QStringList args{"-c", "\"$@\"; echo \"status:$?\" >&2", "sh", APP_TEST_HELPER, "crash", kind};
    if (!dumpDir.isEmpty())
        args << dumpDir;
    shell.start("/bin/sh", args);

    const QString box = XWindows::waitFor("Software crash");
    if (box.isEmpty() || !XWindows::pressReturn(box) || !shell.waitForFinished(15000)) {
        shell.kill();
        shell.waitForFinished();
        return outcome;
    }
    const QString err = QString::fromLocal8Bit(shell.readAllStandardError());
    const QRegularExpression text("error code:([^.]*)\\. address:(\\S*) \r\ncrash dump file already saved in(.*)\n");
    const QRegularExpressionMatch match = text.match(err);
    if (match.hasMatch()) {
        outcome.boxCode = match.captured(1);
        outcome.boxAddress = match.captured(2);
        outcome.boxDir = match.captured(3);
    }
    const QRegularExpressionMatch status = QRegularExpression("status:(\\d+)").match(err);
    if (status.hasMatch())
        outcome.shellStatus = status.captured(1).toInt();
    return outcome;
}

void TestCrashProcess::faultGivesDumpAndBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("signalName");

    QTest::newRow("bad pointer, dump beside the program") << "segv" << true << "c0000005" << SIGSEGV << "SIGSEGV";
    QTest::newRow("bad pointer in a worker thread") << "thread-segv" << false << "c0000005" << SIGSEGV << "SIGSEGV";
    QTest::newRow("stack overflow") << "overflow" << false << "c0000005" << SIGSEGV << "SIGSEGV";
    QTest::newRow("stack overflow on the device manager's thread")
        << "manager-overflow" << false << "c0000005" << SIGSEGV << "SIGSEGV";
    QTest::newRow("stack overflow on a monitor's worker thread")
        << "worker-overflow" << false << "c0000005" << SIGSEGV << "SIGSEGV";
    QTest::newRow("abort") << "abort" << false << "40000015" << SIGABRT << "SIGABRT";
    QTest::newRow("illegal instruction") << "illegal" << false << "c000001d" << SIGILL << "SIGILL";
#if defined(__x86_64__) || defined(__i386__)
    QTest::newRow("integer divide by zero") << "divide" << false << "c0000094" << SIGFPE << "SIGFPE";
#endif
}

void TestCrashProcess::faultGivesDumpAndBox()
{
    QFETCH(QString, kind);
    QFETCH(bool, besideProgram);
    QFETCH(QString, code);
    QFETCH(int, signalNumber);
    QFETCH(QString, signalName);

    QTemporaryDir tempDir;
    const QString dir = besideProgram ? m_programDir : tempDir.path();
    const QStringList dumpsBefore = dumpsIn(dir);
    const QDateTime startedAt = QDateTime::currentDateTime().addSecs(-1);
    const Outcome outcome = crash(kind, besideProgram ? QString() : dir);
    const QDateTime endedAt = QDateTime::currentDateTime().addSecs(1);

    QCOMPARE(outcome.boxCode, code);
    QVERIFY2(QRegularExpression("^[1-9a-f][0-9a-f]*$").match(outcome.boxAddress).hasMatch(),
             qPrintable(outcome.boxAddress));
    QCOMPARE(outcome.boxDir, dir);
    QCOMPARE(outcome.shellStatus, 128 + signalNumber); // ended by the signal's default action

    QStringList dumps = dumpsIn(dir);
    for (const QString& old : dumpsBefore)
        dumps.removeOne(old);
    QCOMPARE(dumps.size(), 1);
    QFile dump(dir + "/" + dumps.first());
    const QDateTime named = QDateTime::fromString(dumps.first().left(14), "yyyyMMddhhmmss");
    QVERIFY2(named >= startedAt.addMSecs(-startedAt.time().msec()) && named <= endedAt, qPrintable(dumps.first()));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(dump.readAll());
    dump.close();
    if (besideProgram)
        dump.remove();

    QVERIFY(content.contains(QStringLiteral("signal: %1 %2\n").arg(signalNumber).arg(signalName)));
    QVERIFY(content.contains("exception code: " + code + "\n"));
    QVERIFY(content.contains("exception address: 0x" + outcome.boxAddress + "\n"));
    const int backtrace = content.indexOf("backtrace:\n");
    const int memoryMap = content.indexOf("memory map:\n");
    QVERIFY(backtrace > 0 && memoryMap > backtrace);
    QVERIFY2(content.mid(backtrace, memoryMap - backtrace).contains("AppTestHelper"), qPrintable(content.left(4000)));
    QVERIFY(content.mid(memoryMap).contains("AppTestHelper"));
}

void TestCrashProcess::dumpThatCannotBeCreatedStillGivesBox()
{
    QTemporaryDir tempDir;
    const QString missing = tempDir.path() + "/missing";
    const Outcome outcome = crash("segv", missing);
    QCOMPARE(outcome.boxCode, QStringLiteral("c0000005"));
    QCOMPARE(outcome.boxDir, missing);
    QCOMPARE(outcome.shellStatus, 128 + SIGSEGV);
    QVERIFY(!QFileInfo::exists(missing));
}

QTEST_GUILESS_MAIN(TestCrashProcess)
#include "TestCrashProcess.moc"
