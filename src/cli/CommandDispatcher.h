#pragma once

#include "CliCommand.h"

#include <memory>
#include <vector>

// Picks the subcommand of vitacor-cli and hands it the rest of the command
// line. Global options come before the command name; everything after it
// belongs to the command.
class CommandDispatcher
{
public:
    void add(std::unique_ptr<CliCommand> command);
    int run(const QStringList& arguments);

private:
    CliCommand* find(const QString& name) const;
    QString usage() const;

    std::vector<std::unique_ptr<CliCommand>> m_commands;
};
