#pragma once

#include <QDialog>

namespace Ui {
class DetailReportReview;
}
class DetailReportWidget;
class HolterReport;

// Shows the one-page ECG report of the minute open in the detail dialog,
// and prints it or saves it as PDF.
class DetailReportReview : public QDialog
{
    Q_OBJECT
public:
    explicit DetailReportReview(QWidget* parent = nullptr);
    ~DetailReportReview() override;

    // The minute is clamped to the recording.
    void setData(const HolterReport* report, int minute);
    // The monitor's serial number, the first part of the PDF's name.
    void setName(const QString& name) { m_name = name; }
    DetailReportWidget* reportWidget() const { return m_widget; }
    QString defaultFileName() const;

public slots:
    void on_btnDetailPrint_clicked();
    void on_btnToPDF_clicked();

private:
    Ui::DetailReportReview* ui;
    DetailReportWidget* m_widget;
    const HolterReport* m_report = nullptr;
    int m_minute = 0;
    QString m_name;
};
