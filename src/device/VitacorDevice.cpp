#include "device/VitacorDevice.h"

#include "app/Constants.h"
#include "app/CrashHandler.h"
#include "app/LogHelper.h"
#include "device/DownloadStrategy.h"
#include "device/XHarvo2.h"
#include "sync/DownloadFolder.h"

#include <QDir>
#include <QFile>

VitacorDevice::VitacorDevice(QObject* parent)
    : QObject(parent)
    , m_protocol(new XHarvo2(this))
{
    connect(this, &VitacorDevice::signalDownloadAllFile, this, &VitacorDevice::downloadAllFile_SLOT);
}

VitacorDevice::~VitacorDevice()
{
    m_thread.quit();
    m_thread.wait();
    m_strategy.reset();
}

QMutex& VitacorDevice::stateLock()
{
    static QMutex lock;
    return lock;
}

int VitacorDevice::modelType() const
{
    return m_info.modelType;
}

bool VitacorDevice::connectDevice()
{
    QByteArray info;
    if (!m_protocol->getDeviceInfo(info) || info.size() < XHarvo2::kInfoSize) {
        setState(Offline);
        return false;
    }
    m_info = *DeviceInfo::fromBytes(info.left(DeviceInfo::kSize));
    m_protocol->getBranchCode(m_info.branchcode);
    // dev.dat carries the block, and everything after the download reads the serial from there.
    m_sn = model().safeSerial(m_info.sn);
    m_info.sn = m_sn;
    m_key = model().keyPrefix() + m_sn;
    m_version = QString("V%1.%2").arg(m_info.versionMajor()).arg(m_info.versionMinor());
    setState(Offline);
    moveToThread(&m_thread);
    CrashHandler::protectThread(m_thread);
    m_thread.start(QThread::InheritPriority);
    setState(Connected);
    return true;
}

void VitacorDevice::disconnectDevice()
{
    if (m_protocol->disconnectDevice())
        setState(Offline);
}

bool VitacorDevice::pingDevice()
{
    const bool answered = m_protocol->ping();
    setState(answered ? Connected : Offline);
    return answered;
}

bool VitacorDevice::requestDownload(const DownloadContext& context)
{
    {
        // Taken before the request is queued, so neither a ping nor a second request slips in between.
        QMutexLocker lock(&stateLock());
        if (state() == Downloading)
            return false;
        setState(Downloading);
    }
    {
        QMutexLocker lock(&m_folderMutex);
        m_context = context;
    }
    emit signalDownloadAllFile();
    return true;
}

std::shared_ptr<DownloadFolder> VitacorDevice::takeDownloadFolder()
{
    QMutexLocker lock(&m_folderMutex);
    return std::move(m_folder);
}

void VitacorDevice::downloadAllFile_SLOT()
{
    DownloadContext context;
    {
        QMutexLocker lock(&m_folderMutex);
        context = m_context;
    }
    LogHelper::instance()->writeLog(m_sn + " start download.");
    // A folder no finisher took would hold the lock this download needs.
    takeDownloadFolder();
    auto folder = std::make_shared<DownloadFolder>(context.dataDir, m_sn);
    const bool result = download(*folder, context);
    // Nothing of a failed download is kept, and the next download of the monitor need not wait.
    if (!result)
        folder->release();
    LogHelper::instance()->writeLog(QString("Download result:%1").arg(result ? 1 : 0));
    if (!folder->notes().writeFailure.isEmpty())
        LogHelper::instance()->writeLog("Download of " + m_sn + " failed here: " + folder->notes().writeFailure);
    else if (folder->notes().busy)
        LogHelper::instance()->writeLog("Download of " + m_sn + " not started: another download of it is running.");
    {
        QMutexLocker lock(&m_folderMutex);
        m_folder = folder;
    }
    setState(Connected);
    emit downloadEnd(result, folder->path());
}

bool VitacorDevice::download(DownloadFolder& folder, const DownloadContext& context)
{
    if (!folder.claim())
        return false;
    {
        QMutexLocker lock(&stateLock());
        setState(Downloading);
    }
    if (!writeDeviceFile(folder)) {
        LogHelper::instance()->writeLog("Can't save device information.");
        return false;
    }
    m_strategy = DownloadStrategy::create(modelType());
    m_strategy->setSerialNumber(m_sn);
    m_strategy->setContext(context);
    m_strategy->setXHarvo2(m_protocol);
    connect(m_strategy.get(), &DownloadStrategy::fileDownloadProgress, this, &VitacorDevice::fileDownloadProgress,
            Qt::DirectConnection);
    connect(m_strategy.get(), &DownloadStrategy::singleFileDownloadProgress, this,
            &VitacorDevice::singleFileDownloadProgress);
    const bool complete = m_strategy->download(folder.path());
    folder.notes().holterNotDownloaded = m_strategy->holterNotDownloaded();
    folder.notes().writeFailure = m_strategy->writeFailure();
    return complete;
}

bool VitacorDevice::writeDeviceFile(DownloadFolder& folder) const
{
    QFile file(folder.path() + Vitacor::kDeviceFileName);
    const QByteArray content = m_info.toFileBytes();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size() && file.flush())
        return true;
    folder.notes().writeFailure =
        QString("cannot write %1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return false;
}
