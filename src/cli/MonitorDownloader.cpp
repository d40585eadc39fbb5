#include "cli/MonitorDownloader.h"

#include "device/DeviceManager.h"
#include "device/VitacorDevice.h"
#include "sync/DownloadContext.h"
#include "sync/DownloadFolder.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kTerminalIntervalMs = 100;
constexpr int kLogIntervalMs = 1000;

} // namespace

MonitorDownloader::MonitorDownloader(DeviceManager& manager)
    : m_manager(manager)
    , m_terminal(isatty(fileno(stderr)) == 1)
{
    connect(&m_manager, &DeviceManager::deviceDownloadEnd, this, &MonitorDownloader::onDownloadEnd);
}

MonitorDownloader::Report MonitorDownloader::download(const std::shared_ptr<VitacorDevice>& device)
{
    Report report;
    report.sn = m_sn = device->serialNumber();
    report.modelType = device->modelType();
    report.model = device->model().name();
    m_progress = DownloadProgress();
    m_path.clear();
    const QMetaObject::Connection files =
        connect(device.get(), &VitacorDevice::fileDownloadProgress, this, &MonitorDownloader::onFiles);
    const QMetaObject::Connection bytes =
        connect(device.get(), &VitacorDevice::singleFileDownloadProgress, this, &MonitorDownloader::onBytes);
    // Gathered on this thread, which owns the record store; the device's worker never reads it.
    if (device->requestDownload(DownloadContext::gather(m_sn))) {
        m_sinceShown.invalidate();
        show(true);
        m_loop.exec();
    }
    disconnect(files);
    disconnect(bytes);
    report.complete = !m_path.isEmpty();
    report.files = m_progress.files();
    if (m_terminal)
        QTextStream(stderr) << "\n";
    if (const std::shared_ptr<DownloadFolder> folder = device->takeDownloadFolder())
        report.finish = m_finisher.finish(*folder, report.complete);
    return report;
}

void MonitorDownloader::onFiles(int done, int total)
{
    m_progress.setFiles(done, total);
    show(true);
}

void MonitorDownloader::onBytes(int done, int total)
{
    m_progress.setBytes(done, total);
    show(false);
}

void MonitorDownloader::onDownloadEnd(const QString& path)
{
    m_path = path;
    m_loop.quit();
}

void MonitorDownloader::show(bool fileDone)
{
    // A terminal shows every finished file at once; a log gets a line a second.
    const bool due = !m_sinceShown.isValid() || (m_terminal && fileDone) ||
        m_sinceShown.elapsed() >= (m_terminal ? kTerminalIntervalMs : kLogIntervalMs);
    if (!due)
        return;
    m_sinceShown.start();
    const QString text = m_sn + ": downloading, " + m_progress.text();
    QTextStream err(stderr);
    if (m_terminal)
        err << "\r\x1b[K" << text;
    else
        err << text << "\n";
}
