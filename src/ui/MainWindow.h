#pragma once

#include "ui/viewers/ReportCommands.h"

#include <QList>
#include <QMainWindow>
#include <QModelIndex>

#include <memory>

class CheckDispController;
class QDialog;
class QStandardItem;
class QStandardItemModel;
class SyncDlg;
class TreeModelBuilder;
struct CheckUser;

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

    CheckDispController* controller() const { return m_controller; }
    SyncDlg* syncDialog() const { return syncDlg; }
    // Review, Print and "Save as PDF" go through these.
    ReportCommands& reportCommands() { return m_reports; }

private slots:
    void on_btnConn_clicked();
    void onTreeSelectItemChanged(QModelIndex current, QModelIndex previous);
    void onDeleteCheckItem(QString sn, int checkFunc, QString userid);
    void onDownloadEnd(QString sn);
    void on_btnPrint_clicked();
    void on_btnPDF_clicked();
    void onConnectChanged(QStringList lostConn, QStringList newConn);
    void onConfigChanged();
    void onDataChanged();
    void on_btnAbout_clicked();
    void on_btnSetting_clicked();
    void onUpdateUsrInfo(QString sn, int checkFunc, const CheckUser* usr);
    void onTreeViewCtxMenu(QPoint pos);
    void onProfileWidgetClicked();
    void on_comboBox_user_currentIndexChanged(QString text);
    void on_comboBox_result_currentIndexChanged(QString text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyTitleAndIcon();
    void applyToolTips();
    void applyButtonIcons();
    void applyStyleSheet();
    void restoreGeometryFromConfig();
    void showSelection(const QModelIndex& current);
    void fillFilters();
    void hideFilters();
    // Whether the list has a selection of checks of a printable type.
    bool canPrint() const;
    // The reports of the selected checks, top first.
    QList<ReportData> selectedReports() const;
    // Whether the selected checks are Holter recordings, and those recordings.
    bool holterSelected() const;
    QList<HolterPdfBatch::Recording> selectedRecordings() const;
    // Prints or saves the selected checks' reports, or the selected Holter recordings'.
    void outputSelected(const ReportCommands::Output& reports, const ReportCommands::HolterOutput& recordings);
    // The viewer of one check, which tells the list when it saves the patient.
    QDialog* openViewer(const QString& sn, const CheckRecord& record);
    void updatePrintButtons();
    bool ask(const QString& text);
    void deleteDeviceChecks(const QString& sn);
    void deleteMultiTestUser(const QModelIndex& node);
    // The user id the record store keeps for a user node's checks.
    static QString storedUserId(const QModelIndex& userNode);

    Ui::MainWindow* ui;
    QStandardItemModel* treeModel;
    CheckDispController* m_controller;
    std::unique_ptr<TreeModelBuilder> treeBuilder;
    SyncDlg* syncDlg;
    QString currentSn;
    ReportCommands m_reports;
    bool m_fillingFilters = false;
};
