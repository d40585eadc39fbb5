#pragma once

#include "device/HidBackend.h"
#include "emulator/EmulatedMonitor.h"
#include "emulator/WireTrace.h"

#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

// A HID bus made of a folder (BUSDIR): every sub-folder holding identity.dat is a
// monitor plugged in; a folder that disappears is a monitor unplugged, also in the
// middle of a transfer. The bus looks for new and vanished folders whenever a
// transport tries to open a monitor; held monitors notice their folder vanish on
// their next request. With VITACOR_EMULATOR_TRACE set, every report that crosses
// the bus is appended to that file.
class EmulatedBus : public HidBackend
{
public:
    explicit EmulatedBus(const QString& busDir);

    // Makes a new bus on `busDir` the process-wide HID backend.
    static std::shared_ptr<EmulatedBus> install(const QString& busDir);
    // Looks for "--emulate BUSDIR" or "--emulate=BUSDIR" ("--emulate-paced" for a bus with
    // 1 ms frames) and installs that bus; the option is taken out of `arguments`.
    // False, with the reason in `error`, when the option lacks an existing folder.
    static bool installFromArguments(QStringList& arguments, QString* error = nullptr);

    QString busDir() const { return m_busDir; }
    void setPaced(bool paced);
    bool isPaced() const { return m_paced; }
    // Reads wait at most this long for a reply (0: the host's own timeout). An
    // unpaced monitor answers at once, so a short limit only shortens the
    // waits for replies that never come: long fault runs need no real seconds.
    void setWaitLimit(int milliseconds) { m_waitLimitMs = milliseconds; }

    // The plugged-in monitor of that folder name, or null; looks at the folder first.
    std::shared_ptr<EmulatedMonitor> monitor(const QString& name);
    QStringList monitorNames();
    // Protocol violations of every monitor seen since the bus was made.
    int violationCount() const;
    QStringList violations() const;
    // HID reports that crossed the bus in either direction.
    quint64 reportCount() const { return m_reports; }

    std::unique_ptr<HidDevice> open(unsigned short vendorId, unsigned short productId) override;
    int write(HidDevice& device, const unsigned char* report, int length) override;
    int read(HidDevice& device, unsigned char* report, int length, int timeoutMs) override;
    void close(std::unique_ptr<HidDevice> device) override;
    // The folders of the monitors with the no-access rule.
    QStringList deniedPaths(unsigned short vendorId, unsigned short productId) override;

private:
    // Plugs in new monitor folders and unplugs vanished ones; needs m_mutex held.
    void rescan();

    const QString m_busDir;
    const std::unique_ptr<WireTrace> m_trace;
    std::atomic<bool> m_paced{false};
    std::atomic<int> m_waitLimitMs{0};
    std::atomic<quint64> m_reports{0};
    mutable QMutex m_mutex;
    QMap<QString, std::shared_ptr<EmulatedMonitor>> m_monitors;
    QStringList m_unpluggedViolations;
};
