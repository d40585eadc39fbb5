#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Decides whether a report, PDF, JPG or CSV export may write a file at a
// path: never over the record database or its journal files, the
// configuration or the log file, never inside a device folder or a
// download's scratch folder, never over anything that is not a regular file
// (a folder, a device node, a pipe), and only into a folder that exists.
// Symbolic links are followed, so no other name for those files gets past.
class ExportGuard
{
    Q_DECLARE_TR_FUNCTIONS(ExportGuard)
public:
    // The data directory and configuration file of this run, and the device
    // folders of the monitors the record store holds.
    ExportGuard();
    ExportGuard(const QString& dataDir, const QString& configFile, const QStringList& deviceFolders);

    // Empty when an export may write `path`; otherwise one sentence why not.
    QString refusal(const QString& path) const;

private:
    QString m_dataDir;
    QString m_configFile;
    QStringList m_deviceFolders;
};
