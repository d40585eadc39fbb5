#include "ui/settings/SettingDlg.h"
#include "ui_SettingDlg.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"
#include "sync/MoveFileThread.h"
#include "ui/MyMessageBox.h"
#include "ui/settings/SetDataDirDlg.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

struct Language
{
    const char* name;
    int code;
};

// Each language is named in its own tongue, so nobody needs a translation to find theirs.
const Language kLanguages[] = {
    {"English", 1}, {"Fran\u00e7ais", 3}, {"Deutsch", 4}, {"Italiano", 5}, {"Espa\u00f1ol", 6},
};

bool anyModelOffers(const QList<int>& models, std::initializer_list<int> types)
{
    for (int model : models) {
        for (int type : types) {
            if (DeviceModel::of(model).offers(type))
                return true;
        }
    }
    return false;
}

} // namespace

SettingDlg::SettingDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::SettingDlg)
    , m_progressTimer(new QTimer(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const Config* config = Config::instance();
    (config->isKilometre() ? ui->radioMetric : ui->radioImperial)->setChecked(true);
    (config->isCelsius() ? ui->radioCelsuis : ui->radioFahrenheight)->setChecked(true);
    showUnitGroups();
    fillLanguages();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    ui->editDataDir->setText(QDir::toNativeSeparators(config->dataDir()));
    ui->progressBar->hide();
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, &SettingDlg::onMoveProgress);
}

SettingDlg::~SettingDlg()
{
    delete ui;
}

void SettingDlg::showUnitGroups()
{
    QList<int> models;
    for (const DeviceInfo& device : DbOperator::instance()->allDevices())
        models << device.modelType;
    // Spot checks, SpO2-with-temperature checks and multi-tests show temperatures as well.
    ui->gbxTemp->setVisible(anyModelOffers(
        models, {CheckType::Temperature, CheckType::SpotCheck, CheckType::Spo2Temp, CheckType::MultiTest}));
    ui->gbxDistance->setVisible(anyModelOffers(models, {CheckType::Pedometer}));
}

void SettingDlg::fillLanguages()
{
    for (const Language& language : kLanguages)
        ui->comboBox->addItem(QString::fromUtf8(language.name), language.code);
    // Codes 0 and 2 are editions, not list entries: nothing is selected then.
    ui->comboBox->setCurrentIndex(ui->comboBox->findData(Config::instance()->language()));
}

void SettingDlg::storeSettings()
{
    Config* config = Config::instance();
    config->setCelsius(ui->radioCelsuis->isChecked());
    config->setKilometre(ui->radioMetric->isChecked());
    // Without a picked entry the configured edition stays as it is.
    if (ui->comboBox->currentIndex() >= 0) {
        const int code = ui->comboBox->currentData().toInt();
        if (code != config->language()) {
            config->setLanguage(code);
            ui->retranslateUi(this);
        }
    }
    config->saveConfig();
}

void SettingDlg::on_buttonBox_accepted()
{
    if (m_busy)
        return;
    const QString oldDir = Config::instance()->dataDir();
    const QString newDir = QDir::cleanPath(QDir::fromNativeSeparators(ui->editDataDir->text().trimmed()));
    const bool move = !newDir.isEmpty() && DataDirMover::check(oldDir, newDir) != DataDirMover::Check::Same;
    if (move) {
        switch (DataDirMover::check(oldDir, newDir)) {
        case DataDirMover::Check::Subdirectory:
            MyMessageBox::question(this, tr("Message"), tr("Can not select subdirectory."), QMessageBox::Ok,
                                   QMessageBox::Ok);
            return;
        case DataDirMover::Check::NotAFolder:
            MyMessageBox::question(this, tr("Message"), tr("The chosen path is a file, not a folder."), QMessageBox::Ok,
                                   QMessageBox::Ok);
            return;
        case DataDirMover::Check::Same:
        case DataDirMover::Check::Move: break;
        }
    }
    storeSettings();
    emit configChange();
    if (!move || !startMove(newDir))
        accept();
}

bool SettingDlg::startMove(const QString& newDir)
{
    m_busy = true;
    const QString oldDir = Config::instance()->dataDir();
    ui->progressBar->setRange(0, qMax(1, DataDirMover::countFiles(oldDir)));
    ui->progressBar->setValue(0);
    ui->progressBar->show();
    ui->buttonBox->hide();
    ui->groupBox_5->setEnabled(false);
    m_mover = new MoveFileThread(this);
    m_mover->setNewDir(newDir);
    m_mover->setOldDir(oldDir);
    m_mover->setDbFileName(Vitacor::kDbFileName);
    connect(m_mover, &MoveFileThread::moveFinish, this, &SettingDlg::moveFinish, Qt::QueuedConnection);
    m_mover->start();
    m_progressTimer->start();
    return true;
}

void SettingDlg::onMoveProgress()
{
    if (m_mover && m_mover->fileCount() > 0) {
        ui->progressBar->setMaximum(m_mover->fileCount());
        ui->progressBar->setValue(m_mover->filesDone());
    }
}

void SettingDlg::moveFinish()
{
    m_progressTimer->stop();
    m_mover->wait();
    m_busy = false;
    ui->progressBar->setValue(ui->progressBar->maximum());
    const DataDirMover* mover = m_mover->mover();
    const QString oldDir = QDir::toNativeSeparators(m_mover->oldDir());
    const QString newDir = QDir::toNativeSeparators(m_mover->newDir());
    switch (m_mover->outcome()) {
    case DataDirMover::Outcome::Moved:
        Config::instance()->saveConfig();
        emit dataChange();
        if (!mover->kept().isEmpty())
            MyMessageBox::error(this, tr("Message"),
                                tr("Some files could be neither moved nor copied; they stay in %1.").arg(oldDir));
        break;
    case DataDirMover::Outcome::FolderNotCreated:
        MyMessageBox::error(this, tr("Message"), tr("Create directory failed."));
        break;
    case DataDirMover::Outcome::DatabaseNotCopied:
    case DataDirMover::Outcome::DatabaseNotOpened:
        MyMessageBox::error(this, tr("Message"),
                            tr("The record database could not be copied to %1. Your data stays in %2; nothing "
                               "was moved.")
                                .arg(newDir, oldDir));
        break;
    }
    accept();
}

void SettingDlg::on_buttonBox_rejected()
{
    close();
}

void SettingDlg::reject()
{
    if (!m_busy)
        QDialog::reject();
}

void SettingDlg::closeEvent(QCloseEvent* event)
{
    if (m_busy)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void SettingDlg::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (m_busy && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_End))
        return;
    QDialog::keyPressEvent(event);
}

void SettingDlg::on_btnDataDir_clicked()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Browser"), Config::instance()->dataDir(),
                                                          QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        ui->editDataDir->setText(QDir::toNativeSeparators(dir));
}

void SettingDlg::on_btnImport_clicked()
{
    auto* dialog = new SetDataDirDlg(SetDataDirDlg::Mode::ImportOnly, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    connect(dialog, &SetDataDirDlg::importFinished, this, &SettingDlg::dataChange);
    dialog->show();
}
