// Loads a 24-hour packed Holter recording and compares the time with the floor
// of any loader: one plain read of the file plus one copy of its bytes.

#include "BenchSupport.h"
#include "holter/HolterReport.h"
#include "support/HolterFileBuilder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <malloc.h>

namespace {

constexpr int kSeconds = 24 * 3600;
constexpr int kRuns = 21;

QByteArray recording(int seconds)
{
    HolterFileBuilder b;
    b.header.year = 2024;
    b.header.month = 5;
    b.header.day = 1;
    b.header.hour = 8;
    b.header.duration = quint32(seconds);
    b.header.sampleFormat = HolterHeader::kPackedFormat;
    for (int k = 0; k < seconds / 60; ++k) {
        HolterMinute m;
        m.flags = k % 97 == 0 ? HolterMinute::kPauseBit : 0;
        m.heartRate = 60 + k % 70;
        m.qrsDuration = 90;
        m.pvcCount = k % 5;
        m.qt = 380;
        m.qtc = 420;
        b.minutes.append(m);
    }
    // A beat-like spike once a second over a slow baseline, in 10-bit codes.
    QVector<int> codes(seconds * HolterReport::kSamplesPerSecond);
    for (int i = 0; i < codes.size(); ++i) {
        const int phase = i % HolterReport::kSamplesPerSecond;
        const int value = (phase < 6 ? 400 - 60 * phase : 0) + int(30 * std::sin(i / 400.0));
        codes[i] = value & 0x3FF;
    }
    b.data = HolterFileBuilder::pack(codes);
    return b.layOut().bytes();
}

// The least any loader must do: read the file in one piece and copy its bytes once.
double floorMs(const QString& path, qint64& checksum)
{
    QElapsedTimer t;
    t.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray bytes(int(file.size()), Qt::Uninitialized);
    file.read(bytes.data(), bytes.size());
    QByteArray copy(bytes.size(), Qt::Uninitialized);
    std::memcpy(copy.data(), bytes.constData(), size_t(bytes.size()));
    checksum += copy.at(copy.size() / 2);
    return t.nsecsElapsed() / 1e6;
}

struct Figures
{
    QVector<double> loads;
    QVector<double> floors;
};

Figures measure(HolterReport& report, const QString& path, int runs, qint64& checksum)
{
    Figures f;
    for (int run = 0; run < runs; ++run) {
        f.floors << floorMs(path, checksum);
        QElapsedTimer t;
        t.start();
        report.load(path);
        f.loads << t.nsecsElapsed() / 1e6;
        checksum += report.samples().size();
    }
    return f;
}

void print(QTextStream& out, const QString& title, const Figures& f)
{
    const double load = BenchSupport::median(f.loads);
    const double floor = BenchSupport::median(f.floors);
    out << title << "\n";
    out << QString("  load:                  median %1 ms, best %2 ms\n")
               .arg(load, 0, 'f', 2)
               .arg(*std::min_element(f.loads.cbegin(), f.loads.cend()), 0, 'f', 2);
    out << QString("  read + one copy floor: median %1 ms, best %2 ms\n")
               .arg(floor, 0, 'f', 2)
               .arg(*std::min_element(f.floors.cbegin(), f.floors.cend()), 0, 'f', 2);
    out << QString("  ratio of medians: %1 (target at most 3)\n").arg(load / floor, 0, 'f', 2);
}

} // namespace

int main(int argc, char* argv[])
{
    const bool small = BenchSupport::isSmallRun(argc, argv);
    const int runs = small ? 1 : kRuns;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit()); // keeps the log lines out of the user's data directory
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    const QString path = home.filePath("20240501080000");
    const QByteArray bytes = recording(small ? 600 : kSeconds);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    HolterReport report;
    qint64 checksum = 0;
    if (!report.load(path) || floorMs(path, checksum) < 0) // warms the page cache and the log writer
        return 1;

    out << "Holter " << (small ? "10 min" : "24 h") << " packed recording: " << bytes.size() << " bytes, "
        << report.samples().size() << " samples, " << report.minuteCount() << " minutes, " << runs << " runs each\n";

    // Large buffers either come fresh from the system on every load (as for a
    // user opening one recording) or are reused from the heap; both loader
    // and floor are measured under the same rule.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    print(out, "fresh memory for every buffer:", measure(report, path, runs, checksum));
    mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest threshold glibc accepts
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    print(out, "heap memory reused:", measure(report, path, runs, checksum));
    out << "checksum " << checksum << "\n";
    return 0;
}
