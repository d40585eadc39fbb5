// ThreadSanitizer builds only. Qt is not built with the sanitizer, so a QMutex
// taken in our code locks inside libQt5Core where no access is seen, and every
// access the mutex guards looks like a race. These definitions take the place
// of Qt's own for calls from the test programs, tell the sanitizer about each
// lock and unlock, and call the real ones.
#include <QMutex>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

namespace {

template <class F>
F real(const char* symbol)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, symbol));
}

unsigned kindOf(const QMutex* mutex)
{
    return mutex->isRecursive() ? __tsan_mutex_write_reentrant : 0;
}

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto lockReal = real<void (*)(QMutex*)>("_ZN6QMutex4lockEv");
    __tsan_mutex_pre_lock(this, kindOf(this));
    lockReal(this);
    __tsan_mutex_post_lock(this, kindOf(this), 0);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto tryLockReal = real<bool (*)(QMutex*, int)>("_ZN6QMutex7tryLockEi");
    __tsan_mutex_pre_lock(this, kindOf(this) | __tsan_mutex_try_lock);
    const bool locked = tryLockReal(this, timeout);
    __tsan_mutex_post_lock(this, kindOf(this) | __tsan_mutex_try_lock | (locked ? 0 : __tsan_mutex_try_lock_failed), 0);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto unlockReal = real<void (*)(QMutex*)>("_ZN6QMutex6unlockEv");
    __tsan_mutex_pre_unlock(this, 0);
    unlockReal(this);
    __tsan_mutex_post_unlock(this, 0);
}
