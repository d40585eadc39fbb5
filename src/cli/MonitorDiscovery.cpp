#include "cli/MonitorDiscovery.h"

#include "app/Config.h"
#include "device/HidClass.h"

#include <QDir>
#include <QTextStream>
#include <QTimer>

int MonitorDiscovery::parse(CommandLine& line, const QStringList& arguments, double* seconds)
{
    const QCommandLineOption wait("wait",
                                  QString("Seconds to wait for the monitors (default %1).").arg(kDefaultWaitSeconds),
                                  "S", QString::number(kDefaultWaitSeconds));
    line.parser().addOption(wait);
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;
    QString error;
    if (!line.seconds(wait, kMaxWaitSeconds, seconds, &error))
        return line.usageError(error);
    return CommandLine::kProceed;
}

MonitorDiscovery::MonitorDiscovery()
{
    // The device link's events go to the log in the data directory, as in the program.
    QDir().mkpath(Config::instance()->dataDir());
    m_manager = std::make_unique<DeviceManager>();
    // A command has nothing to do before the first look, so it comes at once.
    QMetaObject::invokeMethod(m_manager.get(), &DeviceManager::onRefreshDevice, Qt::QueuedConnection);
    connect(&m_termination, &TerminationNotifier::terminationRequested, this,
            &MonitorDiscovery::onTerminationRequested);
}

MonitorDiscovery::Devices MonitorDiscovery::waitFor(const std::function<bool(const Devices&)>& found, double seconds)
{
    if (!m_interrupted && !found(m_manager->devices()))
        runUntil(found, seconds);
    const Devices devices = m_manager->devices();
    if (devices.size() >= DeviceManager::kMaxDevices)
        QTextStream(stderr) << "vitacor-cli: " << devices.size()
                            << " monitors connected, the most served at once; further monitors are not seen "
                               "until one of these is unplugged.\n";
    for (const QString& node : m_manager->deniedNodes())
        QTextStream(stderr) << "vitacor-cli: the monitor at " << node
                            << " is plugged in, but this user may not open it. Install the udev rule that comes "
                               "with the program (res/linux/70-vitacor.rules in its sources) as "
                            << HidClass::kUdevRulePath << ", then unplug the monitor and plug it in again.\n";
    return devices;
}

void MonitorDiscovery::runUntil(const std::function<bool(const Devices&)>& found, double seconds)
{
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &m_loop, &QEventLoop::quit);
    const QMetaObject::Connection changed = connect(m_manager.get(), &DeviceManager::hasNewConnect, this, [&] {
        if (found(m_manager->devices()))
            m_loop.quit();
    });
    deadline.start(static_cast<int>(seconds * 1000));
    m_loop.exec();
    disconnect(changed);
}

void MonitorDiscovery::onTerminationRequested()
{
    if (!m_interrupted) {
        m_interrupted = true;
        emit interrupted();
    }
    m_loop.quit();
}
