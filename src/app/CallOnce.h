#pragma once

#include <QAtomicInt>
#include <QThread>

#include <memory>

// Process-wide objects created on first use from any thread. The flag runs
// 0 (not created) -> 1 (being created) -> 2 (ready); callers that find 1 yield
// until the creator is done, so nobody sees a half-built object.
namespace CallOnce {

enum State { NotCreated = 0, Creating = 1, Ready = 2 };

template <typename Create>
void run(QAtomicInt& flag, Create&& create)
{
    if (flag.loadAcquire() == Ready)
        return;
    if (flag.testAndSetAcquire(NotCreated, Creating)) {
        create();
        flag.storeRelease(Ready);
        return;
    }
    while (flag.loadAcquire() != Ready)
        QThread::yieldCurrentThread();
}

} // namespace CallOnce

// The static owning holder of one singleton: created on first instance() call,
// deleted during static destruction at process exit.
template <typename T>
class Singleton
{
public:
    static T* instance()
    {
        CallOnce::run(flag(), [] { holder().reset(new T); });
        return holder().get();
    }

private:
    static QAtomicInt& flag()
    {
        static QAtomicInt f(CallOnce::NotCreated);
        return f;
    }
    static std::unique_ptr<T>& holder()
    {
        static std::unique_ptr<T> p;
        return p;
    }
};
