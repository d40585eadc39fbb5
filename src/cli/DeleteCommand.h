#pragma once

#include "cli/CliCommand.h"

// vitacor-cli delete --sn SN (--type CODE --time yyyyMMddHHmmss | --all):
// removes stored checks with their files, as the record list does.
class DeleteCommand : public CliCommand
{
public:
    QString name() const override { return "delete"; }
    QString summary() const override { return "Delete a stored check, or all checks of a monitor."; }
    int run(const QStringList& arguments) override;
};
