#pragma once

#include "cli/CliCommand.h"

#include <QCommandLineParser>
#include <QString>

// The option parser of one subcommand with the tool's way of answering:
// --help prints the usage, a wrong command line names the problem and points
// to --help (exit 2), a failure names what to do about it (exit 1).
class CommandLine
{
public:
    // Go on with the command after parse().
    static constexpr int kProceed = -1;

    CommandLine(const QString& command, const QString& synopsis, const QString& description);

    QCommandLineParser& parser() { return m_parser; }
    // The command takes exactly one argument besides its options.
    void expectArgument(const QString& name, const QString& description);
    QString argument() const;
    // kProceed, 0 after printing the help, or kUsageError after an error message.
    int parse(const QStringList& arguments);
    int usageError(const QString& message) const;
    int failure(const QString& message) const;
    // A number of seconds above 0 and at most `maximum`, or an error message in `error`.
    bool seconds(const QCommandLineOption& option, double maximum, double* value, QString* error) const;

private:
    QString m_command;
    QString m_synopsis;
    QString m_description;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QString m_argumentName;
};
