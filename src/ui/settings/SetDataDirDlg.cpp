#include "ui/settings/SetDataDirDlg.h"
#include "ui_SetDataDirDlg.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "sync/ImportModel.h"
#include "ui/MyMessageBox.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

SetDataDirDlg::SetDataDirDlg(Mode mode, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::SetDataDirDlg)
    , m_mode(mode)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    ui->editDataDir->setText(QDir::toNativeSeparators(Config::instance()->dataDir()));
    if (mode == Mode::ImportOnly) {
        setWindowTitle(tr("Import data of the older program"));
        ui->editDataDir->setReadOnly(true);
        ui->pushButton->hide();
    }
    ui->progressBar->hide();
    const bool detected = !LegacyImporter::detectInstallations(LegacyImporter::wineDriveC()).isEmpty();
    (detected ? ui->radioAutoDetected : ui->radioManualInput)->setChecked(true);
    on_radioManualInput_toggled(!detected);
    m_timer->setInterval(300);
    connect(m_timer, &QTimer::timeout, this, &SetDataDirDlg::onTimeout);
}

SetDataDirDlg::~SetDataDirDlg()
{
    if (m_thread) {
        m_thread->quit();
        m_thread->wait();
    }
    delete m_model;
    delete ui;
}

void SetDataDirDlg::setAppPathEditable(bool editable)
{
    ui->editAppPath->setReadOnly(!editable);
    ui->editAppPath->setStyleSheet(QString("QLineEdit{background-color:%1}").arg(editable ? "white" : "#F0F0F0"));
}

void SetDataDirDlg::on_radioAutoDetected_toggled(bool checked)
{
    if (!checked)
        return;
    ui->editAppPath->setText(
        QDir::toNativeSeparators(LegacyImporter::detectInstallations(LegacyImporter::wineDriveC()).join(';')));
    setAppPathEditable(false);
}

void SetDataDirDlg::on_radioManualInput_toggled(bool checked)
{
    if (checked)
        setAppPathEditable(true);
    ui->btnGetAppPath->setEnabled(checked);
}

void SetDataDirDlg::on_pushButton_clicked()
{
    const QString dir =
        QFileDialog::getExistingDirectory(this, tr("Browser"), ui->editDataDir->text(), QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        ui->editDataDir->setText(QDir::toNativeSeparators(dir));
}

void SetDataDirDlg::on_btnGetAppPath_clicked()
{
    const QString dir =
        QFileDialog::getExistingDirectory(this, tr("Browser"), ui->editAppPath->text(), QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        ui->editAppPath->setText(QDir::toNativeSeparators(dir));
}

bool SetDataDirDlg::useDataDir(const QString& dir)
{
    Config* config = Config::instance();
    const QString previous = config->dataDir();
    // Set first, so a record store made now opens in the chosen folder, not in the default one.
    config->setDataDir(dir);
    DbOperator* db = DbOperator::instance();
    if (!db->reopenAfter([] {})) {
        const QString problem = db->healthText();
        db->reopenAfter([&] { config->setDataDir(previous); });
        MyMessageBox::error(this, tr("Message"), problem);
        return false;
    }
    config->setFirstStart(false);
    config->saveConfig();
    return true;
}

void SetDataDirDlg::on_buttonBox_accepted()
{
    if (isImporting())
        return;
    const QString dir = QDir::cleanPath(QDir::fromNativeSeparators(ui->editDataDir->text().trimmed()));
    if (dir.isEmpty())
        return;
    if (!QDir().mkpath(dir)) {
        MyMessageBox::question(this, tr("Message"), tr("Create directory failed."), QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    const QString sources = ui->editAppPath->text().trimmed();
    if (!sources.isEmpty() && LegacyImporter::monitorFolders(LegacyImporter::sourceDirs(sources)).isEmpty()) {
        MyMessageBox::question(this, tr("Message"),
                               tr("No \"Vitacor_\" folder of the older program was found in %1.").arg(sources),
                               QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (m_mode == Mode::FirstStart && !useDataDir(dir))
        return;
    if (sources.isEmpty()) {
        accept();
        return;
    }

    ui->progressBar->setRange(0, 0);
    ui->progressBar->show();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setEnabled(false);
    ui->grpDataDir->setEnabled(false);
    setAppPathEditable(false);
    ui->radioAutoDetected->setEnabled(false);
    ui->radioManualInput->setEnabled(false);
    ui->btnGetAppPath->setEnabled(false);
    m_model = new ImportModel(sources, Config::instance()->dataDir());
    m_thread = new QThread(this);
    connect(this, &SetDataDirDlg::startImport, m_model, &ImportModel::onStartImport);
    m_model->moveToThread(m_thread);
    m_thread->start();
    m_timer->start();
    emit startImport();
}

void SetDataDirDlg::onTimeout()
{
    if (!m_model)
        return;
    const LegacyImporter& importer = m_model->importer();
    if (importer.folderCount() > 0) {
        ui->progressBar->setRange(0, importer.folderCount());
        ui->progressBar->setValue(importer.foldersDone());
    }
    if (!m_model->isFinished())
        return;
    m_timer->stop();
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    showImportResult();
    emit importFinished();
    accept();
}

void SetDataDirDlg::showImportResult()
{
    if (!m_model->succeeded()) {
        MyMessageBox::error(this, tr("Message"),
                            tr("The data of some monitors could not be stored; the others were imported."));
    }
}

void SetDataDirDlg::on_buttonBox_rejected()
{
    reject();
}

void SetDataDirDlg::reject()
{
    if (!isImporting())
        QDialog::reject();
}

void SetDataDirDlg::closeEvent(QCloseEvent* event)
{
    if (isImporting())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
