#pragma once

#include "device/VitacorDevice.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

class QTimer;

// Finds monitors on USB and keeps the list of connected ones: every refresh
// (each interval on its own thread, or on request) pings the listed monitors,
// drops those that stop answering, identifies new ones up to ten, and notes
// the monitors that are plugged in but may not be opened.
class DeviceManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxDevices = 10;
    static constexpr int kRefreshIntervalMs = 2000;
    static constexpr int kPingRetryMs = 100;

    // Moves itself into its own thread, so it takes no parent; the first refresh
    // comes one interval later, driven by a timer of the constructing thread.
    // The program refreshes every kRefreshIntervalMs; tests need not wait as long.
    explicit DeviceManager(int refreshIntervalMs = kRefreshIntervalMs);
    // Stops the refresh and its thread, then disconnects every listed monitor.
    ~DeviceManager() override;

    // A copy of the list of connected monitors.
    QList<std::shared_ptr<VitacorDevice>> devices();
    // Starts the download of the monitor at that index of the list, unless it
    // is downloading; the context is gathered by the caller (DownloadContext::gather).
    void downloadDevice(int index, const DownloadContext& context);
    // The device nodes of monitors plugged in that this process may not open
    // (no permission), as the last refresh found them.
    QStringList deniedNodes();

signals:
    // The list changed: a monitor was found or dropped, or the denied nodes changed.
    void hasNewConnect();
    // A download ended: the temporary folder of a complete one, an empty path for a failed one.
    void deviceDownloadEnd(QString path);

public slots:
    void onRefreshDevice();
    // Passes the end on, with an empty path for a failed download.
    void onDeviceDownloadEnd(bool isComplete, QString path);

private:
    // Pings the listed monitors and drops those that fail twice; true when one was dropped.
    bool pingDevices();
    // Identifies monitors not yet listed; true when one was added.
    bool connectNewDevices();
    // Asks the transport for the nodes it may not open; true when they changed.
    bool updateDeniedNodes();

    QMutex m_listMutex;
    QList<std::shared_ptr<VitacorDevice>> m_devices;
    QStringList m_deniedNodes;
    QTimer* m_timer;
    QThread m_thread;
};
