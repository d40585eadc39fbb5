#include "device/HidBackend.h"

#include "device/HidapiBackend.h"

#include <QMutex>

namespace {

QMutex& backendMutex()
{
    static QMutex mutex;
    return mutex;
}

std::shared_ptr<HidBackend>& installedBackend()
{
    static std::shared_ptr<HidBackend> backend;
    return backend;
}

} // namespace

QStringList HidBackend::deniedPaths(unsigned short, unsigned short)
{
    return {};
}

std::shared_ptr<HidBackend> HidBackend::current()
{
    QMutexLocker lock(&backendMutex());
    if (!installedBackend())
        installedBackend() = std::make_shared<HidapiBackend>();
    return installedBackend();
}

void HidBackend::setCurrent(std::shared_ptr<HidBackend> backend)
{
    QMutexLocker lock(&backendMutex());
    installedBackend() = std::move(backend);
}
