#pragma once

#include "device/DeviceManager.h"

#include <QDialog>
#include <QStringList>

class DownloadDeviceWidget;
class QListWidgetItem;

namespace Ui {
class SyncDlg;
}

// The download dialog: lists the connected monitors, downloads the selected
// one, and when the download ends has it stored and its files moved into the
// device folder. It owns the device manager, so discovery runs while the
// main window lives, whether the dialog is shown or not. A monitor that is
// plugged in but may not be opened is named with the way to let the user in.
class SyncDlg : public QDialog
{
    Q_OBJECT
public:
    explicit SyncDlg(QWidget* parent = nullptr, int refreshIntervalMs = DeviceManager::kRefreshIntervalMs);
    ~SyncDlg() override;

    bool isDownloading() const { return m_downloading; }

signals:
    // A download was stored for the device of that serial number.
    void downloadEnd(QString sn);
    // Serial numbers of the monitors that went away and that came.
    void connectChange(QStringList lostConnect, QStringList newConnect);

public slots:
    void refreshDevList();
    void onDownloadEnd(QString path);
    void on_btnRefresh_clicked();
    void on_btnDownload_clicked();
    void on_btnOK_clicked();
    void onItemDoubleClicked(QListWidgetItem* item);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Closing the dialog dismisses the rows of monitors that went away during their download.
    void hideEvent(QHideEvent* event) override;

private:
    DownloadDeviceWidget* rowWidget(int row) const;
    DownloadDeviceWidget* rowWidget(const QString& sn) const;
    // The list, or the hint to plug a monitor in when there is none; and the
    // monitors that may not be opened.
    void showMonitorPresence();
    void startDownload();
    void applyStyleSheet();

    Ui::SyncDlg* ui;
    DeviceManager* m_manager;
    bool m_downloading = false;
    QString m_downloadingSn;
};
