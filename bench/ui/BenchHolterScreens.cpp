// The Holter screens on a demo recording (24 hours unless "--hours N"):
// opening the summary (load and the first screening), a screening with
// every box ticked, paging through every all-ECG page and stepping detail
// minutes, each painted into an image as a frame, and the peak memory.
// Times are wall clock and this thread's processor time.

#include "BenchSupport.h"
#include "app/Config.h"
#include "db/DbOperator.h"
#include "emulator/DemoHolterRecording.h"
#include "emulator/DemoRandom.h"
#include "holter/HolterReport.h"
#include "ui/holter/EcgDetailDlg.h"
#include "ui/holter/SummaryDlg.h"
#include "ui/holter/ViewAllEcgDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <ctime>

namespace {

const QString kSn = "BENCHHOLTER";
const QString kTime = "20240501080000";

long peakKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall time, and the processor time of this thread: on a machine shared with
// other work the second is what the screens themselves cost.
struct Stopwatch
{
    QElapsedTimer wall;
    double cpuStart = threadCpuMs();
    Stopwatch() { wall.start(); }
    void stop(QVector<double>& wallMs, QVector<double>& cpuMs) const
    {
        wallMs << wall.nsecsElapsed() / 1e6;
        cpuMs << threadCpuMs() - cpuStart;
    }
};

struct Series
{
    QVector<double> wall;
    QVector<double> cpu;
    void add(const Stopwatch& watch) { watch.stop(wall, cpu); }
};

// One frame: the widget painted into an image of its size.
void paint(QWidget& widget, QImage& image)
{
    image.fill(Qt::white);
    widget.render(&image);
}

QString figures(const Series& series)
{
    return QString("median %1 ms (processor %2 ms), slowest %3 ms (processor %4 ms) over %5")
        .arg(BenchSupport::median(series.wall), 0, 'f', 2)
        .arg(BenchSupport::median(series.cpu), 0, 'f', 2)
        .arg(*std::max_element(series.wall.cbegin(), series.wall.cend()), 0, 'f', 2)
        .arg(*std::max_element(series.cpu.cbegin(), series.cpu.cend()), 0, 'f', 2)
        .arg(series.wall.size());
}

} // namespace

int main(int argc, char* argv[])
{
    BenchSupport::ScratchHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(BenchSupport::dropDebugLines);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QCoreApplication::arguments();
    const int hoursAt = arguments.indexOf("--hours");
    const double hours = hoursAt > 0 && hoursAt + 1 < arguments.size() ? arguments.at(hoursAt + 1).toDouble() : 24;
    QDir().mkpath(Config::instance()->dataDir());
    if (!(hours > 0) || !DbOperator::instance()->openAndInit()) {
        out << "usage: BenchHolterScreens [--hours N]; the record store must open\n";
        return 1;
    }
    const QString folder = Config::instance()->dataDir() + "/" + kSn;
    QDir().mkpath(folder);
    const QByteArray recording =
        DemoHolterRecording::make(DemoRandom(7), QDateTime::fromString(kTime, "yyyyMMddHHmmss"), int(hours * 3600), 0);
    QFile file(folder + "/" + kTime);
    if (!file.open(QIODevice::WriteOnly) || file.write(recording) != recording.size())
        return 1;
    file.close();
    out << "Holter screens, " << hours << " h demo recording of " << recording.size() << " bytes\n";

    HolterReport report;
    // The first open reads the file from disk into the page cache; the figure is the median of the rest.
    Series opens;
    for (int run = 0; run < 6; ++run) {
        const Stopwatch watch;
        SummaryDlg summary(nullptr, &report);
        summary.setData(kSn, kTime);
        if (run > 0)
            opens.add(watch);
        if (!report.isLoaded()) {
            out << "the recording did not load\n";
            return 1;
        }
    }
    out << "open the summary (load + first screening): " << figures(opens) << " (target under 150 ms)\n";
    Series loads;
    Series builds;
    for (int run = 0; run < 5; ++run) {
        const Stopwatch load;
        report.load(folder + "/" + kTime);
        loads.add(load);
        const Stopwatch build;
        SummaryDlg empty(nullptr, &report);
        builds.add(build);
    }
    out << "  of which loading the recording: " << figures(loads) << "\n";
    out << "  of which building the dialog: " << figures(builds) << "\n";

    SummaryDlg summary(nullptr, &report);
    summary.setData(kSn, kTime);
    Series ticks;
    for (QCheckBox* box : summary.findChildren<QCheckBox*>()) {
        const Stopwatch watch;
        box->setChecked(true);
        ticks.add(watch);
    }
    out << "tick a box, screening and strip list: " << figures(ticks) << ", " << summary.matchedMinutes().size()
        << " strips found with all seven\n";

    ViewAllEcgDlg all;
    all.setData(&report);
    all.resize(1400, 1000);
    all.show();
    QApplication::processEvents();
    QImage allImage(all.size(), QImage::Format_ARGB32_Premultiplied);
    Series pages;
    for (int page = 1; page <= all.pageCount(); ++page) {
        const Stopwatch watch;
        all.setPage(page);
        paint(all, allImage);
        pages.add(watch);
    }
    out << "all-ECG page, 1400 x 1000, painted: " << figures(pages) << " (target under 16 ms)\n";

    EcgDetailDlg detail;
    detail.setMatchedMinutes(summary.matchedMinutes());
    detail.setData(&report, 0);
    detail.resize(1600, 950);
    detail.show();
    QApplication::processEvents();
    detail.on_btnRuler_clicked();
    QImage detailImage(detail.size(), QImage::Format_ARGB32_Premultiplied);
    paint(detail, detailImage); // the grid picture is made once per size
    Series steps;
    const int stepCount = std::min(detail.minuteCount() - 1, 300);
    for (int i = 0; i < stepCount; ++i) {
        const Stopwatch watch;
        detail.on_btnNextMinute_clicked();
        paint(detail, detailImage);
        steps.add(watch);
    }
    for (int i = 0; i < 50; ++i) {
        const Stopwatch watch;
        detail.on_btnPrevStrip_clicked();
        paint(detail, detailImage);
        steps.add(watch);
    }
    out << "detail minute step, 1600 x 950 with the ruler, painted: " << figures(steps) << " (target under 16 ms)\n";
    out << "peak memory: " << QString::number(peakKb() / 1024.0, 'f', 0) << " MB (target under 400 MB)\n";
    return steps.wall.isEmpty() || pages.wall.isEmpty() ? 1 : 0;
}
