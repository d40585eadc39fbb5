#pragma once

#include "cli/CliCommand.h"

// vitacor-cli move-data-dir NEWDIR: moves the data directory with its
// database and device folders, as the settings dialog does, and makes
// NEWDIR the configured data directory.
class MoveDataDirCommand : public CliCommand
{
public:
    QString name() const override { return "move-data-dir"; }
    QString summary() const override { return "Move the data directory to another folder."; }
    int run(const QStringList& arguments) override;
};
