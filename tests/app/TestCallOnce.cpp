#include "app/CallOnce.h"

#include <QAtomicInt>
#include <QMutex>
#include <QThread>
#include <QtTest>

namespace {

QAtomicInt g_constructions;

struct SlowObject
{
    SlowObject()
    {
        g_constructions.ref();
        QThread::msleep(50); // widens the window in which other callers arrive
        ready = true;
    }
    bool ready = false;
};

} // namespace

class TestCallOnce : public QObject
{
    Q_OBJECT
private slots:
    void concurrentFirstCallsCreateOneObject();
};

void TestCallOnce::concurrentFirstCallsCreateOneObject()
{
    constexpr int kThreads = 8;
    QList<SlowObject*> seen;
    QList<bool> sawReady;
    QMutex mutex;
    QList<QThread*> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads << QThread::create([&] {
            SlowObject* object = Singleton<SlowObject>::instance();
            QMutexLocker lock(&mutex);
            seen << object;
            sawReady << object->ready;
        });
    }
    for (QThread* t : threads)
        t->start();
    for (QThread* t : threads) {
        QVERIFY(t->wait(5000));
        delete t;
    }
    QCOMPARE(g_constructions.loadAcquire(), 1);
    QCOMPARE(seen.size(), kThreads);
    for (int i = 0; i < kThreads; ++i) {
        QCOMPARE(seen.at(i), seen.first());
        QVERIFY(sawReady.at(i));
    }
}

QTEST_GUILESS_MAIN(TestCallOnce)
#include "TestCallOnce.moc"
