#pragma once

#include "cli/CliCommand.h"

// vitacor-cli sleep-csv --sn SN --time yyyyMMddHHmmss --out FILE: the trend
// of a stored sleep check as the viewer's CSV button writes it.
class SleepCsvCommand : public CliCommand
{
public:
    QString name() const override { return "sleep-csv"; }
    QString summary() const override { return "Write the trend of a stored sleep check as CSV."; }
    int run(const QStringList& arguments) override;
};
