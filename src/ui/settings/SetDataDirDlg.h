#pragma once

#include <QDialog>

class ImportModel;
class QThread;
class QTimer;

namespace Ui {
class SetDataDirDlg;
}

// Chooses the data directory on the first start and brings over the data of
// the older desktop program, whose folder is found in a Wine installation or
// named by hand. From the settings dialog only the import is offered: the
// data directory changes there by moving it.
class SetDataDirDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { FirstStart, ImportOnly };

    explicit SetDataDirDlg(Mode mode, QWidget* parent = nullptr);
    ~SetDataDirDlg() override;

    bool isImporting() const { return m_thread != nullptr; }

signals:
    void startImport();
    // The import ended and the stored records changed.
    void importFinished();

public slots:
    void reject() override;

private slots:
    void on_pushButton_clicked();
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();
    void onTimeout();
    void on_radioAutoDetected_toggled(bool checked);
    void on_radioManualInput_toggled(bool checked);
    void on_btnGetAppPath_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setAppPathEditable(bool editable);
    // Opens the record store in the chosen directory; false after saying why not.
    bool useDataDir(const QString& dir);
    void showImportResult();

    Ui::SetDataDirDlg* ui;
    Mode m_mode;
    ImportModel* m_model = nullptr;
    QThread* m_thread = nullptr;
    QTimer* m_timer = nullptr;
};
