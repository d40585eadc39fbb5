#pragma once

#include "DeviceManager.h"

#include <QEventLoop>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

// The device manager of one command run, and the wait for its discovery. The
// manager's first refresh comes 2 s after it starts and identifies every
// monitor plugged in, so a wait of a few seconds finds them all.
class MonitorDiscovery : public QObject
{
    Q_OBJECT
public:
    using Devices = QList<std::shared_ptr<VitacorDevice>>;

    static constexpr double kDefaultWaitSeconds = 3.0;
    static constexpr double kMaxWaitSeconds = 600.0;

    MonitorDiscovery();

    DeviceManager& manager() { return *m_manager; }
    // Runs the event loop until `found` holds for the connected monitors, the
    // time is up or cancel() is called; returns the monitors connected then.
    Devices waitFor(const std::function<bool(const Devices&)>& found, double seconds);

public slots:
    void cancel();

private:
    std::unique_ptr<DeviceManager> m_manager;
    QEventLoop m_loop;
};
