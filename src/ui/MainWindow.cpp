#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/Config.h"
#include "ui/SyncDlg.h"
#include "ui/TreeModelBuilder.h"

#include <QCloseEvent>
#include <QFile>
#include <QStandardItemModel>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , treeModel(new QStandardItemModel(this))
    , treeBuilder(std::make_unique<TreeModelBuilder>())
    , syncDlg(new SyncDlg(this))
{
    ui->setupUi(this);
    applyTitleAndIcon();
    ui->treeView->setIconSize(QSize(24, 24));
    applyToolTips();

    syncDlg->setModal(true);
    treeBuilder->setModel(treeModel);
    treeBuilder->buildAll();
    ui->treeView->setModel(treeModel);
    ui->treeView->setHeaderHidden(true);
    if (treeModel->rowCount() > 0)
        ui->treeView->setCurrentIndex(treeModel->index(0, 0));
    ui->comboBox_user->hide();
    ui->comboBox_result->hide();
    ui->btnPrint->setEnabled(false);
    ui->btnPDF->setEnabled(false);

    connect(syncDlg, &SyncDlg::downloadEnd, this, &MainWindow::onDownloadEnd);
    connect(syncDlg, &SyncDlg::connectChange, this, &MainWindow::onConnectChanged, Qt::DirectConnection);

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

void MainWindow::onDownloadEnd(QString sn)
{
    treeBuilder->rebuildDevice(sn);
    ui->treeView->expand(ui->treeView->currentIndex());
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
    if (!newConn.isEmpty())
        syncDlg->show();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Config* config = Config::instance();
    config->setMainWindowMaximized(isMaximized());
    config->setMainWindowPos(pos());
    config->setMainWindowSize(size());
    QMainWindow::closeEvent(event);
}
