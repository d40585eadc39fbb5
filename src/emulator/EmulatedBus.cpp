#include "emulator/EmulatedBus.h"

#include "device/HidClass.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

class EmulatedDevice : public HidDevice
{
public:
    EmulatedDevice(std::shared_ptr<EmulatedMonitor> emulated, quint64 connectionId)
        : monitor(std::move(emulated))
        , connection(connectionId)
    {}

    const std::shared_ptr<EmulatedMonitor> monitor;
    const quint64 connection;
};

const QString kEmulateOption("--emulate");
const QString kEmulatePacedOption("--emulate-paced");

} // namespace

EmulatedBus::EmulatedBus(const QString& busDir)
    : m_busDir(QDir::cleanPath(busDir))
    , m_trace(WireTrace::fromEnvironment())
{}

std::shared_ptr<EmulatedBus> EmulatedBus::install(const QString& busDir)
{
    auto bus = std::make_shared<EmulatedBus>(busDir);
    HidBackend::setCurrent(bus);
    return bus;
}

bool EmulatedBus::installFromArguments(QStringList& arguments, QString* error)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool paced = argument.startsWith(kEmulatePacedOption);
        const QString option = paced ? kEmulatePacedOption : kEmulateOption;
        QString busDir;
        int taken = 1;
        if (argument == option) {
            busDir = arguments.value(i + 1);
            taken = 2;
        } else if (argument.startsWith(option + "=")) {
            busDir = argument.mid(option.size() + 1);
        } else {
            continue;
        }
        if (busDir.isEmpty() || !QFileInfo(busDir).isDir()) {
            if (error)
                *error = option + " needs an existing bus folder" + (busDir.isEmpty() ? QString() : ": " + busDir);
            return false;
        }
        install(busDir)->setPaced(paced);
        arguments.erase(arguments.begin() + i, arguments.begin() + i + taken);
        return true;
    }
    return true;
}

void EmulatedBus::setPaced(bool paced)
{
    m_paced = paced;
    QMutexLocker lock(&m_mutex);
    for (const auto& monitor : qAsConst(m_monitors))
        monitor->setPaced(paced);
}

void EmulatedBus::rescan()
{
    for (auto it = m_monitors.begin(); it != m_monitors.end();) {
        if (it.value()->isGone() || !EmulatedMonitor::isMonitorFolder(it.value()->folder())) {
            it.value()->unplug();
            m_unpluggedViolations << it.value()->violations();
            it = m_monitors.erase(it);
        } else {
            ++it;
        }
    }
    const QStringList folders = QDir(m_busDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : folders) {
        const QString folder = m_busDir + "/" + name;
        if (m_monitors.contains(name) || !EmulatedMonitor::isMonitorFolder(folder))
            continue;
        auto monitor = std::make_shared<EmulatedMonitor>(folder);
        monitor->setPaced(m_paced);
        m_monitors.insert(name, monitor);
    }
}

std::shared_ptr<EmulatedMonitor> EmulatedBus::monitor(const QString& name)
{
    QMutexLocker lock(&m_mutex);
    rescan();
    return m_monitors.value(name);
}

QStringList EmulatedBus::monitorNames()
{
    QMutexLocker lock(&m_mutex);
    rescan();
    return m_monitors.keys();
}

int EmulatedBus::violationCount() const
{
    return violations().size();
}

QStringList EmulatedBus::violations() const
{
    QMutexLocker lock(&m_mutex);
    QStringList all = m_unpluggedViolations;
    for (const auto& monitor : m_monitors)
        all << monitor->violations();
    return all;
}

std::unique_ptr<HidDevice> EmulatedBus::open(unsigned short vendorId, unsigned short productId)
{
    if (vendorId != HidClass::kVendorId || productId != HidClass::kProductId)
        return nullptr;
    QMutexLocker lock(&m_mutex);
    rescan();
    for (const auto& monitor : qAsConst(m_monitors)) {
        if (const quint64 connection = monitor->connect())
            return std::make_unique<EmulatedDevice>(monitor, connection);
    }
    return nullptr;
}

int EmulatedBus::write(HidDevice& device, const unsigned char* report, int length)
{
    const auto& emulated = static_cast<EmulatedDevice&>(device);
    const int written = emulated.monitor->write(emulated.connection, report, length);
    if (written > 0) {
        ++m_reports;
        if (m_trace)
            m_trace->record('>', emulated.monitor->name(), report, length);
    }
    return written;
}

int EmulatedBus::read(HidDevice& device, unsigned char* report, int length, int timeoutMs)
{
    const auto& emulated = static_cast<EmulatedDevice&>(device);
    const int limit = m_waitLimitMs;
    const int wait = limit > 0 ? std::min(timeoutMs, limit) : timeoutMs;
    const int got = emulated.monitor->read(emulated.connection, report, length, wait);
    if (got > 0) {
        ++m_reports;
        if (m_trace)
            m_trace->record('<', emulated.monitor->name(), report, got);
    }
    return got;
}

void EmulatedBus::close(std::unique_ptr<HidDevice> device)
{
    const auto& emulated = static_cast<EmulatedDevice&>(*device);
    emulated.monitor->disconnect(emulated.connection);
}

QStringList EmulatedBus::deniedPaths(unsigned short vendorId, unsigned short productId)
{
    if (vendorId != HidClass::kVendorId || productId != HidClass::kProductId)
        return {};
    QMutexLocker lock(&m_mutex);
    rescan();
    QStringList paths;
    for (const auto& monitor : qAsConst(m_monitors)) {
        if (monitor->deniesAccess())
            paths << QDir::toNativeSeparators(monitor->folder());
    }
    return paths;
}
