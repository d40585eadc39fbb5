#include "cli/MakeDemoCommand.h"
#include "files/DeviceModel.h"

#include "emulator/DemoBusWriter.h"
#include "emulator/DemoMonitorWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <cmath>

namespace {

constexpr double kMaxHolterHours = 72.0;

QString knownCodes()
{
    QStringList codes;
    for (int code : DeviceModel::modelTypes())
        codes << QString::number(code);
    return codes.join(",");
}

QString folderSize(const QString& folder)
{
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        bytes += file.size();
    return bytes >= 1024 * 1024 ? QString("%1 MiB").arg(bytes / 1048576.0, 0, 'f', 1)
                                : QString("%1 KiB").arg((bytes + 1023) / 1024);
}

} // namespace

int MakeDemoCommand::run(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption seed("seed", "Seed of the generator: the same seed writes the same bytes (default 1).",
                                  "N", "1");
    const QCommandLineOption models(
        "models", QString("Comma-separated model type codes to write (default: every model, %1).").arg(knownCodes()),
        "CODES");
    const QCommandLineOption hours("holter-hours",
                                   QString("Length of the Holter recordings in hours, above 0 and at most %1; "
                                           "decimals allowed (default 1).")
                                       .arg(kMaxHolterHours),
                                   "H", "1");
    parser.addOptions({help, seed, models, hours});
    parser.addPositionalArgument("BUSDIR",
                                 "The bus folder; created if missing. Start the program on it with "
                                 "'VitacorBrowser --emulate BUSDIR'.");
    auto usageError = [&err](const QString& message) {
        err << "vitacor-cli make-demo: " << message << "\nRun 'vitacor-cli make-demo --help' for usage.\n";
        return kUsageError;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        const QString text = parser.helpText();
        out << "Usage: vitacor-cli make-demo [options] BUSDIR\n\n"
            << "Writes one emulated monitor per model type code into BUSDIR: users, the index files of\n"
            << "every check type the model offers, ECG detail files, voice notes, sleep trends,\n"
            << "multi-test files and a Holter recording. A monitor folder that is already there is\n"
            << "replaced.\n\n"
            << text.mid(text.indexOf("Options:"));
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? "the bus folder BUSDIR is missing."
                                               : "give exactly one bus folder, got: " + positional.join(" "));

    bool ok = false;
    const quint64 seedValue = parser.value(seed).toULongLong(&ok);
    if (!ok)
        return usageError(
            QString("--seed wants a whole number from 0 to 18446744073709551615, got '%1'.").arg(parser.value(seed)));

    const double hoursValue = parser.value(hours).toDouble(&ok);
    if (!ok || !(hoursValue > 0.0) || hoursValue > kMaxHolterHours)
        return usageError(QString("--holter-hours wants a number of hours above 0 and at most %1, got '%2'.")
                              .arg(kMaxHolterHours)
                              .arg(parser.value(hours)));
    const int holterSeconds = std::max(1, static_cast<int>(std::lround(hoursValue * 3600.0)));

    QList<int> codes = DeviceModel::modelTypes();
    if (parser.isSet(models)) {
        codes.clear();
        for (const QString& item : parser.value(models).split(',', Qt::SkipEmptyParts)) {
            const int code = item.trimmed().toInt(&ok);
            if (!ok || !DeviceModel::modelTypes().contains(code))
                return usageError(QString("'%1' is not a model type code; the codes are %2.").arg(item, knownCodes()));
            if (!codes.contains(code))
                codes.append(code);
        }
        if (codes.isEmpty())
            return usageError("--models names no model; the codes are " + knownCodes() + ".");
    }

    const QString busDir = QDir(positional.first()).absolutePath();
    if (!QDir().mkpath(busDir)) {
        err << "vitacor-cli make-demo: cannot create the bus folder " << busDir
            << ": check the path and your permissions.\n";
        return kFailed;
    }
    QElapsedTimer timer;
    timer.start();
    const DemoBusWriter bus(busDir, seedValue, holterSeconds);
    for (int code : codes) {
        QString error;
        const QString folder = bus.writeMonitor(code, &error);
        if (folder.isEmpty()) {
            err << "vitacor-cli make-demo: model " << code << ": " << error << "\n";
            return kFailed;
        }
        out << QString("model %1: %2 (%3 files, %4)\n")
                   .arg(code, 2)
                   .arg(QDir::toNativeSeparators(folder))
                   .arg(QDir(folder).entryList(QDir::Files).size())
                   .arg(folderSize(folder));
        out.flush();
    }
    out << QString("%1 monitors written to %2 in %3 s.\n")
               .arg(codes.size())
               .arg(QDir::toNativeSeparators(busDir))
               .arg(timer.elapsed() / 1000.0, 0, 'f', 1);
    return 0;
}
