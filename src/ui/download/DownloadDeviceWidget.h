#pragma once

#include <QWidget>

#include <memory>

class VitacorDevice;

namespace Ui {
class DownloadDeviceWidget;
}

// One connected monitor in the download dialog's list, following the
// progress of its download. Holds its device, so a dropped monitor lives on
// while its row exists.
class DownloadDeviceWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DownloadDeviceWidget(std::shared_ptr<VitacorDevice> device, QWidget* parent = nullptr);
    ~DownloadDeviceWidget() override;

    std::shared_ptr<VitacorDevice> device() const { return m_device; }
    // The download was asked for: the row waits for its first file (the monitor's lock, the scratch folder).
    void showStarted();
    // The outcome of the finished download, one line each, in place of the progress text; shown also
    // when the download failed before its first file.
    void showResult(const QStringList& lines);
    QString resultText() const;
    // The download arrived but could not be stored, or the monitor went away during it.
    void showDownloadFailed();

protected:
    void hideEvent(QHideEvent* event) override;

private slots:
    void onFileDownloadProgress(int fileDownloaded, int totalFile);
    void onSingleFileDownloadProgress(int current, int total);
    void onDownloadEnd(bool isComplete, QString path);

private:
    // Idle: the device's model, serial and version; progress: the bar and its text.
    enum class View { Idle, Progress };
    void showView(View view);

    Ui::DownloadDeviceWidget* ui;
    std::shared_ptr<VitacorDevice> m_device;
    // The dialog's result may arrive before the device's own end of the download.
    bool m_resultShown = false;
};
