#include "cli/DevicesCommand.h"

#include "cli/CommandLine.h"
#include "cli/MonitorDiscovery.h"
#include "cli/TerminalText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

int DevicesCommand::run(const QStringList& arguments)
{
    CommandLine line(name(), "[options]",
                     "Lists the monitors connected over USB (or on the bus of --emulate), one per line:\n"
                     "serial number, model name, type code, software version and branch code, separated\n"
                     "by tabs. Monitors are looked for at once, then every 2 s as the program does. No\n"
                     "monitor is not an error: the list is empty. A monitor that is plugged in but may\n"
                     "not be opened (no permission) is named on stderr with the fix, and the exit status\n"
                     "is then 1. Control characters and backslashes in serial numbers and branch codes\n"
                     "are written as escapes: \\t, \\n, \\r, \\\\, \\xHH and \\uHHHH.");
    const QCommandLineOption json("json",
                                  "Print a JSON array of objects with the keys sn, model, typeCode, "
                                  "version and branchCode.");
    line.parser().addOptions({json});
    double seconds = 0;
    const int parsed = MonitorDiscovery::parse(line, arguments, &seconds);
    if (parsed != CommandLine::kProceed)
        return parsed;

    MonitorDiscovery discovery;
    const MonitorDiscovery::Devices devices = discovery.waitFor(
        [&discovery](const MonitorDiscovery::Devices& list) {
            return !list.isEmpty() || !discovery.deniedNodes().isEmpty();
        },
        seconds);
    if (discovery.isInterrupted())
        return line.failure("interrupted.");

    QTextStream out(stdout);
    if (line.parser().isSet(json)) {
        QJsonArray array;
        for (const auto& device : devices)
            array << QJsonObject{{"sn", device->serialNumber()},
                                 {"model", device->model().name()},
                                 {"typeCode", device->modelType()},
                                 {"version", device->versionText()},
                                 {"branchCode", device->branchCode()}};
        out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        for (const auto& device : devices)
            out << QStringList{TerminalText::escaped(device->serialNumber()), device->model().name(),
                               QString::number(device->modelType()), device->versionText(),
                               TerminalText::escaped(device->branchCode())}
                       .join('\t')
                << "\n";
    }
    if (!discovery.deniedNodes().isEmpty())
        return kFailed;
    if (devices.isEmpty())
        QTextStream(stderr) << "vitacor-cli devices: no monitor found within " << seconds
                            << " s; plug one in, or wait longer with --wait.\n";
    return 0;
}
