#include "ui/download/SyncDlg.h"
#include "ui_SyncDlg.h"

#include "device/HidClass.h"
#include "sync/DownloadContext.h"
#include "sync/DownloadFinisher.h"
#include "sync/DownloadFolder.h"
#include "ui/MyMessageBox.h"
#include "ui/download/DownloadDeviceWidget.h"

#include <QCloseEvent>
#include <QDebug>
#include <QFile>

namespace {

// Set on the row of a monitor that went away during its download.
constexpr int kUnpluggedRole = Qt::UserRole + 1;
// Set on the row whose last download failed.
constexpr int kFailedRole = Qt::UserRole + 2;

} // namespace

SyncDlg::SyncDlg(QWidget* parent, int refreshIntervalMs)
    : QDialog(parent)
    , ui(new Ui::SyncDlg)
    , m_manager(new DeviceManager(refreshIntervalMs))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->btnRefresh->hide();
    ui->btnOK->hide();
    applyStyleSheet();
    showMonitorPresence();

    connect(m_manager, &DeviceManager::hasNewConnect, this, &SyncDlg::refreshDevList);
    connect(m_manager, &DeviceManager::deviceDownloadEnd, this, &SyncDlg::onDownloadEnd);
    connect(ui->listWidget, &QListWidget::itemDoubleClicked, this, &SyncDlg::onItemDoubleClicked);
}

SyncDlg::~SyncDlg()
{
    // The rows share the devices with the manager; let go of them first so
    // the manager's disconnects are the last word to each monitor.
    ui->listWidget->clear();
    delete m_manager;
    delete ui;
}

void SyncDlg::hideEvent(QHideEvent* event)
{
    for (int row = ui->listWidget->count() - 1; row >= 0; --row) {
        if (ui->listWidget->item(row)->data(kUnpluggedRole).toBool())
            delete ui->listWidget->takeItem(row);
    }
    showMonitorPresence();
    QDialog::hideEvent(event);
}

void SyncDlg::applyStyleSheet()
{
    QFile qss(":/res/qss/sync.qss");
    if (qss.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(qss.readAll()));
}

DownloadDeviceWidget* SyncDlg::rowWidget(int row) const
{
    return qobject_cast<DownloadDeviceWidget*>(ui->listWidget->itemWidget(ui->listWidget->item(row)));
}

void SyncDlg::refreshDevList()
{
    QList<std::shared_ptr<VitacorDevice>> remaining = m_manager->devices();
    QStringList lost;
    QStringList added;

    QStringList present;
    for (const std::shared_ptr<VitacorDevice>& device : qAsConst(remaining))
        present << device->serialNumber();
    for (int row = 0; row < ui->listWidget->count();) {
        QListWidgetItem* item = ui->listWidget->item(row);
        const std::shared_ptr<VitacorDevice> device = rowWidget(row)->device();
        const bool unplugged = item->data(kUnpluggedRole).toBool();
        if (!unplugged && remaining.removeOne(device)) {
            ++row;
            continue;
        }
        if (unplugged && !present.contains(device->serialNumber())) {
            ++row;
            continue;
        }
        if (!unplugged)
            lost << device->serialNumber();
        const bool wasDownloading = m_downloading && m_downloadingSn == device->serialNumber();
        if (wasDownloading) {
            m_downloading = false;
            m_downloadingSn.clear();
        }
        if (wasDownloading || item->data(kFailedRole).toBool()) {
            // The user must see that this download came to nothing; the row stays until replug or close.
            item->setData(kUnpluggedRole, true);
            item->setFlags(Qt::ItemIsEnabled);
            rowWidget(row)->showDownloadFailed();
            ++row;
            continue;
        }
        delete ui->listWidget->takeItem(row);
    }

    for (const std::shared_ptr<VitacorDevice>& device : remaining) {
        auto* item = new QListWidgetItem(ui->listWidget);
        item->setSizeHint(QSize(10, 110));
        ui->listWidget->setItemWidget(item, new DownloadDeviceWidget(device));
        added << device->serialNumber();
    }

    if (ui->listWidget->selectedItems().isEmpty() && ui->listWidget->count() > 0)
        ui->listWidget->setCurrentRow(0);
    showMonitorPresence();
    emit connectChange(lost, added);
}

void SyncDlg::showMonitorPresence()
{
    const bool any = ui->listWidget->count() > 0;
    const QStringList denied = m_manager->deniedNodes();
    ui->listWidget->setVisible(any);
    ui->labelNoMonitor->setVisible(!any && denied.isEmpty());
    ui->btnDownload->setEnabled(any);
    ui->labelAccessDenied->setVisible(!denied.isEmpty());
    ui->labelAccessDenied->setText(
        tr("A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with "
           "the program as %2, then unplug the monitor and plug it in again.")
            .arg(denied.join(", "), HidClass::kUdevRulePath));
}

void SyncDlg::startDownload()
{
    if (m_downloading)
        return;
    const QList<QListWidgetItem*> selected = ui->listWidget->selectedItems();
    if (selected.isEmpty())
        return;
    const std::shared_ptr<VitacorDevice> device = rowWidget(ui->listWidget->row(selected.first()))->device();
    // The row's own device, looked up in the manager's list: rows and list
    // may briefly differ while a refresh is on its way.
    const int index = m_manager->devices().indexOf(device);
    if (index < 0)
        return;
    m_downloading = true;
    m_downloadingSn = device->serialNumber();
    // Gathered here, on the thread that owns the record store, never on the device's worker.
    m_manager->downloadDevice(index, DownloadContext::gather(m_downloadingSn));
    rowWidget(ui->listWidget->row(selected.first()))->showStarted();
}

namespace {

// The lines a finished download shows in its row.
QStringList resultLines(const DownloadFinisher::Result& result)
{
    const DownloadNotes& notes = result.notes;
    if (notes.busy)
        return {SyncDlg::tr("Another download of this monitor is running")};
    if (result.outcome == DownloadFinisher::Outcome::NoDownload && !notes.writeFailure.isEmpty())
        return {SyncDlg::tr("Download failed: the data directory cannot be written (%1)").arg(notes.writeFailure)};
    if (result.outcome == DownloadFinisher::Outcome::NoDownload)
        return {SyncDlg::tr("Download failed. Check the cable")};
    if (!result.isStored())
        return {SyncDlg::tr("Download failed")};
    QStringList lines{SyncDlg::tr("Download completed")};
    if (notes.holterNotDownloaded)
        lines << SyncDlg::tr("Holter recording not downloaded");
    if (notes.invalidTimes > 0)
        lines << SyncDlg::tr("%n record(s) without a valid time passed over", "", notes.invalidTimes);
    if (!notes.conflicts.isEmpty())
        lines << SyncDlg::tr("%n check(s) not stored: a stored check of another type has the same time", "",
                             notes.conflicts.size());
    if (!notes.rejectedRecordings.isEmpty())
        lines << SyncDlg::tr("Holter recording not stored: its size or duration disagrees with its header");
    if (!notes.writeFailure.isEmpty())
        lines << SyncDlg::tr("The download folder could not be removed (%1)").arg(notes.writeFailure);
    return lines;
}

} // namespace

DownloadDeviceWidget* SyncDlg::rowWidget(const QString& sn) const
{
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        if (rowWidget(row)->device()->serialNumber() == sn)
            return rowWidget(row);
    }
    return nullptr;
}

void SyncDlg::onDownloadEnd(QString path)
{
    const QString sn = m_downloadingSn;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        if (rowWidget(row)->device()->serialNumber() == sn)
            ui->listWidget->item(row)->setData(kFailedRole, path.isEmpty());
    }
    DownloadDeviceWidget* row = rowWidget(sn);
    const std::shared_ptr<DownloadFolder> folder = row ? row->device()->takeDownloadFolder() : nullptr;
    if (folder) {
        const DownloadFinisher::Result result = DownloadFinisher().finish(*folder, !path.isEmpty());
        row->showResult(resultLines(result));
        if (result.isStored()) {
            emit downloadEnd(result.sn);
        } else if (!path.isEmpty()) {
            auto* box = new MyMessageBox(QMessageBox::Warning, tr("Download"),
                                         tr("The files of %1 arrived but could not be stored; nothing of this "
                                            "download was kept. Try the download again.")
                                             .arg(sn),
                                         QMessageBox::Ok, this);
            box->setInformativeText(result.reason);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
    }
    m_downloading = false;
    m_downloadingSn.clear();
}

void SyncDlg::on_btnRefresh_clicked()
{
    m_manager->onRefreshDevice();
}

void SyncDlg::on_btnDownload_clicked()
{
    startDownload();
}

void SyncDlg::on_btnOK_clicked()
{
    if (!m_downloading)
        accept();
}

void SyncDlg::onItemDoubleClicked(QListWidgetItem*)
{
    startDownload();
}

void SyncDlg::closeEvent(QCloseEvent* event)
{
    if (m_downloading)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void SyncDlg::reject()
{
    // Escape and the window's close button both come here.
    if (!m_downloading)
        QDialog::reject();
}
