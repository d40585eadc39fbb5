#include "cli/ReportCommand.h"

#include "cli/CheckKey.h"
#include "cli/CommandLine.h"
#include "cli/DataDirectory.h"
#include "files/CheckType.h"
#include "report/ReportOutput.h"
#include "report/ReportSource.h"

#include <QTextStream>

namespace {

// "1, 16, 32, 64, 512 or 16384": the codes the report pages paint.
QString reportCodes(const QString& lastJoin)
{
    QStringList codes;
    for (int code : ReportSource::reportTypes())
        codes << QString::number(code);
    const QString last = codes.takeLast();
    return codes.join(", ") + lastJoin + last;
}

} // namespace

int ReportCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "--sn SN --type CODE --time yyyyMMddHHmmss (--pdf FILE | --jpg FILE)",
                     "Writes the report of one stored check exactly as the report viewer's PDF or JPG\n"
                     "button does; for a sleep check (type 64) the sleep report. The file appears only\n"
                     "when it is complete.");
    const QCommandLineOption sn("sn", "The monitor's serial number.", "SN");
    const QCommandLineOption type("type", "The check-type code: " + reportCodes(" or ") + ".", "CODE");
    const QCommandLineOption time("time", "The check time, yyyyMMddHHmmss.", "TIME");
    const QCommandLineOption pdf("pdf", "Write an A4 PDF at 300 dpi.", "FILE");
    const QCommandLineOption jpg("jpg", "Write a JPG 1050 pixels wide.", "FILE");
    line.parser().addOptions({sn, type, time, pdf, jpg});
    const int parsed = line.parse(arguments);
    if (parsed != CommandLine::kProceed)
        return parsed;

    QString serial;
    QString checkTime;
    QString error;
    if (!CheckKey::required(line, sn, &serial, &error) || !CheckKey::checkTime(line, time, &checkTime, &error))
        return line.usageError(error);
    bool ok = false;
    const int code = line.parser().value(type).toInt(&ok);
    if (!line.parser().isSet(type))
        return line.usageError("--type is missing.");
    if (!ok || !ReportSource::hasReport(code))
        return line.usageError(QString("'%1' is not the code of a check type with a report; the codes are %2.")
                                   .arg(line.parser().value(type), reportCodes(" and ")));
    if (line.parser().isSet(pdf) == line.parser().isSet(jpg))
        return line.usageError("give either --pdf FILE or --jpg FILE.");
    const bool asPdf = line.parser().isSet(pdf);
    const QString path = line.parser().value(asPdf ? pdf : jpg);
    if (path.isEmpty())
        return line.usageError(QString("--%1 needs a file name.").arg(asPdf ? "pdf" : "jpg"));

    if (!DataDirectory::open(&error))
        return line.failure(error);
    ReportData data;
    if (!ReportSource::load(serial, code, checkTime, &data, &error))
        return line.failure(error);
    std::unique_ptr<BasePaintHelper> helper = ReportOutput::createHelper(code);
    helper->setData(data);
    const bool written =
        asPdf ? ReportOutput::writePdf(*helper, path, &error) : ReportOutput::writeJpg(*helper, path, &error);
    if (!written)
        return line.failure(QString("%1: '%2' cannot be written.").arg(error, path));
    return 0;
}
