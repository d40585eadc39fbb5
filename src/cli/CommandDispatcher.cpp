#include "cli/CommandDispatcher.h"

#include "app/Config.h"
#include "emulator/EmulatedBus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTextStream>

void CommandDispatcher::add(std::unique_ptr<CliCommand> command)
{
    m_commands.push_back(std::move(command));
}

CliCommand* CommandDispatcher::find(const QString& name) const
{
    for (const auto& command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

QString CommandDispatcher::usage() const
{
    QString text = "Usage: vitacor-cli [global options] <command> [options]\n\n"
                   "The command-line companion of Vitacor Browser. It shares the program's\n"
                   "configuration and data directory.\n\n"
                   "Global options:\n"
                   "  -h, --help              Show this help.\n"
                   "  -v, --version           Show the program version.\n"
                   "  --data-dir DIR          Use DIR as the data directory for this run only; the\n"
                   "                          configured one stays as it is.\n"
                   "  --emulate BUSDIR        Talk to the emulated monitors of BUSDIR instead of USB\n"
                   "                          (make one with 'vitacor-cli make-demo BUSDIR').\n"
                   "  --emulate-paced BUSDIR  The same at the speed of full-speed USB.\n"
                   "  --verbose               Show the program's diagnostic output on stderr.\n\n"
                   "Commands:\n";
    for (const auto& command : m_commands)
        text += QString("  %1%2\n").arg(command->name(), -14).arg(command->summary());
    text += "\nRun 'vitacor-cli <command> --help' for the options of a command.\n"
            "Exit status: 0 done, 1 the command failed, 2 the command line was wrong.\n";
    return text;
}

bool CommandDispatcher::applyGlobalOptions(const QCommandLineParser& parser, const QCommandLineOption& dataDir,
                                           const QCommandLineOption& emulate, const QCommandLineOption& emulatePaced)
{
    QTextStream err(stderr);
    if (parser.isSet(emulate) && parser.isSet(emulatePaced)) {
        err << "vitacor-cli: give either --emulate or --emulate-paced, not both.\nRun 'vitacor-cli --help' for "
               "usage.\n";
        return false;
    }
    const bool paced = parser.isSet(emulatePaced);
    if (paced || parser.isSet(emulate)) {
        const QString busDir = parser.value(paced ? emulatePaced : emulate);
        if (!QFileInfo(busDir).isDir()) {
            err << "vitacor-cli: the bus folder '" << busDir << "' does not exist; make one with 'vitacor-cli "
                << "make-demo " << busDir << "'.\nRun 'vitacor-cli --help' for usage.\n";
            return false;
        }
        EmulatedBus::install(QDir(busDir).absolutePath())->setPaced(paced);
    }
    // Only for this run: the command-line tool never writes the configuration back.
    if (parser.isSet(dataDir)) {
        if (parser.value(dataDir).isEmpty()) {
            err << "vitacor-cli: --data-dir needs a folder.\nRun 'vitacor-cli --help' for usage.\n";
            return false;
        }
        Config::instance()->setDataDir(QDir(parser.value(dataDir)).absolutePath());
    }
    return true;
}

int CommandDispatcher::run(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption version({"v", "version"}, "Show the program version.");
    const QCommandLineOption dataDir("data-dir", "The data directory of this run.", "DIR");
    const QCommandLineOption emulate("emulate", "The emulated bus.", "BUSDIR");
    const QCommandLineOption emulatePaced("emulate-paced", "The emulated bus, paced.", "BUSDIR");
    const QCommandLineOption verbose("verbose", "Diagnostic output.");
    parser.addOptions({help, version, dataDir, emulate, emulatePaced, verbose});
    if (!parser.parse(arguments)) {
        err << "vitacor-cli: " << parser.errorText() << "\nRun 'vitacor-cli --help' for usage.\n";
        return CliCommand::kUsageError;
    }
    if (parser.isSet(help)) {
        out << usage();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "vitacor-cli " << QCoreApplication::applicationVersion() << "\n";
        return 0;
    }
    // The transfer and store diagnostics would bury the progress a person reads.
    if (!parser.isSet(verbose))
        QLoggingCategory::setFilterRules("default.debug=false");
    if (!applyGlobalOptions(parser, dataDir, emulate, emulatePaced))
        return CliCommand::kUsageError;
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        err << "vitacor-cli: no command given.\n\n" << usage();
        return CliCommand::kUsageError;
    }
    QString name = rest.takeFirst();
    if (name == "help") {
        if (rest.isEmpty()) {
            out << usage();
            return 0;
        }
        name = rest.first();
        rest = QStringList{"--help"};
    }
    CliCommand* command = find(name);
    if (!command) {
        QStringList names;
        for (const auto& known : m_commands)
            names << known->name();
        err << "vitacor-cli: unknown command '" << name << "'. Commands: " << names.join(", ")
            << ".\nRun 'vitacor-cli --help' for usage.\n";
        return CliCommand::kUsageError;
    }
    return command->run(QStringList{arguments.first() + " " + name} + rest);
}
