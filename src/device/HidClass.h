#pragma once

#include "device/HidBackend.h"

#include <QStringList>

#include <memory>

// The monitor as a USB HID device: cuts outgoing buffers into 65-byte output
// reports (report id 0 + 64 data bytes) and assembles replies from 64-byte
// input reports, waiting at most the read timeout for each report.
class HidClass
{
public:
    static constexpr unsigned short kVendorId = 0xC25A;
    static constexpr unsigned short kProductId = 0x330E;
    static constexpr int kReportSize = 64;
    static constexpr int kDefaultReadLength = 640;
    static constexpr int kDefaultTimeoutMs = 1000;
    // Where the udev rule that lets the logged-in user open the monitors belongs.
    static constexpr const char* kUdevRulePath = "/etc/udev/rules.d/70-vitacor.rules";

    // The device nodes of plugged-in monitors that this process may not open.
    static QStringList deniedNodes();

    HidClass() = default;
    // Releases the monitor, so a transport dropped without closing never blocks it for good.
    ~HidClass();
    HidClass(const HidClass&) = delete;
    HidClass& operator=(const HidClass&) = delete;

    bool open();
    void close();
    bool isOpen() const { return m_device != nullptr; }

    bool write(const unsigned char* data, int length);
    // Reads up to `length` bytes (640 when 0) report by report; true when anything
    // arrived. `received`, when given, gets the byte count so callers can tell a short reply.
    bool read(unsigned char* buffer, int length, int* received = nullptr);

    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    int timeout() const { return m_timeout; }

private:
    std::unique_ptr<HidDevice> m_device;
    int m_timeout = kDefaultTimeoutMs;
    // The backend the device was opened on; a later backend switch does not strand it.
    std::shared_ptr<HidBackend> m_backend;
};
