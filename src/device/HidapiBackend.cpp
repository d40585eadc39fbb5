#include "device/HidapiBackend.h"

#include <hidapi.h>

#include <cerrno>
#include <unistd.h>

namespace {

class HidapiDevice : public HidDevice
{
public:
    HidapiDevice(hid_device* openHandle, QByteArray devicePath)
        : handle(openHandle)
        , path(std::move(devicePath))
    {}

    hid_device* handle;
    QByteArray path;
};

HidapiBackend::Access systemAccess()
{
    HidapiBackend::Access access;
    access.enumerate = [](unsigned short vendorId, unsigned short productId) {
        QList<QByteArray> paths;
        hid_device_info* devices = hid_enumerate(vendorId, productId);
        for (hid_device_info* info = devices; info; info = info->next)
            paths << QByteArray(info->path);
        hid_free_enumeration(devices);
        return paths;
    };
    access.openPath = [](const QByteArray& path) { return hid_open_path(path.constData()); };
    access.close = [](hid_device* handle) { hid_close(handle); };
    // hidapi's failed open does not say why; the node's permissions do.
    access.permissionDenied = [](const QByteArray& path) {
        return ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
    };
    return access;
}

} // namespace

HidapiBackend::HidapiBackend()
    : HidapiBackend(systemAccess())
{}

HidapiBackend::HidapiBackend(Access access)
    : m_access(std::move(access))
{
    hid_init();
}

HidapiBackend::~HidapiBackend()
{
    hid_exit();
}

std::unique_ptr<HidDevice> HidapiBackend::open(unsigned short vendorId, unsigned short productId)
{
    QMutexLocker lock(&m_mutex);
    for (const QByteArray& path : m_access.enumerate(vendorId, productId)) {
        if (m_heldPaths.contains(path))
            continue;
        if (hid_device* handle = m_access.openPath(path)) {
            m_heldPaths.insert(path);
            return std::make_unique<HidapiDevice>(handle, path);
        }
    }
    return nullptr;
}

int HidapiBackend::write(HidDevice& device, const unsigned char* report, int length)
{
    return hid_write(static_cast<HidapiDevice&>(device).handle, report, size_t(length));
}

int HidapiBackend::read(HidDevice& device, unsigned char* report, int length, int timeoutMs)
{
    return hid_read_timeout(static_cast<HidapiDevice&>(device).handle, report, size_t(length), timeoutMs);
}

void HidapiBackend::close(std::unique_ptr<HidDevice> device)
{
    auto& hidapiDevice = static_cast<HidapiDevice&>(*device);
    m_access.close(hidapiDevice.handle);
    QMutexLocker lock(&m_mutex);
    m_heldPaths.remove(hidapiDevice.path);
}

QStringList HidapiBackend::deniedPaths(unsigned short vendorId, unsigned short productId)
{
    QMutexLocker lock(&m_mutex);
    QStringList denied;
    for (const QByteArray& path : m_access.enumerate(vendorId, productId)) {
        if (!m_heldPaths.contains(path) && m_access.permissionDenied(path))
            denied << QString::fromLocal8Bit(path);
    }
    return denied;
}
