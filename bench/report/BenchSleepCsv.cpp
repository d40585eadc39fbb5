// Writes the CSV text of a ten-hour sleep night, as the sleep report's CSV
// button and `vitacor-cli sleep-csv` do, and prints the median time; then the
// same for a night four times as long, which should take four times as long.
// `--runs N` sets the repetitions (the test command runs it once).

#include "BenchSupport.h"
#include "report/SleepCsv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <ctime>

namespace {

// The CPU time of this thread: on a shared machine the wall time also counts other programs.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The median wall and CPU times of writing the CSV of `trend`.
QString medianMs(const QVector<SleepTrendEntry>& trend, int runs)
{
    const QDateTime start(QDate(2024, 5, 6), QTime(22, 13, 7));
    QVector<double> wall;
    QVector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        const QByteArray text = SleepCsv::text(start, trend);
        cpu << cpuMs() - cpuStart;
        wall << timer.nsecsElapsed() / 1e6;
        if (text.count('\n') != trend.size() + 2)
            qFatal("the CSV has %d lines for %d samples", text.count('\n'), trend.size());
    }
    return QString("%1 ms (CPU %2 ms)")
        .arg(BenchSupport::median(wall), 0, 'f', 2)
        .arg(BenchSupport::median(cpu), 0, 'f', 2);
}

QVector<SleepTrendEntry> night(int hours)
{
    QVector<SleepTrendEntry> trend(hours * 1800);
    for (int i = 0; i < trend.size(); ++i)
        trend[i] = {quint8(i % 97 == 0 ? 255 : 90 + i % 9), quint8(55 + i % 23)};
    return trend;
}

} // namespace

int main(int argc, char* argv[])
{
    BenchSupport::ScratchHome home;
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(BenchSupport::dropDebugLines);
    const int at = app.arguments().indexOf("--runs");
    const int runs = at > 0 ? qMax(1, app.arguments().value(at + 1).toInt()) : 21;

    QTextStream out(stdout);
    out << "Sleep CSV, 10 hours (18000 samples): " << medianMs(night(10), runs) << "\n";
    out << "Sleep CSV, 40 hours (72000 samples): " << medianMs(night(40), runs) << "\n";
    return 0;
}
