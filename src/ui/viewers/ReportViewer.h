#pragma once

#include "report/ReportData.h"

#include <QDialog>

namespace Ui {
class ReportViewer;
}
class BasePaintHelper;
class EditDlg;
class ReportWidget;

// Shows the report of one check and turns it into paper, PDF or JPG; edits
// the report's patient details and opens the ECG analysis.
class ReportViewer : public QDialog
{
    Q_OBJECT
public:
    static constexpr double kMinScale = 3.0;
    static constexpr double kMaxScale = 7.0;

    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    void setData(const ReportData& report);
    const ReportData& data() const { return m_data; }
    double scale() const { return m_scale; }

signals:
    void updateUser();

public slots:
    void on_btnZoomIn_clicked();
    void on_btnZoomOut_clicked();
    void on_btnPrint1_clicked();
    void on_btnPDF1_clicked();
    void on_btnSaveJpg_clicked();
    void on_btnEdf_clicked();
    void on_btnEdit_clicked();
    void on_btnMeasureEcg_clicked();
    void onUpdateUser();

protected:
    // The save dialog's answer for a default file name; empty when cancelled,
    // or when the export may not write there (a box says why).
    QString askSavePath(const QString& caption, const QString& defaultName, const QString& filter);

    Ui::ReportViewer* ui;
    ReportWidget* m_widget;
    EditDlg* m_editDlg;
    ReportData m_data;
    double m_scale = 5.0;

private:
    using ReportWriter = bool (*)(BasePaintHelper& helper, const QString& path, QString* error);
    // Writes the report under a name the user confirms; a box tells why a write failed.
    void saveReport(const QString& caption, const QString& suffix, const QString& filter, ReportWriter write,
                    const QString& failure);
};
