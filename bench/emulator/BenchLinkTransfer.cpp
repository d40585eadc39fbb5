// Copies a 1 MB detail file (635-byte chunks) and a 24-hour Holter-sized
// recording (10-block large-file replies) from an emulated monitor through the
// real transport and protocol code. Paced at 1 ms per HID report, the achieved
// rate is set against the protocol bound (reports x 1 ms); unpaced, the CPU time
// per MB shows what the host and the emulator cost.
//
// Usage: BenchLinkTransfer [--unpaced-only]

#include "BenchSupport.h"
#include "device/XHarvo2.h"
#include "emulator/EmulatedBus.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <ctime>

namespace {

constexpr int kDetailSize = 1 << 20;
constexpr int kHolterSize = 13500000;
constexpr int kBlocks = 10;
constexpr int kUnpacedRuns = 5;

struct Figures
{
    bool complete = false;
    quint64 reports = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void writeRandomFile(const QString& path, int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator random(size);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool sameContent(const QString& a, const QString& b)
{
    QFile fa(a);
    QFile fb(b);
    return fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly) && fa.readAll() == fb.readAll();
}

Figures transfer(EmulatedBus& bus, const QString& monitorFolder, const QString& download, const QString& name,
                 bool large)
{
    XHarvo2 link;
    QByteArray info;
    Figures figures;
    if (!link.getDeviceInfo(info))
        return figures;
    const QString local = download + "/" + name;
    const quint64 reportsBefore = bus.reportCount();
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    const int size = large ? link.getLargeFile(local, name, kBlocks) : link.getFile(local, name);
    figures.wallSeconds = double(timer.nsecsElapsed()) / 1e9;
    figures.cpuSeconds = processCpuSeconds() - cpuBefore;
    figures.reports = bus.reportCount() - reportsBefore;
    figures.complete = size > 0 && sameContent(local, monitorFolder + "/" + name);
    link.disconnectDevice();
    QFile::remove(local);
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    // Config and the log of the protocol layer land in a throw-away folder.
    const bool small = BenchSupport::isSmallRun(argc, argv);
    const int detailSize = small ? 64 * 1024 : kDetailSize;
    const int holterSize = small ? 512 * 1024 : kHolterSize;
    const int unpacedRuns = small ? 1 : kUnpacedRuns;
    const BenchSupport::ScratchHome dir;
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(BenchSupport::dropDebugLines);
    const bool unpacedOnly = small || app.arguments().contains("--unpaced-only");

    const QString busDir = dir.path() + "/bus";
    const QString monitor = busDir + "/bench";
    const QString download = dir.path() + "/download";
    QDir().mkpath(monitor);
    QDir().mkpath(download);
    {
        QFile identity(monitor + "/identity.dat");
        identity.open(QIODevice::WriteOnly);
        identity.write(QByteArray(1, '\0') + QByteArray(4, '\0') + "BENCH0001" + QByteArray(16, '\0') + '\0');
    }
    writeRandomFile(monitor + "/20240102080000", detailSize);
    writeRandomFile(monitor + "/waveFile", holterSize);
    const std::shared_ptr<EmulatedBus> bus = EmulatedBus::install(busDir);

    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    const struct
    {
        const char* label;
        const char* name;
        int size;
        bool large;
    } files[] = {{small ? "64 KB detail file" : "1 MB detail file", "20240102080000", detailSize, false},
                 {small ? "512 KB Holter file" : "24 h Holter file", "waveFile", holterSize, true}};

    if (!unpacedOnly) {
        out << "Paced (1 ms per report), achieved rate against the protocol bound:\n";
        bus->setPaced(true);
        for (const auto& file : files) {
            const Figures f = transfer(*bus, monitor, download, file.name, file.large);
            const double boundSeconds = double(f.reports) / 1000.0;
            out << "  " << file.label << ": " << file.size << " bytes, " << f.reports << " reports, "
                << qSetRealNumberPrecision(2) << f.wallSeconds << " s; achieved " << qSetRealNumberPrecision(0)
                << file.size / f.wallSeconds << " B/s, bound " << file.size / boundSeconds << " B/s, ratio "
                << qSetRealNumberPrecision(3) << boundSeconds / f.wallSeconds << (f.complete ? "" : "  INCOMPLETE")
                << "\n";
            out.flush();
        }
        bus->setPaced(false);
    }

    out << "Unpaced, CPU time per MB (best of " << unpacedRuns << "):\n";
    for (const auto& file : files) {
        Figures best;
        best.cpuSeconds = 1e9;
        bool complete = true;
        for (int run = 0; run < unpacedRuns; ++run) {
            const Figures f = transfer(*bus, monitor, download, file.name, file.large);
            complete = complete && f.complete;
            if (f.cpuSeconds < best.cpuSeconds)
                best = f;
        }
        const double megabytes = file.size / 1048576.0;
        out << "  " << file.label << ": " << qSetRealNumberPrecision(2) << best.cpuSeconds * 1000 / megabytes
            << " ms CPU per MB, " << best.wallSeconds * 1000 / megabytes << " ms wall per MB, "
            << qSetRealNumberPrecision(0) << file.size / best.wallSeconds / 1048576.0 << " MB/s"
            << (complete ? "" : "  INCOMPLETE") << "\n";
    }
    out << "Protocol violations: " << bus->violationCount() << "\n";
    return bus->violationCount() == 0 ? 0 : 1;
}
