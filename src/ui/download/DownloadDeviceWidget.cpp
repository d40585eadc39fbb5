#include "ui/download/DownloadDeviceWidget.h"
#include "ui_DownloadDeviceWidget.h"

#include "device/VitacorDevice.h"

#include <QPixmap>

namespace {

// Download totals can be unknown (-1) or smaller than the files counted.
void setProgress(QProgressBar* bar, int value, int total)
{
    const int maximum = qMax(qMax(total, value), 0);
    bar->setRange(0, maximum);
    bar->setValue(qBound(0, value, maximum));
}

} // namespace

DownloadDeviceWidget::DownloadDeviceWidget(std::shared_ptr<VitacorDevice> device, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DownloadDeviceWidget)
    , m_device(std::move(device))
{
    ui->setupUi(this);
    const DeviceModel model = m_device->model();
    ui->labelDevImage->setPixmap(QPixmap(model.listPicture()));
    ui->labelDeviceName->setText(m_device->deviceKey());
    ui->labelDevString->setText(model.name());
    ui->labelSN->setText(tr("Serial Number:") + " " + m_device->serialNumber());
    ui->labelVersion->setText(tr("Software Version:") + " " + m_device->versionText());
    ui->labelProgress->setText(tr("Downloading..."));
    showView(View::Idle);

    connect(m_device.get(), &VitacorDevice::fileDownloadProgress, this, &DownloadDeviceWidget::onFileDownloadProgress);
    connect(m_device.get(), &VitacorDevice::singleFileDownloadProgress, this,
            &DownloadDeviceWidget::onSingleFileDownloadProgress);
    connect(m_device.get(), &VitacorDevice::downloadEnd, this, &DownloadDeviceWidget::onDownloadEnd);
}

DownloadDeviceWidget::~DownloadDeviceWidget()
{
    delete ui;
}

void DownloadDeviceWidget::showStarted()
{
    // An empty range shows the bar busy until the file count is known.
    ui->progressBar->setRange(0, 0);
    ui->labelProgress->setText(tr("Downloading..."));
    ui->labelProgress->setToolTip(QString());
    m_resultShown = false;
    showView(View::Progress);
}

void DownloadDeviceWidget::showResult(const QStringList& lines)
{
    showView(View::Progress);
    ui->labelProgress->setText(lines.join('\n'));
    ui->labelProgress->setToolTip(lines.join('\n'));
    m_resultShown = true;
}

QString DownloadDeviceWidget::resultText() const
{
    return ui->labelProgress->text();
}

void DownloadDeviceWidget::showDownloadFailed()
{
    showView(View::Progress);
    ui->labelProgress->setText(tr("Download failed"));
}

void DownloadDeviceWidget::hideEvent(QHideEvent* event)
{
    showView(View::Idle);
    QWidget::hideEvent(event);
}

void DownloadDeviceWidget::onFileDownloadProgress(int fileDownloaded, int totalFile)
{
    setProgress(ui->progressBar, fileDownloaded, totalFile);
    ui->labelProgress->setText(tr("Downloading..."));
    m_resultShown = false;
    showView(View::Progress);
}

void DownloadDeviceWidget::onSingleFileDownloadProgress(int current, int total)
{
    setProgress(ui->progressBarSingleFile, current, total);
}

void DownloadDeviceWidget::onDownloadEnd(bool isComplete, QString)
{
    // A download that ended before its first file leaves no busy bar behind.
    const int maximum = qMax(ui->progressBar->maximum(), 1);
    ui->progressBar->setRange(0, maximum);
    ui->progressBar->setValue(isComplete ? maximum : ui->progressBar->value());
    if (!m_resultShown) {
        showView(View::Progress);
        ui->labelProgress->setText(isComplete ? tr("Download completed") : tr("Download failed"));
    }
}

void DownloadDeviceWidget::showView(View view)
{
    const bool progress = view == View::Progress;
    for (QWidget* identity : {ui->lblBlank, ui->labelDevString, ui->labelSN, ui->labelVersion})
        identity->setVisible(!progress);
    ui->progressBar->setVisible(progress);
    ui->labelProgress->setVisible(progress);
    // The single file's bar is kept up to date but never shown.
    ui->progressBarSingleFile->hide();
}
