#pragma once

#include "device/HidBackend.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSet>

#include <functional>

struct hid_device_;

// Real USB through hidapi. hidraw lets one process open a device twice, so the
// backend remembers the device paths it holds and skips them when opening.
class HidapiBackend : public HidBackend
{
public:
    // The hidapi calls that find, open and close devices; tests put their own in place.
    struct Access
    {
        // The paths of the devices with these ids, in hidapi's order.
        std::function<QList<QByteArray>(unsigned short vendorId, unsigned short productId)> enumerate;
        // An open handle, or null.
        std::function<hid_device_*(const QByteArray& path)> openPath;
        std::function<void(hid_device_*)> close;
        // Whether the device node exists but this process may not read and write it.
        std::function<bool(const QByteArray& path)> permissionDenied;
    };

    HidapiBackend();
    explicit HidapiBackend(Access access);
    ~HidapiBackend() override;

    std::unique_ptr<HidDevice> open(unsigned short vendorId, unsigned short productId) override;
    int write(HidDevice& device, const unsigned char* report, int length) override;
    int read(HidDevice& device, unsigned char* report, int length, int timeoutMs) override;
    void close(std::unique_ptr<HidDevice> device) override;
    QStringList deniedPaths(unsigned short vendorId, unsigned short productId) override;

private:
    Access m_access;
    QMutex m_mutex;
    QSet<QByteArray> m_heldPaths;
};
