#include "cli/CommandLine.h"

#include <QTextStream>

CommandLine::CommandLine(const QString& command, const QString& synopsis, const QString& description)
    : m_command(command)
    , m_synopsis(synopsis)
    , m_description(description)
    , m_help({"h", "help"}, "Show this help.")
{
    m_parser.addOption(m_help);
}

int CommandLine::parse(const QStringList& arguments)
{
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        const QString text = m_parser.helpText();
        QTextStream(stdout) << "Usage: vitacor-cli [global options] " << m_command << " " << m_synopsis << "\n\n"
                            << m_description << "\n\n"
                            << text.mid(text.indexOf("Options:"));
        return 0;
    }
    const QStringList positional = m_parser.positionalArguments();
    if (m_argumentName.isEmpty() && !positional.isEmpty())
        return usageError("unexpected argument '" + positional.first() + "'.");
    if (!m_argumentName.isEmpty() && positional.size() != 1)
        return usageError(positional.isEmpty() ? m_argumentName + " is missing."
                                               : "give one " + m_argumentName + ", got: " + positional.join(" "));
    return kProceed;
}

void CommandLine::expectArgument(const QString& name, const QString& description)
{
    m_argumentName = name;
    m_parser.addPositionalArgument(name, description);
}

QString CommandLine::argument() const
{
    return m_parser.positionalArguments().value(0);
}

int CommandLine::usageError(const QString& message) const
{
    QTextStream(stderr) << "vitacor-cli " << m_command << ": " << message << "\nRun 'vitacor-cli " << m_command
                        << " --help' for usage.\n";
    return CliCommand::kUsageError;
}

int CommandLine::failure(const QString& message) const
{
    QTextStream(stderr) << "vitacor-cli " << m_command << ": " << message << "\n";
    return CliCommand::kFailed;
}

bool CommandLine::seconds(const QCommandLineOption& option, double maximum, double* value, QString* error) const
{
    bool ok = false;
    *value = m_parser.value(option).toDouble(&ok);
    if (ok && *value > 0.0 && *value <= maximum)
        return true;
    *error = QString("--%1 wants a number of seconds above 0 and at most %2, got '%3'.")
                 .arg(option.names().constLast())
                 .arg(maximum)
                 .arg(m_parser.value(option));
    return false;
}
