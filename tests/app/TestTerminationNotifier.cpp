#include "app/TerminationNotifier.h"

#include <QSignalSpy>
#include <QtTest>

#include <csignal>

class TestTerminationNotifier : public QObject
{
    Q_OBJECT
private slots:
    void signalBecomesQtSignal_data();
    void signalBecomesQtSignal();
    void quitsAConsoleEventLoop();
    void destroyingRestoresTheDefaultAction();

private:
    static bool hasDefaultAction(int signalNumber);
};

bool TestTerminationNotifier::hasDefaultAction(int signalNumber)
{
    struct sigaction current = {};
    sigaction(signalNumber, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

void TestTerminationNotifier::signalBecomesQtSignal_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<int>("otherSignal");
    QTest::newRow("SIGTERM") << SIGTERM << SIGINT;
    QTest::newRow("SIGINT") << SIGINT << SIGTERM;
}

void TestTerminationNotifier::signalBecomesQtSignal()
{
    QFETCH(int, signalNumber);
    QFETCH(int, otherSignal);
    TerminationNotifier notifier;
    QSignalSpy spy(&notifier, &TerminationNotifier::terminationRequested);
    QVERIFY(!hasDefaultAction(signalNumber));

    raise(signalNumber);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), signalNumber);
    // A repeat of the same signal would end a hanging shutdown at once; the other one still asks politely.
    QVERIFY(hasDefaultAction(signalNumber));
    QVERIFY(!hasDefaultAction(otherSignal));
}

void TestTerminationNotifier::quitsAConsoleEventLoop()
{
    TerminationNotifier notifier;
    QEventLoop loop;
    connect(&notifier, &TerminationNotifier::terminationRequested, &loop, [&loop] { loop.exit(7); });
    QTimer::singleShot(0, [] { raise(SIGTERM); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(-1); });
    QCOMPARE(loop.exec(), 7);
}

void TestTerminationNotifier::destroyingRestoresTheDefaultAction()
{
    {
        TerminationNotifier notifier;
        QVERIFY(!hasDefaultAction(SIGTERM));
        QVERIFY(!hasDefaultAction(SIGINT));
    }
    QVERIFY(hasDefaultAction(SIGTERM));
    QVERIFY(hasDefaultAction(SIGINT));
}

QTEST_GUILESS_MAIN(TestTerminationNotifier)
#include "TestTerminationNotifier.moc"
