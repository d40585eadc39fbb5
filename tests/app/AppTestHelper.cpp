// A small program the process-level tests drive:
//   AppTestHelper crash KIND [DUMPDIR]  installs the crash handler (reporter:
//                                       VitacorBrowser) and faults as KIND says,
//                                       on its own thread or on one the program
//                                       starts (the device manager's, a
//                                       monitor's worker)
//   AppTestHelper hold KEY LOCKDIR      holds the instance guard, prints "ready"
//                                       and waits to be killed
#include "app/CrashHandler.h"
#include "app/InstanceGuard.h"
#include "device/DeviceManager.h"
#include "emulator/EmulatedBus.h"
#include "support/MonitorFolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

volatile int g_zero = 0;
int* volatile g_badPointer = reinterpret_cast<int*>(0x10);

// The recursion is the point: it overflows the stack on purpose.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
int overflowStack(int depth)
{
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    return overflowStack(depth + 1) + frame[0];
}
#pragma GCC diagnostic pop

int fault(const QString& kind)
{
    if (kind == "segv")
        return *g_badPointer;
    if (kind == "divide")
        return 7 / g_zero;
    if (kind == "abort")
        std::abort();
    if (kind == "illegal")
        __builtin_trap();
    if (kind == "overflow")
        return overflowStack(0);
    if (kind == "thread-segv") {
        QThread* worker = QThread::create([] { *g_badPointer = 1; });
        worker->start();
        worker->wait();
        return 0;
    }
    if (kind == "manager-overflow") {
        DeviceManager manager;
        QMetaObject::invokeMethod(
            &manager, [] { overflowStack(0); }, Qt::QueuedConnection);
        return QCoreApplication::exec();
    }
    if (kind == "worker-overflow") {
        QTemporaryDir bus;
        MonitorFolder(bus.path(), "m1");
        const auto installed = EmulatedBus::install(bus.path());
        DeviceManager manager;
        manager.onRefreshDevice();
        if (manager.devices().isEmpty())
            return -1;
        QMetaObject::invokeMethod(
            manager.devices().first().get(), [] { overflowStack(0); }, Qt::QueuedConnection);
        return QCoreApplication::exec();
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == "crash") {
        if (!CrashHandler::install(VITACOR_PROGRAM, args.value(3)))
            return 3;
        return fault(args.at(2)) == -1 ? 2 : 0;
    }
    if (args.size() == 4 && args.at(1) == "hold") {
        InstanceGuard guard(args.at(2), args.at(3));
        std::printf("%s\n", guard.isRunning() ? "running" : "ready");
        std::fflush(stdout);
        return app.exec();
    }
    return 2;
}
