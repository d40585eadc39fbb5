#include "cli/SleepCsvCommand.h"

#include "cli/CheckKey.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "files/CheckType.h"
#include "report/ReportSource.h"
#include "report/SleepCsv.h"
#include "sync/ExportGuard.h"

int SleepCsvCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "--sn SN --time yyyyMMddHHmmss --out FILE",
                     "Writes the trend samples of one stored sleep check as CSV, exactly as the sleep\n"
                     "report's CSV button does. The file appears only when it is complete; a failed\n"
                     "write leaves an existing file as it was. The program's own files, device and\n"
                     "scratch folders, and anything but a regular file are refused.");
    const QCommandLineOption sn("sn", "The monitor's serial number.", "SN");
    const QCommandLineOption time("time", "The check time, yyyyMMddHHmmss.", "TIME");
    const QCommandLineOption out("out", "The CSV file to write.", "FILE");
    line.parser().addOptions({sn, time, out});
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

    if (!DataDirectory::open(&error))
        return line.failure(error);
    const QString refusal = ExportGuard().refusal(path);
    if (!refusal.isEmpty())
        return line.failure(refusal);
    ReportData data;
    if (!ReportSource::load(serial, CheckType::Sleep, checkTime, &data, &error))
        return line.failure(error);
    if (!SleepCsv::write(path, data.record.checkTime().toDateTime(), data.trend, &error))
        return line.failure(QString("cannot write '%1': %2.").arg(path, error));
    return 0;
}
