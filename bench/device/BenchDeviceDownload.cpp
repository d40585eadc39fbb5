// Downloads a demo monitor of model 0 carrying a Holter recording (24 hours by
// default) from an emulated bus paced at 1 ms per HID report, the way the
// program does it: discovery by the device manager, then the worker thread
// with the model's download strategy. The download's wall time is set against
// the protocol bound, the reports that crossed the bus times 1 ms.
//
// Usage: BenchDeviceDownload [--holter-hours H]

#include "BenchSupport.h"
#include "app/Config.h"
#include "device/DeviceManager.h"
#include "emulator/DemoBusWriter.h"
#include "emulator/EmulatedBus.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>

#include <cmath>

namespace {

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files)
        bytes += file.size();
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    const BenchSupport::ScratchHome dir;
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(BenchSupport::dropDebugLines);
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);

    double hours = BenchSupport::isSmallRun(argc, argv) ? 0.01 : 24;
    const QStringList arguments = app.arguments();
    const int option = arguments.indexOf("--holter-hours");
    if (option > 0 && option + 1 < arguments.size())
        hours = arguments.at(option + 1).toDouble();
    if (!(hours > 0)) {
        QTextStream(stderr) << "--holter-hours wants a number of hours above 0\n";
        return 2;
    }

    Config::instance()->setDataDir(dir.path() + "/data");
    QDir().mkpath(Config::instance()->dataDir());
    const QString busDir = dir.path() + "/bus";
    QDir().mkpath(busDir);
    QString error;
    const QString monitor = DemoBusWriter(busDir, 1, int(std::lround(hours * 3600))).writeMonitor(0, &error);
    if (monitor.isEmpty()) {
        QTextStream(stderr) << "cannot write the demo monitor: " << error << '\n';
        return 1;
    }
    const std::shared_ptr<EmulatedBus> bus = EmulatedBus::install(busDir);
    bus->setPaced(true);

    DeviceManager manager;
    manager.onRefreshDevice();
    if (manager.devices().size() != 1) {
        QTextStream(stderr) << "the demo monitor was not found on the bus\n";
        return 1;
    }
    const QString sn = manager.devices().first()->serialNumber();

    QString path;
    QEventLoop loop;
    QObject::connect(&manager, &DeviceManager::deviceDownloadEnd, &loop, [&](const QString& folder) {
        path = folder;
        loop.quit();
    });
    const quint64 reportsBefore = bus->reportCount();
    QElapsedTimer timer;
    timer.start();
    // Nothing is stored yet, so the context needs no record store.
    DownloadContext context;
    context.dataDir = Config::instance()->dataDir();
    manager.downloadDevice(0, context);
    loop.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const quint64 reports = bus->reportCount() - reportsBefore;
    const double boundSeconds = double(reports) / 1000.0;

    out << "Download of a model 0 demo monitor (" << sn << ") with a " << qSetRealNumberPrecision(1) << hours
        << " h Holter recording, paced at 1 ms per report:\n";
    if (path.isEmpty()) {
        out << "  download FAILED\n";
        return 1;
    }
    out << "  files: " << QDir(path).entryList(QDir::Files).size() << ", " << folderBytes(path) << " bytes\n";
    out << "  reports: " << reports << ", protocol bound " << qSetRealNumberPrecision(2) << boundSeconds << " s\n";
    out << "  download: " << seconds << " s, ratio to the bound " << qSetRealNumberPrecision(3)
        << seconds / boundSeconds << " (target at most 1.05)\n";
    return 0;
}
