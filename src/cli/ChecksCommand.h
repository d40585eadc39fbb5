#pragma once

#include "cli/CliCommand.h"

// vitacor-cli checks [--sn SN] [--type CODE] [--json]: the stored checks.
class ChecksCommand : public CliCommand
{
public:
    QString name() const override { return "checks"; }
    QString summary() const override { return "List the stored checks."; }
    int run(const QStringList& arguments) override;
};
