// Writes the Holter ECG report of a demo recording as PDF, as the report
// viewer's PDF button does, at 15 and at 30 minutes a page, and prints the
// time, the file size and the process's peak memory against the targets.
// "--hours N" makes a shorter recording (the test command runs one hour);
// "--out DIR" keeps the PDFs there to look at.

#include "BenchSupport.h"
#include "emulator/DemoHolterRecording.h"
#include "emulator/DemoRandom.h"
#include "holter/HolterReport.h"
#include "report/HolterReportHelper.h"
#include "report/ReportOutput.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <sys/resource.h>
#include <time.h>

namespace {

constexpr double kTargetMs = 5000;
constexpr double kTargetMb = 30;
constexpr double kTargetMemoryMb = 400;

double peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Processor time of the process: on a shared, busy machine the wall-clock
// time also counts the time other programs had the processor.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Run
{
    int pages = 0;
    double ms = 0;
    double cpuMs = 0;
    double mb = 0;
};

Run writeReport(const HolterReport& report, int lines, const QString& path)
{
    HolterReportHelper helper;
    helper.setLinesPerPage(lines);
    helper.setData(&report);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMs();
    QString error;
    if (!ReportOutput::writePdf(helper, path, &error))
        qFatal("%s", qPrintable(error));
    return {helper.pageCount(), timer.nsecsElapsed() / 1e6, cpuMs() - cpuStart, QFileInfo(path).size() / 1e6};
}

} // namespace

int main(int argc, char* argv[])
{
    BenchSupport::ScratchHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(BenchSupport::dropDebugLines);
    double hours = 24;
    const int option = app.arguments().indexOf("--hours");
    if (option > 0 && option + 1 < app.arguments().size())
        hours = app.arguments().at(option + 1).toDouble();
    const int out = app.arguments().indexOf("--out");
    const QString folder = out > 0 && out + 1 < app.arguments().size() ? app.arguments().at(out + 1) : home.path();
    const int seconds = int(hours * 3600);
    if (seconds <= 0)
        qFatal("--hours wants a positive number of hours");

    const QByteArray bytes =
        DemoHolterRecording::make(DemoRandom(18), QDateTime(QDate(2026, 3, 2), QTime(8, 30)), seconds, 0);
    HolterReport report;
    QElapsedTimer timer;
    timer.start();
    if (!report.loadData(bytes))
        qFatal("the demo recording does not load");
    const double loadMs = timer.nsecsElapsed() / 1e6;

    QTextStream text(stdout);
    text << QString("Holter report of a %1-hour demo recording (%2 samples), loaded in %3 ms\n")
                .arg(hours)
                .arg(report.samples().size())
                .arg(loadMs, 0, 'f', 1);
    bool within = true;
    for (int lines : {30, 60}) {
        const Run run = writeReport(report, lines, folder + QString("/holter%1.pdf").arg(lines));
        const int expected = HolterReportHelper::stripPagesFor(seconds / 60, lines) + 1;
        if (run.pages != expected)
            qFatal("%d pages instead of %d", run.pages, expected);
        within = within && run.cpuMs < kTargetMs && run.mb < kTargetMb;
        text << QString("  %1 minutes a page: %2 pages in %3 ms, %4 ms of processor time (target < %5), "
                        "%6 MB (target < %7)\n")
                    .arg(lines / 2)
                    .arg(run.pages)
                    .arg(run.ms, 0, 'f', 0)
                    .arg(run.cpuMs, 0, 'f', 0)
                    .arg(kTargetMs)
                    .arg(run.mb, 0, 'f', 1)
                    .arg(kTargetMb);
    }
    const double memory = peakMemoryMb();
    within = within && memory < kTargetMemoryMb;
    text << QString("  peak memory of the process: %1 MB (target < %2)\n").arg(memory, 0, 'f', 0).arg(kTargetMemoryMb);
    text << (within ? "  within the targets\n" : "  OUTSIDE the targets\n");
    return 0;
}
