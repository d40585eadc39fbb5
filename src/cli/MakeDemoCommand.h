#pragma once

#include "cli/CliCommand.h"

// vitacor-cli make-demo BUSDIR [--seed N] [--models CODES] [--holter-hours H]:
// writes one demo monitor folder per model into BUSDIR for the emulated bus.
class MakeDemoCommand : public CliCommand
{
public:
    QString name() const override { return "make-demo"; }
    QString summary() const override { return "Write demo monitors into a folder for the emulated bus."; }
    int run(const QStringList& arguments) override;
};
