#pragma once

#include <QDialog>

namespace Ui {
class HolterReportViewer;
}
class HolterReport;
class HolterReportWidget;

// Shows the Holter ECG report of the recording the summary has open, 15 or
// 30 minutes of ECG a page, and prints it or saves it as PDF.
class HolterReportViewer : public QDialog
{
    Q_OBJECT
public:
    explicit HolterReportViewer(QWidget* parent = nullptr);
    ~HolterReportViewer() override;

    void setData(const HolterReport* report);
    // The monitor's serial number, the first part of the PDF's name.
    void setName(const QString& name) { m_name = name; }
    HolterReportWidget* reportWidget() const { return m_widget; }
    QString defaultFileName() const;

public slots:
    void on_btnHolterPrint_clicked();
    void on_btnToPDF_clicked();
    void on_comboBox_currentIndexChanged(int index);

private:
    Ui::HolterReportViewer* ui;
    HolterReportWidget* m_widget;
    const HolterReport* m_report = nullptr;
    QString m_name;
    bool m_initialising = true;
};
