#include "sync/ExportGuard.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The path with symbolic links, "." and ".." resolved as far as it exists.
QString resolved(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + "/" + info.fileName();
}

bool isScratchName(const QString& name)
{
    return name.startsWith(".temp_") || name.startsWith("temp_");
}

QStringList storedDeviceFolders()
{
    QStringList folders;
    for (const DeviceInfo& device : DbOperator::instance()->allDevices())
        folders << device.sn;
    return folders;
}

} // namespace

ExportGuard::ExportGuard()
    : ExportGuard(Config::instance()->dataDir(), Config::settingsFilePath(), storedDeviceFolders())
{}

ExportGuard::ExportGuard(const QString& dataDir, const QString& configFile, const QStringList& deviceFolders)
    : m_dataDir(resolved(dataDir))
    , m_configFile(resolved(configFile))
    , m_deviceFolders(deviceFolders)
{}

QString ExportGuard::refusal(const QString& path) const
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return tr("%1 is a link to nothing; choose another file name.").arg(shown);
    if (info.isDir())
        return tr("%1 is a folder; choose a file name.").arg(shown);
    if (info.exists() && !info.isFile())
        return tr("%1 is not a regular file; choose another file name.").arg(shown);
    if (!QFileInfo(info.absolutePath()).isDir())
        return tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(info.absolutePath()));

    const QString target = resolved(path);
    if (target == m_configFile)
        return tr("%1 is the program's configuration file; choose another file name.").arg(shown);
    if (!target.startsWith(m_dataDir + "/"))
        return QString();
    const QString inside = target.mid(m_dataDir.size() + 1);
    const QString first = inside.section('/', 0, 0);
    if (inside == first) {
        if (first == Vitacor::kDbFileName || first.startsWith(Vitacor::kDbFileName + "-"))
            return tr("%1 belongs to the record database; choose another file name.").arg(shown);
        if (first == Vitacor::kLogFileName)
            return tr("%1 is the program's log file; choose another file name.").arg(shown);
        if (isScratchName(first))
            return tr("%1 belongs to a download; choose another file name.").arg(shown);
        return QString();
    }
    if (isScratchName(first))
        return tr("%1 lies in a download's scratch folder; choose another folder.").arg(shown);
    if (m_deviceFolders.contains(first))
        return tr("%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.")
            .arg(shown, first);
    return QString();
}
