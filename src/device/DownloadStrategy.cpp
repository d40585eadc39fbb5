#include "device/DownloadStrategy.h"

#include "device/CorvisetDownloadStrategy.h"
#include "device/VitacorProDownloadStrategy.h"
#include "device/XHarvo2.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/DeviceModel.h"
#include "files/RecordFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

DownloadStrategy::DownloadStrategy(QObject* parent)
    : QObject(parent)
{}

std::shared_ptr<DownloadStrategy> DownloadStrategy::create(int modelType)
{
    std::shared_ptr<DownloadStrategy> strategy;
    if (modelType == DeviceModel::kCorvisetType)
        strategy = std::make_shared<CorvisetDownloadStrategy>();
    else
        strategy = std::make_shared<VitacorProDownloadStrategy>();
    strategy->setModelType(modelType);
    return strategy;
}

void DownloadStrategy::setXHarvo2(XHarvo2* protocol)
{
    if (m_protocol)
        disconnect(m_protocol, nullptr, this, nullptr);
    m_protocol = protocol;
    if (m_protocol)
        connect(m_protocol, &XHarvo2::downloadProgress, this, &DownloadStrategy::singleFileDownloadProgress);
}

bool DownloadStrategy::download(const QString&)
{
    return false;
}

int DownloadStrategy::fetchFile(const QString& folder, const QString& name)
{
    const QString localPath = folder + name;
    qDebug().noquote() << "[INFO] download file :" + localPath;
    return m_protocol ? m_protocol->getFile(localPath, name) : -1;
}

int DownloadStrategy::fetchLargeFile(const QString& folder, const QString& name)
{
    return m_protocol ? m_protocol->getLargeFile(folder + name, name, kHolterBlockCount) : -1;
}

QString DownloadStrategy::writeFailure() const
{
    return failedLocally() ? m_protocol->writeFailure() : QString();
}

bool DownloadStrategy::isStored(const QString& checkTime) const
{
    return m_context.storedFlowIds.contains(checkTime + m_sn) &&
        QFileInfo::exists(DetailPath::of(m_context.dataDir, m_sn, checkTime));
}

bool DownloadStrategy::failedLocally() const
{
    return m_protocol && m_protocol->lastFailure() == XHarvo2::Failure::LocalWrite;
}

int DownloadStrategy::fetchCounted(const QString& folder, const QString& name, bool alreadyStored)
{
    if (alreadyStored) {
        countFile();
        return 0;
    }
    const int result = fetchFile(folder, name);
    if (result > 0)
        countFile();
    return result;
}

bool DownloadStrategy::fetchIndex(const QString& folder, int checkType)
{
    return fetchCounted(folder, CheckType::fileName(checkType), false) >= 0;
}

bool DownloadStrategy::monitorAnswers()
{
    return m_protocol && m_protocol->ping();
}

void DownloadStrategy::setTotalFiles(int total)
{
    m_totalFiles = total;
    emit fileDownloadProgress(m_downloadedFiles, std::max(m_totalFiles, m_downloadedFiles));
}

void DownloadStrategy::countFile()
{
    ++m_downloadedFiles;
    emit fileDownloadProgress(m_downloadedFiles, std::max(m_totalFiles, m_downloadedFiles));
}

bool DownloadStrategy::readRecords(const QString& path, int recordSize, QList<QByteArray>* records)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *records = RecordFile::split(file.readAll(), recordSize);
    return true;
}
