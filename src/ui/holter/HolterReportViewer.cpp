#include "ui/holter/HolterReportViewer.h"
#include "ui_HolterReportViewer.h"

#include "app/Config.h"
#include "files/CheckUser.h"
#include "holter/HolterReport.h"
#include "report/HolterReportHelper.h"
#include "ui/holter/HolterPrinting.h"
#include "ui/holter/HolterReportWidget.h"
#include "ui/viewers/DialogFrame.h"

HolterReportViewer::HolterReportViewer(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::HolterReportViewer)
{
    ui->setupUi(this);
    setWindowTitle(tr("Holter ECG Report"));
    DialogFrame::setHolterFrame(this);
    DialogFrame::setOutputButtons(ui->btnHolterPrint, ui->btnToPDF, QIcon("://res/PDF2.ico"));
    ui->comboBox->addItem(tr("15 minutes per page"));
    ui->comboBox->addItem(tr("30 minutes per page"));
    const int lines = HolterReportHelper::linesFor(Config::instance()->linesPerPage());
    ui->comboBox->setCurrentIndex(lines == 30 ? 0 : 1);
    m_widget = new HolterReportWidget;
    m_widget->setLinesPerPage(lines);
    ui->scrollArea->setWidget(m_widget);
    m_initialising = false;
}

HolterReportViewer::~HolterReportViewer()
{
    delete ui;
}

void HolterReportViewer::setData(const HolterReport* report)
{
    m_report = report;
    m_widget->setData(report);
}

QString HolterReportViewer::defaultFileName() const
{
    const QString patient = m_report && m_report->userInfo() ? m_report->userInfo()->name : QString();
    return HolterReportHelper::defaultFileName(m_name, patient, m_report ? m_report->startTime() : QDateTime());
}

void HolterReportViewer::on_comboBox_currentIndexChanged(int index)
{
    if (m_initialising)
        return;
    const int lines = index == 0 ? 30 : 60;
    Config::instance()->setLinesPerPage(lines);
    m_widget->setLinesPerPage(lines);
}

void HolterReportViewer::on_btnHolterPrint_clicked()
{
    HolterReportHelper helper;
    helper.setLinesPerPage(m_widget->helper()->linesPerPage());
    helper.setData(m_report);
    HolterPrinting::print(this, helper);
}

void HolterReportViewer::on_btnToPDF_clicked()
{
    HolterReportHelper helper;
    helper.setLinesPerPage(m_widget->helper()->linesPerPage());
    helper.setData(m_report);
    HolterPrinting::savePdf(this, helper, defaultFileName(), tr("Message"));
}
