#pragma once

#include <QDialog>

class MoveFileThread;
class QTimer;

namespace Ui {
class SettingDlg;
}

// The interface language, the distance and temperature units, and where the
// data is kept: choosing another folder moves the whole data directory there.
class SettingDlg : public QDialog
{
    Q_OBJECT
public:
    explicit SettingDlg(QWidget* parent = nullptr);
    ~SettingDlg() override;

    bool isBusy() const { return m_busy; }

signals:
    void configChange();
    // The stored records changed (an import, or the data directory moved).
    void dataChange();

public slots:
    void reject() override;

private slots:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();
    void on_btnDataDir_clicked();
    void on_btnImport_clicked();
    void moveFinish();
    void onMoveProgress();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillLanguages();
    void showUnitGroups();
    void storeSettings();
    // Starts the move to newDir; false (after saying why) when it is refused.
    bool startMove(const QString& newDir);

    Ui::SettingDlg* ui;
    MoveFileThread* m_mover = nullptr;
    QTimer* m_progressTimer = nullptr;
    bool m_busy = false;
};
