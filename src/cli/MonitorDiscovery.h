#pragma once

#include "app/TerminationNotifier.h"
#include "cli/CommandLine.h"
#include "device/DeviceManager.h"

#include <QEventLoop>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

// The device manager of one command run, and the wait for its discovery. The
// manager's first refresh comes 2 s after it starts and identifies every
// monitor plugged in, so a wait of a few seconds finds them all. Ctrl+C (or
// SIGTERM) ends the wait; a second one ends the program at once.
class MonitorDiscovery : public QObject
{
    Q_OBJECT
public:
    using Devices = QList<std::shared_ptr<VitacorDevice>>;

    static constexpr double kDefaultWaitSeconds = 3.0;
    static constexpr double kMaxWaitSeconds = 600.0;

    // Adds --wait S (how long to wait for the monitors) to the command's
    // options and parses them: CommandLine::kProceed with `seconds` set, or
    // the exit status of the help or of a usage error.
    static int parse(CommandLine& line, const QStringList& arguments, double* seconds);

    MonitorDiscovery();

    DeviceManager& manager() { return *m_manager; }
    // Runs the event loop until `found` holds for the connected monitors, the
    // time is up or the run is interrupted; returns the monitors connected then.
    Devices waitFor(const std::function<bool(const Devices&)>& found, double seconds);
    bool isInterrupted() const { return m_interrupted; }

signals:
    // The first termination request of the run.
    void interrupted();

private:
    void onTerminationRequested();
    void runUntil(const std::function<bool(const Devices&)>& found, double seconds);

    std::unique_ptr<DeviceManager> m_manager;
    TerminationNotifier m_termination;
    QEventLoop m_loop;
    bool m_interrupted = false;
};
