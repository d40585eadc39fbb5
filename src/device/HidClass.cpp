#include "device/HidClass.h"

#include <algorithm>
#include <cstring>

HidClass::~HidClass()
{
    close();
}

QStringList HidClass::deniedNodes()
{
    return HidBackend::current()->deniedPaths(kVendorId, kProductId);
}

bool HidClass::open()
{
    if (m_device)
        return true;
    m_backend = HidBackend::current();
    m_device = m_backend->open(kVendorId, kProductId);
    return m_device != nullptr;
}

void HidClass::close()
{
    if (m_device)
        m_backend->close(std::move(m_device));
}

bool HidClass::write(const unsigned char* data, int length)
{
    if (!m_device)
        return false;
    unsigned char report[kReportSize + 1];
    for (int offset = 0; offset < length; offset += kReportSize) {
        std::memset(report, 0, sizeof report);
        std::memcpy(report + 1, data + offset, size_t(std::min(length - offset, kReportSize)));
        if (m_backend->write(*m_device, report, int(sizeof report)) == -1)
            return false;
    }
    return true;
}

bool HidClass::read(unsigned char* buffer, int length, int* received)
{
    int total = 0;
    if (m_device) {
        const int target = length > 0 ? length : kDefaultReadLength;
        unsigned char report[kReportSize];
        while (total < target) {
            const int got = m_backend->read(*m_device, report, kReportSize, m_timeout);
            if (got <= 0)
                break;
            // Never past the target, whatever size the caller's buffer has beyond it.
            const int take = std::min(got, target - total);
            std::memcpy(buffer + total, report, size_t(take));
            total += take;
        }
    }
    if (received)
        *received = total;
    return total > 0;
}
