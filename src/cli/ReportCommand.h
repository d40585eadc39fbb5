#pragma once

#include "cli/CliCommand.h"

// vitacor-cli report --sn SN --type CODE --time yyyyMMddHHmmss (--pdf FILE | --jpg FILE):
// the report of one stored check, as the viewer's PDF and JPG buttons write it.
class ReportCommand : public CliCommand
{
public:
    QString name() const override { return "report"; }
    QString summary() const override { return "Write the report of a stored check as PDF or JPG."; }
    int run(const QStringList& arguments) override;
};
