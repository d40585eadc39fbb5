#include "MonitorDiscovery.h"

#include <QTimer>

MonitorDiscovery::MonitorDiscovery() : m_manager(std::make_unique<DeviceManager>()) {}

MonitorDiscovery::Devices MonitorDiscovery::waitFor(const std::function<bool(const Devices&)>& found, double seconds)
{
    if (found(m_manager->devices()))
        return m_manager->devices();
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
    return m_manager->devices();
}

void MonitorDiscovery::cancel()
{
    m_loop.quit();
}
