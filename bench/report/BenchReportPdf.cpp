// Writes a 10-page ECG report and a ten-hour sleep report as PDF, as the
// report viewer does, and prints the median time of each.

#include "BenchSupport.h"
#include "files/CheckType.h"
#include "report/ReportHelper.h"
#include "report/ReportOutput.h"
#include "report/SlmReportHelper.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <cmath>

namespace {

constexpr int kRuns = 11;

double medianMs(BasePaintHelper& helper, const QString& path, int runs)
{
    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!ReportOutput::writePdf(helper, path, &error))
            qFatal("%s", qPrintable(error));
        times << timer.nsecsElapsed() / 1e6;
    }
    return BenchSupport::median(times);
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = BenchSupport::isSmallRun(argc, argv) ? 1 : kRuns;
    BenchSupport::ScratchHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(BenchSupport::dropDebugLines);

    // Ten pages: 5 rows and 9 continuation pages of 6, a beat a second.
    ReportData ecg;
    ecg.checkType = CheckType::Ecg;
    ecg.samples.resize((5 + 9 * 6) * ReportHelper::kSamplesPerRow);
    for (int i = 0; i < ecg.samples.size(); ++i) {
        const int phase = i % 250;
        ecg.samples[i] = qint16((phase < 8 ? 900 - 110 * phase : 0) + 60 * std::sin(i / 40.0));
    }
    ReportHelper ecgHelper;
    ecgHelper.setData(ecg);

    ReportData sleep;
    sleep.checkType = CheckType::Sleep;
    sleep.trend.resize(SlmReportHelper::kChartSamples);
    for (int i = 0; i < sleep.trend.size(); ++i)
        sleep.trend[i] = {quint8(94 + i % 5), quint8(60 + i % 17)};
    SlmReportHelper sleepHelper;
    sleepHelper.setData(sleep);

    QTextStream out(stdout);
    out << QString("ECG report, %1 pages: %2 ms\n")
               .arg(ecgHelper.pageCount())
               .arg(medianMs(ecgHelper, home.filePath("ecg.pdf"), runs), 0, 'f', 1);
    out << QString("Sleep report, 10 hours: %1 ms\n")
               .arg(medianMs(sleepHelper, home.filePath("sleep.pdf"), runs), 0, 'f', 1);
    return 0;
}
