#pragma once

#include "cli/CliCommand.h"

// vitacor-cli holter-summary --sn SN --time yyyyMMddHHmmss [--screen LIST] [--json]:
// the figures of a stored Holter recording and its screened minutes, as the
// summary dialog shows them.
class HolterSummaryCommand : public CliCommand
{
public:
    QString name() const override { return "holter-summary"; }
    QString summary() const override
    {
        return "Print the summary of a stored Holter recording and screen its minutes.";
    }
    int run(const QStringList& arguments) override;
};
