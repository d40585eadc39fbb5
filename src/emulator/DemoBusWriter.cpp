#include "emulator/DemoBusWriter.h"

#include "emulator/DemoMonitorWriter.h"
#include "emulator/EmulatedMonitor.h"

#include <QDir>
#include <QFileInfo>

DemoBusWriter::DemoBusWriter(const QString& busDir, std::uint64_t seed, int holterSeconds)
    : m_busDir(busDir)
    , m_seed(seed)
    , m_holterSeconds(holterSeconds)
{}

QString DemoBusWriter::writeMonitor(int modelType, QString* error) const
{
    const DemoMonitorWriter monitor(modelType, m_seed, m_holterSeconds);
    QDir bus(m_busDir);
    const QString target = bus.filePath(monitor.folderName());
    const QString staging = bus.filePath("." + monitor.folderName() + ".writing");
    if (QFileInfo::exists(target) && !EmulatedMonitor::isMonitorFolder(target)) {
        *error =
            QString("%1 exists and is not a monitor folder; move it away or choose another bus folder").arg(target);
        return QString();
    }
    QDir(staging).removeRecursively();
    if (!bus.mkpath(staging)) {
        *error = QString("cannot create %1").arg(staging);
        return QString();
    }
    if (!monitor.write(staging, error)) {
        QDir(staging).removeRecursively();
        return QString();
    }
    if (QFileInfo::exists(target) && !QDir(target).removeRecursively()) {
        *error = QString("cannot remove the old monitor folder %1").arg(target);
        QDir(staging).removeRecursively();
        return QString();
    }
    if (!bus.rename(staging, target)) {
        *error = QString("cannot rename %1 to %2").arg(staging, target);
        QDir(staging).removeRecursively();
        return QString();
    }
    return target;
}
