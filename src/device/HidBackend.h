#pragma once

#include <QStringList>

#include <memory>

// An open HID device of one backend; each backend derives its own handle.
class HidDevice
{
public:
    virtual ~HidDevice() = default;
};

// The four HID operations the transport needs, so the same transport runs on
// real USB and on the emulated bus. One backend serves the whole process.
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // The first device with these ids that no transport of this process holds, or null.
    virtual std::unique_ptr<HidDevice> open(unsigned short vendorId, unsigned short productId) = 0;
    // Writes one output report (report id first); the bytes written, or -1.
    virtual int write(HidDevice& device, const unsigned char* report, int length) = 0;
    // Reads one input report; its length, 0 on time-out, -1 on error.
    virtual int read(HidDevice& device, unsigned char* report, int length, int timeoutMs) = 0;
    // Releases the device so it can be opened again.
    virtual void close(std::unique_ptr<HidDevice> device) = 0;
    // The paths of devices with these ids that are present but that this
    // process has no permission to open; none by default.
    virtual QStringList deniedPaths(unsigned short vendorId, unsigned short productId);

    // The process-wide backend: real USB unless another one was installed.
    static std::shared_ptr<HidBackend> current();
    static void setCurrent(std::shared_ptr<HidBackend> backend);
};
