#include "CommandDispatcher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
                   "  -h, --help     Show this help.\n"
                   "  -v, --version  Show the program version.\n\n"
                   "Commands:\n";
    for (const auto& command : m_commands)
        text += QString("  %1%2\n").arg(command->name(), -14).arg(command->summary());
    text += "\nRun 'vitacor-cli <command> --help' for the options of a command.\n"
            "Exit status: 0 done, 1 the command failed, 2 the command line was wrong.\n";
    return text;
}

int CommandDispatcher::run(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption version({"v", "version"}, "Show the program version.");
    parser.addOption(help);
    parser.addOption(version);
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
