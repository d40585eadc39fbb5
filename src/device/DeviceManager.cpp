#include "device/DeviceManager.h"

#include "app/CrashHandler.h"
#include "app/LogHelper.h"
#include "device/HidClass.h"

#include <QTimer>

namespace {

QString pingFailedText(const VitacorDevice& device)
{
    return QString("SN:%1,type:%2 ping failed.").arg(device.serialNumber()).arg(device.modelType());
}

} // namespace

DeviceManager::DeviceManager(int refreshIntervalMs)
    : m_timer(new QTimer)
{
    moveToThread(&m_thread);
    CrashHandler::protectThread(m_thread);
    m_thread.start(QThread::InheritPriority);
    connect(m_timer, &QTimer::timeout, this, &DeviceManager::onRefreshDevice);
    m_timer->start(refreshIntervalMs);
}

DeviceManager::~DeviceManager()
{
    m_timer->stop();
    m_thread.quit();
    m_thread.wait();
    delete m_timer;
    QMutexLocker lock(&m_listMutex);
    for (const std::shared_ptr<VitacorDevice>& device : qAsConst(m_devices)) {
        // A downloading monitor's link belongs to its worker; it is closed when the device goes.
        QMutexLocker stateLock(&VitacorDevice::stateLock());
        if (device->state() != VitacorDevice::Downloading)
            device->disconnectDevice();
    }
    m_devices.clear();
}

QList<std::shared_ptr<VitacorDevice>> DeviceManager::devices()
{
    QMutexLocker lock(&m_listMutex);
    return m_devices;
}

void DeviceManager::downloadDevice(int index, const DownloadContext& context)
{
    QMutexLocker lock(&m_listMutex);
    if (index >= 0 && index < m_devices.size())
        m_devices.at(index)->requestDownload(context);
}

QStringList DeviceManager::deniedNodes()
{
    QMutexLocker lock(&m_listMutex);
    return m_deniedNodes;
}

void DeviceManager::onRefreshDevice()
{
    bool changed = false;
    {
        QMutexLocker lock(&m_listMutex);
        const bool dropped = pingDevices();
        const bool added = connectNewDevices();
        const bool denied = updateDeniedNodes();
        changed = dropped || added || denied;
    }
    // Unlocked, so a directly connected receiver can read the list.
    if (changed)
        emit hasNewConnect();
}

bool DeviceManager::pingDevices()
{
    bool changed = false;
    for (auto it = m_devices.begin(); it != m_devices.end();) {
        VitacorDevice& device = **it;
        QMutexLocker stateLock(&VitacorDevice::stateLock());
        if (device.state() == VitacorDevice::Downloading || device.pingDevice()) {
            ++it;
            continue;
        }
        LogHelper::instance()->writeLog(pingFailedText(device) + "--first time");
        QThread::msleep(kPingRetryMs);
        if (device.pingDevice()) {
            ++it;
            continue;
        }
        LogHelper::instance()->writeLog(pingFailedText(device) + " Device offline.");
        device.disconnectDevice();
        it = m_devices.erase(it);
        changed = true;
    }
    return changed;
}

bool DeviceManager::connectNewDevices()
{
    bool changed = false;
    // Monitors that failed identification stay held until the refresh ends, so
    // each further attempt opens another monitor instead of the same silent one.
    QList<std::shared_ptr<VitacorDevice>> unanswered;
    for (int attempt = m_devices.size(); attempt < kMaxDevices; ++attempt) {
        auto device = std::make_shared<VitacorDevice>();
        if (!device->connectDevice()) {
            unanswered << device;
            continue;
        }
        m_devices << device;
        connect(device.get(), &VitacorDevice::downloadEnd, this, &DeviceManager::onDeviceDownloadEnd);
        changed = true;
        LogHelper::instance()->writeLog(
            QString("new device connected: SN %1, Type %2").arg(device->serialNumber()).arg(device->modelType()));
    }
    return changed;
}

bool DeviceManager::updateDeniedNodes()
{
    const QStringList denied = HidClass::deniedNodes();
    if (denied == m_deniedNodes)
        return false;
    for (const QString& node : denied) {
        if (!m_deniedNodes.contains(node))
            LogHelper::instance()->writeLog("monitor at " + node + " may not be opened: permission denied.");
    }
    m_deniedNodes = denied;
    return true;
}

void DeviceManager::onDeviceDownloadEnd(bool isComplete, QString path)
{
    // The folder of a failed download is removed by its owner, the device's download folder.
    emit deviceDownloadEnd(isComplete ? path : QString());
}
