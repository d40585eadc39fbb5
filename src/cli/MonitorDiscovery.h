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
// first refresh comes at once and identifies every monitor plugged in; later
// ones follow every 2 s, as in the program. Ctrl+C (or SIGTERM) ends the wait;
// a second one ends the program at once.
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
    // Monitors plugged in that may not be opened are named on stderr, with the fix.
    Devices waitFor(const std::function<bool(const Devices&)>& found, double seconds);
    // The device nodes of monitors plugged in that this user may not open.
    QStringList deniedNodes() { return m_manager->deniedNodes(); }
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
