#pragma once

#include <QFile>
#include <QMutex>
#include <QString>

#include <memory>

// Appends one line per HID report that crosses the emulated bus: '>' (host to
// monitor) or '<' (monitor to host), the monitor's folder name and the report
// bytes in lower-case hex, each part separated by one blank.
class WireTrace
{
public:
    static constexpr const char* kEnvironmentVariable = "VITACOR_EMULATOR_TRACE";

    explicit WireTrace(const QString& path);

    // The trace named by VITACOR_EMULATOR_TRACE, or null when it is not set.
    static std::unique_ptr<WireTrace> fromEnvironment();

    void record(char direction, const QString& monitor, const unsigned char* bytes, int length);

private:
    QMutex m_mutex;
    QFile m_file;
};
