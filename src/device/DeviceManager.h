#pragma once

#include "device/VitacorDevice.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

class QTimer;

// Finds monitors on USB and keeps the list of connected ones: every refresh
// (each 2000 ms on its own thread, or on request) pings the listed monitors,
// drops those that stop answering, and identifies new ones up to ten.
class DeviceManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxDevices = 10;
    static constexpr int kRefreshIntervalMs = 2000;
    static constexpr int kPingRetryMs = 100;

    // Moves itself into its own thread, so it takes no parent; the first refresh
    // comes one interval later, driven by a timer of the constructing thread.
    DeviceManager();
    // Stops the refresh and its thread, then disconnects every listed monitor.
    ~DeviceManager() override;

    // A copy of the list of connected monitors.
    QList<std::shared_ptr<VitacorDevice>> devices();
    // Starts the download of the monitor at that index of the list, unless it is downloading.
    void downloadDevice(int index);

signals:
    // The list changed: a monitor was found or dropped.
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

    QMutex m_listMutex;
    QList<std::shared_ptr<VitacorDevice>> m_devices;
    QTimer* m_timer;
    QThread m_thread;
};
