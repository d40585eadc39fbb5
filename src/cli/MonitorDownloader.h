#pragma once

#include "cli/DownloadProgress.h"
#include "sync/DownloadFinisher.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QString>

#include <memory>

class DeviceManager;
class VitacorDevice;

// Downloads one monitor at a time through the device manager, shows the file
// and byte progress on stderr and finishes each download into the data
// directory, as the download dialog does.
class MonitorDownloader : public QObject
{
    Q_OBJECT
public:
    struct Report
    {
        QString sn;
        int modelType = 0;
        QString model;
        bool complete = false;
        int files = 0;
        DownloadFinisher::Result finish;
    };

    explicit MonitorDownloader(DeviceManager& manager);

    // Blocks (running the event loop) until the download has ended and was finished.
    Report download(const std::shared_ptr<VitacorDevice>& device);

private slots:
    void onFiles(int done, int total);
    void onBytes(int done, int total);
    void onDownloadEnd(const QString& path);

private:
    void show(bool fileDone);

    DeviceManager& m_manager;
    DownloadFinisher m_finisher;
    QEventLoop m_loop;
    DownloadProgress m_progress;
    QString m_sn;
    QString m_path;
    // On a terminal the line is redrawn in place; elsewhere a line is added
    // at most once a second.
    const bool m_terminal;
    QElapsedTimer m_sinceShown;
};
