#pragma once

#include "cli/CliCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <memory>
#include <vector>

// Picks the subcommand of vitacor-cli and hands it the rest of the command
// line. Global options come before the command name; everything after it
// belongs to the command. --data-dir and --emulate set up the run before the
// command starts.
class CommandDispatcher
{
public:
    void add(std::unique_ptr<CliCommand> command);
    int run(const QStringList& arguments);

private:
    CliCommand* find(const QString& name) const;
    QString usage() const;
    // False, after a message, when an option names something unusable.
    static bool applyGlobalOptions(const QCommandLineParser& parser, const QCommandLineOption& dataDir,
                                   const QCommandLineOption& emulate, const QCommandLineOption& emulatePaced);

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};
