#pragma once

#include "device/HidBackend.h"

#include <QByteArray>
#include <QMutex>
#include <QSet>

// Real USB through hidapi. hidraw lets one process open a device twice, so the
// backend remembers the device paths it holds and skips them when opening.
class HidapiBackend : public HidBackend
{
public:
    HidapiBackend();
    ~HidapiBackend() override;

    std::unique_ptr<HidDevice> open(unsigned short vendorId, unsigned short productId) override;
    int write(HidDevice& device, const unsigned char* report, int length) override;
    int read(HidDevice& device, unsigned char* report, int length, int timeoutMs) override;
    void close(std::unique_ptr<HidDevice> device) override;

private:
    QMutex m_mutex;
    QSet<QByteArray> m_heldPaths;
};
