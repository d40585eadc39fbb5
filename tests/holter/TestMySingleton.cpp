#include "holter/HolterReport.h"
#include "holter/mySingleton.h"

#include <QMutex>
#include <QThread>
#include <QtTest>

class TestMySingleton : public QObject
{
    Q_OBJECT
private slots:
    void concurrentFirstCallsShareOneHolterReport();
};

void TestMySingleton::concurrentFirstCallsShareOneHolterReport()
{
    QList<HolterReport*> seen;
    QMutex mutex;
    QList<QThread*> threads;
    for (int i = 0; i < 6; ++i) {
        threads << QThread::create([&] {
            HolterReport* report = mySingleton::instance()->holterReport();
            QMutexLocker lock(&mutex);
            seen << report;
        });
    }
    for (QThread* t : threads)
        t->start();
    for (QThread* t : threads) {
        QVERIFY(t->wait(5000));
        delete t;
    }
    mySingleton* holder = mySingleton::instance();
    QVERIFY(holder->holterReport());
    QCOMPARE(holder->holterReport()->parent(), holder);
    QCOMPARE(holder->findChildren<HolterReport*>().size(), 1);
    for (HolterReport* report : seen)
        QCOMPARE(report, holder->holterReport());
}

QTEST_GUILESS_MAIN(TestMySingleton)
#include "TestMySingleton.moc"
