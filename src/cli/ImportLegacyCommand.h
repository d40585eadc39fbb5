#pragma once

#include "cli/CliCommand.h"

// vitacor-cli import-legacy DIR[;DIR...]: brings the data folders of the
// older desktop program into the data directory, as the data-directory
// dialog does.
class ImportLegacyCommand : public CliCommand
{
public:
    QString name() const override { return "import-legacy"; }
    QString summary() const override { return "Import the data of the older desktop program."; }
    int run(const QStringList& arguments) override;
};
