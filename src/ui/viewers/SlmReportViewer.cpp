#include "ui/viewers/SlmReportViewer.h"
#include "ui_ReportViewer.h"

#include "report/SleepCsv.h"
#include "ui/MyMessageBox.h"
#include "ui/viewers/SlmReportWidget.h"

SlmReportViewer::SlmReportViewer(QWidget* parent)
    : ReportViewer(parent)
{
    m_widget = new SlmReportWidget;
    ui->scrollArea->setWidget(m_widget);
    ui->btnCSV->show();
    ui->btnMeasureEcg->hide();
    connect(ui->btnCSV, &QPushButton::clicked, this, &SlmReportViewer::on_btnCSV_clicked);
}

void SlmReportViewer::on_btnCSV_clicked()
{
    const QString path =
        askSavePath(tr("Save as"), SleepCsv::defaultFileName(m_data.sn, m_data.checkTimeText()), "*.csv");
    if (path.isEmpty())
        return;
    QString error;
    if (!SleepCsv::write(path, m_data.record.checkTime().toDateTime(), m_data.trend, &error))
        MyMessageBox::error(this, tr("Message"), tr("Create file failed.") + "\n" + error);
}
