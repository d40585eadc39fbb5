#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "sync/CheckEraser.h"
#include "ui/MyMessageBox.h"
#include "ui/download/SyncDlg.h"
#include "ui/records/CheckDispController.h"
#include "ui/records/TreeModelBuilder.h"
#include "ui/rows/CheckItemBase.h"
#include "ui/settings/Aboutme.h"
#include "ui/settings/SettingDlg.h"
#include "ui/viewers/ReportViewer.h"

#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QStandardItemModel>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , treeModel(new QStandardItemModel(this))
    , m_controller(new CheckDispController(this))
    , treeBuilder(std::make_unique<TreeModelBuilder>())
    , syncDlg(new SyncDlg(this))
{
    ui->setupUi(this);
    applyTitleAndIcon();
    ui->treeView->setIconSize(QSize(24, 24));
    applyToolTips();
    applyButtonIcons();

    m_controller->setList(ui->listWidget);
    m_controller->setReviewOpener(
        [this](const QString& sn, const CheckRecord& record) { return openViewer(sn, record); });
    syncDlg->setModal(true);
    treeBuilder->setModel(treeModel);
    treeBuilder->buildAll();
    ui->treeView->setModel(treeModel);
    ui->treeView->setHeaderHidden(true);
    hideFilters();
    updatePrintButtons();

    connect(ui->treeView, &TreeViewST::selectItemChanged, this, &MainWindow::onTreeSelectItemChanged);
    connect(ui->treeView, &QWidget::customContextMenuRequested, this, &MainWindow::onTreeViewCtxMenu);
    connect(m_controller, &CheckDispController::deleteCheckItem, this, &MainWindow::onDeleteCheckItem,
            Qt::DirectConnection);
    connect(m_controller, &CheckDispController::updateUserInfo, this, &MainWindow::onUpdateUsrInfo);
    connect(m_controller, &CheckDispController::sigProfileWidgetClicked, this, &MainWindow::onProfileWidgetClicked);
    connect(ui->listWidget, &QListWidget::itemSelectionChanged, this, &MainWindow::updatePrintButtons);
    connect(syncDlg, &SyncDlg::downloadEnd, this, &MainWindow::onDownloadEnd);
    connect(syncDlg, &SyncDlg::connectChange, this, &MainWindow::onConnectChanged, Qt::DirectConnection);
    if (treeModel->rowCount() > 0)
        ui->treeView->setCurrentIndex(treeModel->index(0, 0));

    applyStyleSheet();
    restoreGeometryFromConfig();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::applyTitleAndIcon()
{
    if (Config::instance()->isChineseEdition()) {
        setWindowTitle(tr("Vitacor Browser Pro", "zh_cn verion"));
    } else {
        setWindowIcon(QIcon(":/xharvo"));
        setWindowTitle(tr("Solvimara EX"));
    }
}

void MainWindow::applyToolTips()
{
    const QString multiSelect = tr("Select multiple records using CTRL and SHIFT key");
    ui->btnPrint->setToolTip(multiSelect);
    ui->btnPDF->setToolTip(multiSelect);
    ui->btnConn->setToolTip(tr("Connect"));
    ui->btnSetting->setToolTip(tr("Setting"));
    ui->btnAbout->setToolTip(tr("About me"));
}

void MainWindow::applyButtonIcons()
{
    const QList<QPair<QPushButton*, const char*>> buttons{{ui->btnConn, ":/connect"},
                                                          {ui->btnPrint, ":/printer"},
                                                          {ui->btnPDF, ":/saveAsPdf"},
                                                          {ui->btnSetting, ":/setting"},
                                                          {ui->btnAbout, ":/aboutme"}};
    for (const auto& button : buttons) {
        button.first->setIcon(QIcon(QString::fromLatin1(button.second)));
        button.first->setIconSize(QSize(28, 28));
    }
}

void MainWindow::applyStyleSheet()
{
    QFile qss(":/res/qss/mainwindow.qss");
    if (qss.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(qss.readAll()));
}

void MainWindow::restoreGeometryFromConfig()
{
    const Config* config = Config::instance();
    if (config->isMainWindowMaximized()) {
        showMaximized();
    } else if (!config->mainWindowSize().isEmpty()) {
        move(config->mainWindowPos());
        resize(config->mainWindowSize());
    }
}

void MainWindow::on_btnConn_clicked()
{
    syncDlg->show();
}

void MainWindow::onTreeSelectItemChanged(QModelIndex current, QModelIndex)
{
    showSelection(current);
}

void MainWindow::showSelection(const QModelIndex& current)
{
    hideFilters();
    if (!current.isValid()) {
        updatePrintButtons();
        return;
    }
    const int kind = current.data(TreeModelBuilder::KindRole).toInt();
    currentSn = current.data(TreeModelBuilder::SerialRole).toString();
    const int checkType = current.data(TreeModelBuilder::CheckTypeRole).toInt();
    if (kind == TreeModelBuilder::DeviceNode) {
        m_controller->showDevicePanel(currentSn, current.data(TreeModelBuilder::OnlineRole).toBool());
    } else {
        const QString userid = kind == TreeModelBuilder::UserNode ? storedUserId(current) : QString();
        m_controller->setQuery(currentSn, checkType, userid);
        m_controller->rebuildList();
        QModelIndex device = current;
        while (device.parent().isValid())
            device = device.parent();
        const bool twoUserMonitor = device.data(TreeModelBuilder::ModelRole).toInt() == DeviceModel::kQmr4Type;
        if (kind != TreeModelBuilder::UserNode && twoUserMonitor && m_controller->hasRecords())
            fillFilters();
    }
    updatePrintButtons();
}

void MainWindow::fillFilters()
{
    m_fillingFilters = true;
    ui->comboBox_result->clear();
    ui->comboBox_result->addItem(tr("All Results"));
    ui->comboBox_result->addItems(m_controller->distinctResults());
    ui->comboBox_user->clear();
    ui->comboBox_user->addItem(tr("All Users"));
    ui->comboBox_user->addItems(m_controller->distinctUsers());
    ui->comboBox_user->show();
    ui->comboBox_result->show();
    m_fillingFilters = false;
}

void MainWindow::hideFilters()
{
    m_fillingFilters = true;
    ui->comboBox_user->clear();
    ui->comboBox_result->clear();
    ui->comboBox_user->hide();
    ui->comboBox_result->hide();
    m_fillingFilters = false;
}

void MainWindow::on_comboBox_user_currentIndexChanged(QString)
{
    if (m_fillingFilters)
        return;
    if (!m_controller->hasRecords()) {
        hideFilters();
        return;
    }
    m_controller->filter(ui->comboBox_user->currentText(), ui->comboBox_result->currentText());
    updatePrintButtons();
}

void MainWindow::on_comboBox_result_currentIndexChanged(QString text)
{
    on_comboBox_user_currentIndexChanged(text);
}

void MainWindow::onDeleteCheckItem(QString sn, int checkFunc, QString userid)
{
    treeBuilder->decrementCount(sn, checkFunc, userid);
}

void MainWindow::onDownloadEnd(QString sn)
{
    treeBuilder->rebuildDevice(sn);
    QStandardItem* node = treeBuilder->deviceNode(sn);
    if (!node)
        return;
    const QModelIndex current = ui->treeView->currentIndex();
    if (!current.isValid())
        ui->treeView->setCurrentIndex(node->index());
    else if (current.data(TreeModelBuilder::SerialRole).toString() == sn)
        showSelection(current); // the list showed what the store held before this download
    ui->treeView->expand(ui->treeView->currentIndex());
}

bool MainWindow::canPrint() const
{
    const QModelIndex current = ui->treeView->currentIndex();
    return current.isValid() && current.data(TreeModelBuilder::KindRole).toInt() != TreeModelBuilder::DeviceNode &&
        CheckType::isPrintable(current.data(TreeModelBuilder::CheckTypeRole).toInt()) && m_controller->hasSelection();
}

QList<ReportData> MainWindow::selectedReports() const
{
    return ReportPrinting::reportsOf(currentSn, m_controller->selectedRecords());
}

void MainWindow::updatePrintButtons()
{
    const bool printable = canPrint();
    ui->btnPrint->setEnabled(printable);
    ui->btnPDF->setEnabled(printable);
}

void MainWindow::on_btnPrint_clicked()
{
    outputSelected(m_reports.print, m_reports.printHolter);
}

void MainWindow::on_btnPDF_clicked()
{
    outputSelected(m_reports.savePdf, m_reports.saveHolterPdf);
}

void MainWindow::outputSelected(const ReportCommands::Output& reports, const ReportCommands::HolterOutput& recordings)
{
    if (!canPrint())
        return;
    if (holterSelected())
        recordings(this, selectedRecordings());
    else
        reports(this, selectedReports());
}

bool MainWindow::holterSelected() const
{
    return ui->treeView->currentIndex().data(TreeModelBuilder::CheckTypeRole).toInt() == CheckType::Holter;
}

QList<HolterPdfBatch::Recording> MainWindow::selectedRecordings() const
{
    QList<HolterPdfBatch::Recording> recordings;
    for (const CheckRecord& record : m_controller->selectedRecords())
        recordings << HolterPdfBatch::Recording{currentSn, record.checkTimeText()};
    return recordings;
}

QDialog* MainWindow::openViewer(const QString& sn, const CheckRecord& record)
{
    ReportViewer* viewer = m_reports.openViewer(sn, record, this);
    if (viewer) {
        connect(viewer, &ReportViewer::updateUser, m_controller, [this, viewer] {
            m_controller->onViewerUserUpdated(viewer->data().checkTimeText(), viewer->data().user);
        });
    }
    return viewer;
}

void MainWindow::onConnectChanged(QStringList lostConn, QStringList newConn)
{
    for (int row = 0; row < treeModel->rowCount(); ++row) {
        QStandardItem* node = treeModel->item(row);
        const QString sn = node->data(TreeModelBuilder::SerialRole).toString();
        if (lostConn.contains(sn)) {
            node->setData(false, TreeModelBuilder::OnlineRole);
            treeBuilder->setOnlineIcon(node, false);
        }
        if (newConn.contains(sn)) {
            node->setData(true, TreeModelBuilder::OnlineRole);
            treeBuilder->setOnlineIcon(node, true);
        }
    }
    if (!newConn.isEmpty() && !m_controller->isReportViewerOpen())
        syncDlg->show();
    const QModelIndex current = ui->treeView->currentIndex();
    if (current.isValid() && current.data(TreeModelBuilder::KindRole).toInt() == TreeModelBuilder::DeviceNode)
        m_controller->setDevicePanelOnline(current.data(TreeModelBuilder::OnlineRole).toBool());
}

void MainWindow::onConfigChanged()
{
    // Rows made later read the new units themselves.
    for (CheckItemBase* row : m_controller->builtRows())
        row->unitsChanged();
}

void MainWindow::onDataChanged()
{
    const QList<DeviceInfo> devices = DbOperator::instance()->allDevices();
    // Newest first in the store; each new node goes on top, so the oldest is placed first.
    for (auto it = devices.crbegin(); it != devices.crend(); ++it) {
        const bool known = treeBuilder->deviceNode(it->sn) != nullptr;
        treeBuilder->rebuildDevice(it->sn);
        QStandardItem* node = treeBuilder->deviceNode(it->sn);
        if (!known && node) {
            node->setData(false, TreeModelBuilder::OnlineRole);
            treeBuilder->setOnlineIcon(node, false);
        }
    }
    const QModelIndex current = ui->treeView->currentIndex();
    if (current.isValid())
        showSelection(current);
    else if (treeModel->rowCount() > 0)
        ui->treeView->setCurrentIndex(treeModel->index(0, 0));
}

void MainWindow::on_btnAbout_clicked()
{
    auto* about = new Aboutme(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setModal(true);
    about->show();
}

void MainWindow::on_btnSetting_clicked()
{
    auto* settings = new SettingDlg(this);
    settings->setAttribute(Qt::WA_DeleteOnClose);
    settings->setModal(true);
    connect(settings, &SettingDlg::configChange, this, &MainWindow::onConfigChanged);
    connect(settings, &SettingDlg::dataChange, this, &MainWindow::onDataChanged);
    settings->show();
}

void MainWindow::onUpdateUsrInfo(QString sn, int checkFunc, const CheckUser* usr)
{
    if (usr)
        treeBuilder->relabelMultiTestUser(sn, checkFunc, *usr);
}

void MainWindow::onProfileWidgetClicked()
{
    updatePrintButtons();
}

bool MainWindow::ask(const QString& text)
{
    return MyMessageBox::question(this, tr("Delete"), text) == QMessageBox::Yes;
}

void MainWindow::onTreeViewCtxMenu(QPoint pos)
{
    const QModelIndex node = ui->treeView->indexAt(pos);
    if (!node.isValid())
        return;
    const int kind = node.data(TreeModelBuilder::KindRole).toInt();
    const int checkType = node.data(TreeModelBuilder::CheckTypeRole).toInt();
    const QPoint global = ui->treeView->viewport()->mapToGlobal(pos);
    QMenu menu(this);
    if (kind == TreeModelBuilder::DeviceNode) {
        QAction* all = menu.addAction(tr("Delete all items"));
        if (menu.exec(global) == all && ask(tr("Are you sure you want to delete all items?")))
            deleteDeviceChecks(node.data(TreeModelBuilder::SerialRole).toString());
        return;
    }
    if (kind == TreeModelBuilder::UserNode && checkType == CheckType::MultiTest) {
        QAction* remove = menu.addAction(tr("Delete"));
        if (menu.exec(global) == remove &&
            ask(tr("You are deleting %1. Do you want to continue?").arg(node.data(Qt::DisplayRole).toString())))
            deleteMultiTestUser(node);
        return;
    }
    // The menu acts on the node that was clicked, so that node's checks are listed first.
    if (node != ui->treeView->currentIndex())
        ui->treeView->setCurrentIndex(node);
    QAction* all = menu.addAction(tr("Delete all items"));
    QAction* selected = menu.addAction(tr("Delete selected items"));
    all->setEnabled(m_controller->hasRecords());
    selected->setEnabled(m_controller->hasRecords());
    QAction* chosen = menu.exec(global);
    if (chosen == all) {
        if (ask(tr("Are you sure you want to delete all items?")))
            m_controller->deleteItems(false);
    } else if (chosen == selected) {
        if (!m_controller->hasSelection())
            MyMessageBox::question(this, tr("Message"), tr("No items are selected."), QMessageBox::Yes);
        else if (ask(tr("Are you sure you want to delete all selected items?")))
            m_controller->deleteItems(true);
    }
    updatePrintButtons();
}

void MainWindow::deleteDeviceChecks(const QString& sn)
{
    m_controller->deleteDevice(sn);
    treeBuilder->rebuildDevice(sn);
    showSelection(ui->treeView->currentIndex());
}

void MainWindow::deleteMultiTestUser(const QModelIndex& node)
{
    const QString sn = node.data(TreeModelBuilder::SerialRole).toString();
    const QString medicalid = storedUserId(node);
    const QString text = node.data(Qt::DisplayRole).toString();
    if (!CheckEraser::eraseMultiTestUser(sn, medicalid).isComplete()) {
        MyMessageBox::question(this, tr("Error"), tr("Fail to delete: %1").arg(text), QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    treeModel->removeRow(node.row(), node.parent());
    // The list may still show the deleted user's checks under the multi-test node.
    showSelection(ui->treeView->currentIndex());
}

QString MainWindow::storedUserId(const QModelIndex& userNode)
{
    const QString userid = userNode.data(TreeModelBuilder::UserIdRole).toString();
    if (userNode.data(TreeModelBuilder::CheckTypeRole).toInt() != CheckType::MultiTest)
        return userid;
    // A multi-test user node's id is the serial number followed by the medical id the store keeps.
    return userid.mid(userNode.data(TreeModelBuilder::SerialRole).toString().size());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Config* config = Config::instance();
    config->setMainWindowMaximized(isMaximized());
    config->setMainWindowPos(pos());
    config->setMainWindowSize(size());
    QMainWindow::closeEvent(event);
}
