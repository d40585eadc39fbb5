#pragma once

#include "cli/CliCommand.h"

// vitacor-cli holter-report --sn SN --time yyyyMMddHHmmss --pdf FILE [--lines 30|60]:
// the Holter ECG report of a stored recording, as the viewer's PDF button writes it.
class HolterReportCommand : public CliCommand
{
public:
    QString name() const override { return "holter-report"; }
    QString summary() const override { return "Write the Holter ECG report of a recording as PDF."; }
    int run(const QStringList& arguments) override;
};
