#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "Config.h"
#include "TreeModelBuilder.h"

#include <QCloseEvent>
#include <QFile>
#include <QStandardItemModel>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , treeModel(new QStandardItemModel(this))
    , treeBuilder(std::make_unique<TreeModelBuilder>())
{
    ui->setupUi(this);
    applyTitleAndIcon();
    ui->treeView->setIconSize(QSize(24, 24));
    applyToolTips();

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

void MainWindow::closeEvent(QCloseEvent* event)
{
    Config* config = Config::instance();
    config->setMainWindowMaximized(isMaximized());
    config->setMainWindowPos(pos());
    config->setMainWindowSize(size());
    QMainWindow::closeEvent(event);
}
