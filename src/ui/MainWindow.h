#pragma once

#include <QMainWindow>

#include <memory>

class QStandardItemModel;
class SyncDlg;
class TreeModelBuilder;

namespace Ui {
class MainWindow;
}

// The program's only top-level window: command buttons, the device tree on
// the left and the record list on the right.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_btnConn_clicked();
    void onDownloadEnd(QString sn);
    void onConnectChanged(QStringList lostConn, QStringList newConn);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyTitleAndIcon();
    void applyToolTips();
    void applyStyleSheet();
    void restoreGeometryFromConfig();

    Ui::MainWindow* ui;
    QStandardItemModel* treeModel;
    std::unique_ptr<TreeModelBuilder> treeBuilder;
    SyncDlg* syncDlg;
    QString currentSn;
};
