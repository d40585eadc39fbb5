#include "device/HidapiBackend.h"

#include <hidapi.h>

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

} // namespace

HidapiBackend::HidapiBackend()
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
    std::unique_ptr<HidDevice> opened;
    hid_device_info* devices = hid_enumerate(vendorId, productId);
    for (hid_device_info* info = devices; info && !opened; info = info->next) {
        const QByteArray path(info->path);
        if (m_heldPaths.contains(path))
            continue;
        if (hid_device* handle = hid_open_path(info->path)) {
            m_heldPaths.insert(path);
            opened = std::make_unique<HidapiDevice>(handle, path);
        }
    }
    hid_free_enumeration(devices);
    return opened;
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
    hid_close(hidapiDevice.handle);
    QMutexLocker lock(&m_mutex);
    m_heldPaths.remove(hidapiDevice.path);
}
