#include "cli/DownloadCommand.h"

#include "app/Config.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "cli/MonitorDiscovery.h"
#include "cli/MonitorDownloader.h"
#include "files/DetailPath.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

QString outcomeName(const MonitorDownloader::Report& report)
{
    switch (report.finish.outcome) {
    case DownloadFinisher::Outcome::NoDownload: return "download failed";
    case DownloadFinisher::Outcome::Stored: return "stored";
    case DownloadFinisher::Outcome::NoDeviceInfo: return "no device information";
    case DownloadFinisher::Outcome::DeviceNotStored: return "device not stored";
    case DownloadFinisher::Outcome::SyncFailed: return "sync failed";
    case DownloadFinisher::Outcome::MoveFailed: return "move failed";
    }
    return QString();
}

QString summaryLine(const MonitorDownloader::Report& report, const QString& deviceDir)
{
    const DownloadNotes& notes = report.finish.notes;
    if (!report.complete && notes.busy)
        return QString("%1: another download of this monitor into this data directory is running; nothing was "
                       "downloaded. Run the download again when it has ended.")
            .arg(report.sn);
    if (!report.complete && !notes.writeFailure.isEmpty())
        return QString("%1: download failed after %2 files, %3; nothing was stored. Free some space or make the data "
                       "directory writable, then run the download again.")
            .arg(report.sn)
            .arg(report.files)
            .arg(notes.writeFailure);
    if (!report.complete)
        return QString("%1: download failed after %2 files; nothing was stored. Check the cable and run the "
                       "download again.")
            .arg(report.sn)
            .arg(report.files);
    if (!report.finish.isStored())
        return QString("%1: downloaded %2 files but not stored (%3): %4; nothing was kept.")
            .arg(report.sn)
            .arg(report.files)
            .arg(outcomeName(report), report.finish.reason);
    QStringList lines{QString("%1: downloaded %2 files and stored; %3 new files in %4 (%5 already there).")
                          .arg(report.sn)
                          .arg(report.files)
                          .arg(report.finish.movedFiles)
                          .arg(QDir::toNativeSeparators(deviceDir))
                          .arg(report.finish.keptFiles)};
    for (const QString& line : notes.omissions())
        lines << report.sn + ": " + line;
    if (!notes.writeFailure.isEmpty())
        lines << report.sn + ": " + notes.writeFailure;
    return lines.join("\n");
}

// Complete and stored, the monitor's Holter recording included.
bool isWhole(const MonitorDownloader::Report& report)
{
    const DownloadNotes& notes = report.finish.notes;
    return report.finish.isStored() && !notes.holterNotDownloaded && !notes.holterRejected();
}

QJsonObject toJson(const MonitorDownloader::Report& report)
{
    const DownloadNotes& notes = report.finish.notes;
    return QJsonObject{{"sn", report.sn},
                       {"model", report.model},
                       {"typeCode", report.modelType},
                       {"complete", report.complete},
                       {"stored", report.finish.isStored()},
                       {"outcome", outcomeName(report)},
                       {"files", report.files},
                       {"movedFiles", report.finish.movedFiles},
                       {"keptFiles", report.finish.keptFiles},
                       {"reason", report.finish.reason},
                       {"busy", notes.busy},
                       {"writeFailure", notes.writeFailure},
                       {"holterNotDownloaded", notes.holterNotDownloaded},
                       {"holterRejected", notes.holterRejected()},
                       {"invalidTimes", notes.invalidTimes},
                       {"conflicts", QJsonArray::fromStringList(notes.conflicts)},
                       {"rejectedRecordings", QJsonArray::fromStringList(notes.rejectedRecordings)}};
}

} // namespace

int DownloadCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "[options]",
                     "Waits for the monitors connected over USB (or on the bus of --emulate), downloads\n"
                     "each of them in turn, or only the one named with --sn, and stores its users and\n"
                     "checks in the data directory; detail files, voice notes and Holter recordings go\n"
                     "into the monitor's folder there. Progress goes to stderr. The exit status is 0\n"
                     "only when every download completed and was stored, its Holter recording included;\n"
                     "a Holter recording that is cut or clashes with a stored check gives 1, the other\n"
                     "checks staying stored.");
    const QCommandLineOption sn("sn", "Download only the monitor with this serial number.", "SN");
    const QCommandLineOption json("json",
                                  "Print a JSON array with one object per monitor: sn, model, typeCode, "
                                  "complete, stored, outcome, files, movedFiles, keptFiles, reason, busy, "
                                  "writeFailure, holterNotDownloaded, holterRejected, invalidTimes, conflicts, "
                                  "rejectedRecordings.");
    line.parser().addOptions({sn, json});
    double seconds = 0;
    const int parsed = MonitorDiscovery::parse(line, arguments, &seconds);
    if (parsed != CommandLine::kProceed)
        return parsed;
    if (line.parser().isSet(sn) && line.parser().value(sn).isEmpty())
        return line.usageError("--sn needs a serial number.");
    QString error;
    if (!DataDirectory::open(&error))
        return line.failure(error);

    MonitorDiscovery discovery;
    QObject::connect(&discovery, &MonitorDiscovery::interrupted, [] {
        QTextStream(stderr) << "\nvitacor-cli download: stopping after the running download; press Ctrl+C again to "
                               "quit at once.\n";
    });
    const QString wanted = line.parser().value(sn);
    auto isWanted = [&wanted](const std::shared_ptr<VitacorDevice>& device) {
        return wanted.isEmpty() || device->serialNumber() == wanted;
    };
    const MonitorDiscovery::Devices devices = discovery.waitFor(
        [&](const MonitorDiscovery::Devices& list) { return std::any_of(list.begin(), list.end(), isWanted); },
        seconds);
    if (discovery.isInterrupted())
        return line.failure("interrupted; nothing was downloaded.");
    MonitorDiscovery::Devices targets;
    QStringList connected;
    for (const auto& device : devices) {
        connected << device->serialNumber();
        if (isWanted(device))
            targets << device;
    }
    if (devices.isEmpty())
        return line.failure(QString("no monitor found within %1 s. Plug one in and switch it on, or wait longer "
                                    "with --wait.")
                                .arg(seconds));
    if (targets.isEmpty())
        return line.failure(QString("no connected monitor has the serial number '%1'; connected: %2.")
                                .arg(wanted, connected.join(", ")));

    const QString dataDir = Config::instance()->dataDir();
    MonitorDownloader downloader(discovery.manager());
    QTextStream err(stderr);
    QJsonArray reports;
    bool allStored = true;
    for (const auto& device : qAsConst(targets)) {
        if (discovery.isInterrupted()) {
            allStored = false;
            break;
        }
        const MonitorDownloader::Report report = downloader.download(device);
        err << summaryLine(report, DetailPath::of(dataDir, report.sn, QString())) << "\n";
        err.flush();
        reports << toJson(report);
        allStored = allStored && isWhole(report);
    }
    if (line.parser().isSet(json))
        QTextStream(stdout) << QJsonDocument(reports).toJson(QJsonDocument::Indented);
    if (discovery.isInterrupted())
        return line.failure("interrupted; the monitors not yet downloaded were left alone.");
    return allStored ? 0 : kFailed;
}
