#include "cli/ExportEdfCommand.h"

#include "app/Config.h"
#include "cli/CheckKey.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/CheckUser.h"
#include "files/DetailPath.h"
#include "holter/HolterReport.h"
#include "holter/HolterScreening.h"
#include "report/EdfRecording.h"
#include "report/EdfWriter.h"
#include "report/ReportSource.h"

namespace {

bool holterRecording(const QString& sn, const QString& checkTime, const HolterScreening& screening,
                     EdfRecording* recording, QString* error)
{
    DbOperator* db = DbOperator::instance();
    CheckUser user;
    bool stored = false;
    for (const HolterCheck& check : db->holterChecks(sn)) {
        if (check.checkTime == checkTime) {
            stored = true;
            db->user(check.userid, &user);
            break;
        }
    }
    if (!stored) {
        *error = QString("no Holter recording of %1 at %2 is stored.").arg(sn, checkTime);
        return false;
    }
    HolterReport report;
    const QString path = DetailPath::of(Config::instance()->dataDir(), sn, checkTime);
    if (!report.load(path)) {
        *error = QString("the Holter recording '%1' is missing, unreadable or cut.").arg(path);
        return false;
    }
    *recording = EdfRecording::fromHolter(report, user, screening);
    return true;
}

} // namespace

int ExportEdfCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "--sn SN --type CODE --time yyyyMMddHHmmss --out FILE [--screen LIST]",
                     "Writes one stored ECG check (types 1, 16, 32, 512, 16384) or Holter recording\n"
                     "(type 1024) as an EDF+ file: the ECG in uV at its own sample rate, the patient in\n"
                     "the header and the check's measurements or the recording's flagged minutes as\n"
                     "annotations. The file appears only when it is complete.");
    const QCommandLineOption sn("sn", "The monitor's serial number.", "SN");
    const QCommandLineOption type("type", "The check-type code: 1, 16, 32, 512, 1024 or 16384.", "CODE");
    const QCommandLineOption time("time", "The check time, yyyyMMddHHmmss.", "TIME");
    const QCommandLineOption out("out", "The EDF file to write.", "FILE");
    const QCommandLineOption screen("screen",
                                    "Holter only: also annotate the minutes matching these criteria, any of " +
                                        HolterScreening::names().join(",") + ".",
                                    "LIST");
    line.parser().addOptions({sn, type, time, out, screen});
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    QString serial;
    QString checkTime;
    QString path;
    QString error;
    if (!CheckKey::required(line, sn, &serial, &error) || !CheckKey::checkTime(line, time, &checkTime, &error) ||
        !CheckKey::outputFile(line, out, &path, &error))
        return line.usageError(error);
    if (!line.parser().isSet(type))
        return line.usageError("--type is missing.");
    bool ok = false;
    const int code = line.parser().value(type).toInt(&ok);
    if (!ok || (code != CheckType::Holter && !EdfRecording::hasEcgStrip(code)))
        return line.usageError(QString("'%1' is not the code of a check type with an ECG; the codes are 1, 16, 32, "
                                       "512, 1024 and 16384.")
                                   .arg(line.parser().value(type)));
    HolterScreening screening;
    if (line.parser().isSet(screen) && code != CheckType::Holter)
        return line.usageError("--screen goes with a Holter recording (--type 1024) only.");
    QString unknown;
    if (!HolterScreening::fromNames(line.parser().value(screen), &screening, &unknown))
        return line.usageError(QString("'%1' is not a screening criterion; the criteria are %2.")
                                   .arg(unknown, HolterScreening::names().join(", ")));

    if (!DataDirectory::open(&error))
        return line.failure(error);
    EdfRecording recording;
    if (code == CheckType::Holter) {
        if (!holterRecording(serial, checkTime, screening, &recording, &error))
            return line.failure(error);
    } else {
        ReportData data;
        if (!ReportSource::load(serial, code, checkTime, &data, &error))
            return line.failure(error);
        recording = EdfRecording::fromCheck(data);
    }
    if (!EdfWriter::write(recording, path, &error))
        return line.failure(QString("%1: '%2' cannot be written.").arg(error, path));
    return 0;
}
