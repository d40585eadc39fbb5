#include "cli/HolterReportCommand.h"

#include "app/Config.h"
#include "cli/CheckKey.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "files/CheckUser.h"
#include "holter/HolterReport.h"
#include "report/HolterReportHelper.h"
#include "report/HolterReportSource.h"
#include "report/ReportOutput.h"

#include <QTextStream>

int HolterReportCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "--sn SN --time yyyyMMddHHmmss --pdf FILE [--lines 30|60]",
                     "Writes the Holter ECG report of one stored recording exactly as the report\n"
                     "viewer's PDF button does: the summary page, then the ECG at 15 minutes (30 lines)\n"
                     "or 30 minutes (60 lines) a page. The file appears only when it is complete.");
    const QCommandLineOption sn("sn", "The monitor's serial number.", "SN");
    const QCommandLineOption time("time", "The recording's start time, yyyyMMddHHmmss.", "TIME");
    const QCommandLineOption pdf("pdf", "Write an A4 PDF at 300 dpi.", "FILE");
    const QCommandLineOption lines("lines", "Lines of 30 s a page: 30 or 60; the configured value when left out.",
                                   "LINES");
    line.parser().addOptions({sn, time, pdf, lines});
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    QString serial;
    QString checkTime;
    QString path;
    QString error;
    if (!CheckKey::required(line, sn, &serial, &error) || !CheckKey::checkTime(line, time, &checkTime, &error) ||
        !CheckKey::outputFile(line, pdf, &path, &error))
        return line.usageError(error);
    int linesPerPage = HolterReportHelper::linesFor(Config::instance()->linesPerPage());
    if (line.parser().isSet(lines)) {
        const QString value = line.parser().value(lines);
        if (value != "30" && value != "60")
            return line.usageError(QString("--lines wants 30 or 60, got '%1'.").arg(value));
        linesPerPage = value.toInt();
    }

    if (!DataDirectory::open(&error))
        return line.failure(error);
    HolterReport report;
    CheckUser patient;
    if (!HolterReportSource::load(serial, checkTime, &report, &patient, &error))
        return line.failure(error);
    HolterReportHelper helper;
    helper.setLinesPerPage(linesPerPage);
    helper.setData(&report);
    if (!ReportOutput::writePdf(helper, path, &error))
        return line.failure(QString("%1: '%2' cannot be written.").arg(error, path));
    if (!report.isLoaded())
        QTextStream(stderr) << "vitacor-cli holter-report: the recording file '" << report.filePath()
                            << "' is missing or incomplete; the report shows the patient but no ECG.\n";
    return 0;
}
