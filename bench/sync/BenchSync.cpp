// The sync step of a download: the files of a demo Vitacor Pro (model 0) with
// a 24-hour Holter recording, laid out as its download leaves them, are
// stored, synced and moved into the device folder (DownloadFinisher::finish),
// first into an empty store and then again over the stored checks. Everything
// lives in a temporary folder.

#include "BenchSupport.h"
#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "emulator/DemoMonitorWriter.h"
#include "files/CheckType.h"
#include "sync/DownloadFinisher.h"
#include "sync/DownloadFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kRuns = 5;
constexpr int kHolterSeconds = 24 * 3600;

// The download folder of the monitor: its files by their device names, and
// "dev.dat" written from the identification block.
bool writeDownload(const QMap<QString, QByteArray>& files, const QString& dir)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString name = it.key() == "identity.dat" ? QString(Vitacor::kDeviceFileName) : it.key();
        QFile file(dir + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool small = BenchSupport::isSmallRun(argc, argv);
    const int runs = small ? 1 : kRuns;
    const BenchSupport::ScratchHome home;
    QCoreApplication app(argc, argv);
    Config::instance()->setDataDir(home.filePath("DATA"));
    QDir().mkpath(Config::instance()->dataDir());
    DbOperator* db = DbOperator::instance();
    QTextStream out(stdout);

    const DemoMonitorWriter monitor(0, 2024, small ? 600 : kHolterSeconds);
    const QMap<QString, QByteArray> files = monitor.files();
    qint64 bytes = 0;
    for (const QByteArray& content : files)
        bytes += content.size();

    QVector<double> first, again;
    DownloadFinisher::Result result;
    int checks = 0;
    for (int run = 0; run < runs; ++run) {
        // A fresh data directory and store for every run.
        const QString dataDir = home.filePath(QString("DATA%1").arg(run));
        db->close();
        Config::instance()->setDataDir(dataDir);
        QDir().mkpath(dataDir);
        db->openAndInit();
        DownloadFinisher finisher;
        for (QVector<double>* times : {&first, &again}) {
            DownloadFolder download(dataDir, monitor.serialNumber());
            if (!download.claim() || !writeDownload(files, download.path())) {
                out << "cannot write the download folder " << download.path() << "\n";
                return 1;
            }
            QElapsedTimer timer;
            timer.start();
            result = finisher.finish(download, true);
            *times << timer.nsecsElapsed() / 1e6;
            if (!result.isStored()) {
                out << "the sync failed: " << result.reason << "\n";
                return 1;
            }
        }
        checks = 0;
        for (int code : CheckType::all())
            checks += db->checkCount(monitor.serialNumber(), code);
    }

    out << QString("Demo Vitacor Pro (model 0), %1 Holter recording: %2 files, %3 MiB, %4 checks stored\n")
               .arg(small ? "10-minute" : "24-hour")
               .arg(files.size() - 1)
               .arg(bytes / 1048576.0, 0, 'f', 1)
               .arg(checks);
    out << QString("sync + move into an empty store:     median %1 ms (of %2 runs)\n")
               .arg(BenchSupport::median(first), 0, 'f', 1)
               .arg(runs);
    out << QString("sync + move over the stored checks:  median %1 ms (%2 files kept, none replaced)\n")
               .arg(BenchSupport::median(again), 0, 'f', 1)
               .arg(result.keptFiles);
    return 0;
}
