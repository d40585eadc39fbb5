#pragma once

#include "cli/CliCommand.h"

// vitacor-cli devices [--json] [--wait S]: the monitors connected now.
class DevicesCommand : public CliCommand
{
public:
    QString name() const override { return "devices"; }
    QString summary() const override { return "List the connected monitors."; }
    int run(const QStringList& arguments) override;
};
