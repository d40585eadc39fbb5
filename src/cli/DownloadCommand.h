#pragma once

#include "cli/CliCommand.h"

// vitacor-cli download [--sn SN] [--json] [--wait S]: downloads the connected
// monitors and stores what they hold, as the download dialog does.
class DownloadCommand : public CliCommand
{
public:
    QString name() const override { return "download"; }
    QString summary() const override { return "Download the connected monitors and store their checks."; }
    int run(const QStringList& arguments) override;
};
