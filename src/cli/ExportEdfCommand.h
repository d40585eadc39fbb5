#pragma once

#include "cli/CliCommand.h"

// vitacor-cli export-edf --sn SN --type CODE --time yyyyMMddHHmmss --out FILE
// [--screen LIST]: a stored ECG check or Holter recording as an EDF+ file.
class ExportEdfCommand : public CliCommand
{
public:
    QString name() const override { return "export-edf"; }
    QString summary() const override { return "Write a stored ECG check or Holter recording as EDF+."; }
    int run(const QStringList& arguments) override;
};
