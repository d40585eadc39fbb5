#include "app/CrashHandler.h"
#include "app/CrashReport.h"

#include <QDateTime>
#include <QtTest>

#include <csignal>

class TestCrashReport : public QObject
{
    Q_OBJECT
private slots:
    void textFormat_data();
    void textFormat();
    void exceptionCodes_data();
    void exceptionCodes();
    void parseArguments_data();
    void parseArguments();
    void signalSafeHexMatchesQt_data();
    void signalSafeHexMatchesQt();
    void signalSafeDumpTimeMatchesQt_data();
    void signalSafeDumpTimeMatchesQt();
};

void TestCrashReport::textFormat_data()
{
    QTest::addColumn<quint32>("code");
    QTest::addColumn<quint64>("address");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("expected");

    QTest::newRow("access violation") << 0xc0000005u << Q_UINT64_C(0x55d4c3a01234) << "/opt/vitacor/bin"
                                      << "error code:c0000005. address:55d4c3a01234 \r\n"
                                         "crash dump file already saved in/opt/vitacor/bin";
    QTest::newRow("abort, zero address") << 0x40000015u << Q_UINT64_C(0) << "/x"
                                         << "error code:40000015. address:0 \r\n"
                                            "crash dump file already saved in/x";
    QTest::newRow("full width address") << 0xc0000094u << Q_UINT64_C(0xffffffffffffffff) << "/a b"
                                        << "error code:c0000094. address:ffffffffffffffff \r\n"
                                           "crash dump file already saved in/a b";
    QTest::newRow("non-ASCII folder") << 0xc000001du << Q_UINT64_C(0x1000) << QString::fromUtf8("/home/zoë/程序")
                                      << QString::fromUtf8("error code:c000001d. address:1000 \r\n"
                                                           "crash dump file already saved in/home/zoë/程序");
}

void TestCrashReport::textFormat()
{
    QFETCH(quint32, code);
    QFETCH(quint64, address);
    QFETCH(QString, dir);
    QFETCH(QString, expected);
    QCOMPARE(CrashReport(code, address, dir).text(), expected);
    QCOMPARE(CrashReport::title(), QStringLiteral("Software crash"));
}

void TestCrashReport::exceptionCodes_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<int>("signalCode");
    QTest::addColumn<quint32>("code");

    QTest::newRow("SIGSEGV") << SIGSEGV << int(SEGV_MAPERR) << 0xc0000005u;
    QTest::newRow("SIGSEGV sent by kill") << SIGSEGV << int(SI_USER) << 0xc0000005u;
    QTest::newRow("SIGBUS") << SIGBUS << int(BUS_ADRERR) << 0xc0000006u;
    QTest::newRow("SIGILL") << SIGILL << int(ILL_ILLOPN) << 0xc000001du;
    QTest::newRow("SIGABRT") << SIGABRT << int(SI_TKILL) << 0x40000015u;
    QTest::newRow("integer divide") << SIGFPE << int(FPE_INTDIV) << 0xc0000094u;
    QTest::newRow("integer overflow") << SIGFPE << int(FPE_INTOVF) << 0xc0000095u;
    QTest::newRow("float divide") << SIGFPE << int(FPE_FLTDIV) << 0xc000008eu;
    QTest::newRow("float invalid") << SIGFPE << int(FPE_FLTINV) << 0xc0000090u;
    QTest::newRow("float overflow") << SIGFPE << int(FPE_FLTOVF) << 0xc0000090u;
}

void TestCrashReport::exceptionCodes()
{
    QFETCH(int, signalNumber);
    QFETCH(int, signalCode);
    QFETCH(quint32, code);
    QCOMPARE(CrashReport::exceptionCode(signalNumber, signalCode), code);
}

void TestCrashReport::parseArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("code");
    QTest::addColumn<quint64>("address");
    QTest::addColumn<QString>("dir");

    QTest::newRow("report") << QStringList{"prog", "--crash-report", "c0000005", "7f001234abcd", "/bin dir"} << true
                            << 0xc0000005u << Q_UINT64_C(0x7f001234abcd) << "/bin dir";
    QTest::newRow("largest address") << QStringList{"prog", "--crash-report", "40000015", "ffffffffffffffff", "/d"}
                                     << true << 0x40000015u << Q_UINT64_C(0xffffffffffffffff) << "/d";
    QTest::newRow("no option") << QStringList{"prog"} << false << 0u << Q_UINT64_C(0) << "";
    QTest::newRow("other option") << QStringList{"prog", "--crash", "c0000005", "1", "/d"} << false << 0u
                                  << Q_UINT64_C(0) << "";
    QTest::newRow("missing folder") << QStringList{"prog", "--crash-report", "c0000005", "1"} << false << 0u
                                    << Q_UINT64_C(0) << "";
    QTest::newRow("extra argument") << QStringList{"prog", "--crash-report", "c0000005", "1", "/d", "x"} << false << 0u
                                    << Q_UINT64_C(0) << "";
    QTest::newRow("code not hex") << QStringList{"prog", "--crash-report", "zz", "1", "/d"} << false << 0u
                                  << Q_UINT64_C(0) << "";
    QTest::newRow("code too wide") << QStringList{"prog", "--crash-report", "1c0000005", "1", "/d"} << false << 0u
                                   << Q_UINT64_C(0) << "";
}

void TestCrashReport::parseArguments()
{
    QFETCH(QStringList, args);
    QFETCH(bool, valid);
    CrashReport report;
    QCOMPARE(CrashReport::parse(args, &report), valid);
    if (!valid)
        return;
    QFETCH(quint32, code);
    QFETCH(quint64, address);
    QFETCH(QString, dir);
    QCOMPARE(report.code(), code);
    QCOMPARE(report.address(), address);
    QCOMPARE(report.dumpDir(), dir);
}

void TestCrashReport::signalSafeHexMatchesQt_data()
{
    QTest::addColumn<quint64>("value");
    for (quint64 value : {Q_UINT64_C(0), Q_UINT64_C(1), Q_UINT64_C(0xf), Q_UINT64_C(0x10), Q_UINT64_C(0xc0000005),
                          Q_UINT64_C(0x7ffd12345678), Q_UINT64_C(0xffffffffffffffff)})
        QTest::newRow(qPrintable(QString::number(value, 16))) << value;
}

void TestCrashReport::signalSafeHexMatchesQt()
{
    QFETCH(quint64, value);
    char out[17];
    const int length = CrashHandler::formatHex(value, out);
    QCOMPARE(QString::fromLatin1(out), QString::number(value, 16));
    QCOMPARE(length, int(qstrlen(out)));
}

void TestCrashReport::signalSafeDumpTimeMatchesQt_data()
{
    QTest::addColumn<QDateTime>("time");
    const auto utc = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    };
    QTest::newRow("epoch") << utc(1970, 1, 1, 0, 0, 0);
    QTest::newRow("afternoon, two digits everywhere") << utc(2024, 11, 23, 14, 5, 9);
    QTest::newRow("leap day 2000") << utc(2000, 2, 29, 23, 59, 59);
    QTest::newRow("leap day 2024") << utc(2024, 2, 29, 12, 0, 0);
    QTest::newRow("no leap day in 2100") << utc(2100, 3, 1, 0, 0, 1);
    QTest::newRow("new year's eve") << utc(2023, 12, 31, 23, 59, 59);
    QTest::newRow("new year") << utc(2038, 1, 19, 3, 14, 8);
    QTest::newRow("before 1970") << utc(1969, 12, 31, 23, 59, 59);
}

void TestCrashReport::signalSafeDumpTimeMatchesQt()
{
    QFETCH(QDateTime, time);
    char out[15];
    CrashHandler::formatDumpTime(time.toSecsSinceEpoch(), out);
    QCOMPARE(QString::fromLatin1(out), QLocale(QLocale::English).toString(time, "yyyyMMddhhmmss"));
}

QTEST_GUILESS_MAIN(TestCrashReport)
#include "TestCrashReport.moc"
