#pragma once

#include <QString>
#include <QStringList>

// One subcommand of vitacor-cli. Exit codes: 0 done, 1 failed while working,
// 2 the command line was wrong.
class CliCommand
{
public:
    static constexpr int kFailed = 1;
    static constexpr int kUsageError = 2;

    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    // One line for the program's command list.
    virtual QString summary() const = 0;
    // `arguments` starts with the program name and the command's name as one
    // text, as the command's own parser expects a program name first.
    virtual int run(const QStringList& arguments) = 0;
};
