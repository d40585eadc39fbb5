#pragma once

#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"
#include "sync/DownloadContext.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

class DownloadFolder;
class DownloadStrategy;
class XHarvo2;

// One connected monitor: identified on the thread that runs the discovery,
// then moved into a worker thread of its own on which its whole download runs.
// Shared through std::shared_ptr by the device manager and the download list.
class VitacorDevice : public QObject
{
    Q_OBJECT
public:
    enum State { Offline = 0, Connected = 1, Downloading = 2 };

    explicit VitacorDevice(QObject* parent = nullptr);
    // Quits the worker thread and waits for it, so a running download ends first.
    ~VitacorDevice() override;

    // The process-wide lock that makes the discovery's state check and ping of a
    // device exclusive with that device's entry into the downloading state.
    static QMutex& stateLock();

    // Identifies the monitor, reads its branch code and starts the worker thread.
    bool connectDevice();
    // Sends the closing command, which also closes the transport.
    void disconnectDevice();
    bool pingDevice();
    // Enters the downloading state and asks the worker thread to download with
    // that context; false when a download is already running or asked for.
    bool requestDownload(const DownloadContext& context);

    int state() const { return m_state.loadAcquire(); }
    // The 30-byte device information block, with the serial number the program uses.
    const DeviceInfo& deviceInfo() const { return m_info; }
    int modelType() const;
    DeviceModel model() const { return DeviceModel::of(modelType()); }
    // Key prefix of the model followed by the serial number, e.g. "Cardivane_000000".
    QString deviceKey() const { return m_key; }
    // Safe as a folder name: trimmed, without separators or "..", never empty.
    QString serialNumber() const { return m_sn; }
    // "V<byte 22>.<byte 21>" of the device information.
    QString versionText() const { return m_version; }
    QString branchCode() const { return m_info.branchcode; }
    // The folder of the last ended download, with its notes, for its finisher;
    // empty when none is left. Removed with its lock when let go.
    std::shared_ptr<DownloadFolder> takeDownloadFolder();

signals:
    // Asks the worker thread to download (queued into it).
    void signalDownloadAllFile();
    // The end of a download; `path` is the download folder, ending in '/'.
    void downloadEnd(bool isComplete, QString path);
    // Files handled of the total; the total is never negative nor below the count.
    void fileDownloadProgress(int fileDownloaded, int totalFile);
    // Bytes of the file being copied.
    void singleFileDownloadProgress(int current, int total);

public slots:
    // The whole download, on the worker thread: "dev.dat", then the model's strategy.
    void downloadAllFile_SLOT();

private:
    bool download(DownloadFolder& folder, const DownloadContext& context);
    bool writeDeviceFile(DownloadFolder& folder) const;
    void setState(State state) { m_state.storeRelease(state); }

    XHarvo2* m_protocol;
    QAtomicInt m_state{Offline};
    DeviceInfo m_info;
    QString m_key;
    QString m_version;
    QString m_sn;
    QThread m_thread;
    std::shared_ptr<DownloadStrategy> m_strategy;
    // Guards the folder and the context of the requested download, which cross threads.
    QMutex m_folderMutex;
    std::shared_ptr<DownloadFolder> m_folder;
    DownloadContext m_context;
};
