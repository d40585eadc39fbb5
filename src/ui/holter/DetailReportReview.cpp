#include "ui/holter/DetailReportReview.h"
#include "ui_DetailReportReview.h"

#include "files/CheckUser.h"
#include "holter/HolterReport.h"
#include "report/HolterReportHelper.h"
#include "ui/holter/DetailReportWidget.h"
#include "ui/holter/HolterPrinting.h"
#include "ui/viewers/DialogFrame.h"

DetailReportReview::DetailReportReview(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DetailReportReview)
{
    ui->setupUi(this);
    DialogFrame::setHolterFrame(this);
    DialogFrame::setOutputButtons(ui->btnDetailPrint, ui->btnToPDF, QIcon(":/saveAsPdf"));
    m_widget = new DetailReportWidget;
    ui->scrollArea->setWidget(m_widget);
}

DetailReportReview::~DetailReportReview()
{
    delete ui;
}

void DetailReportReview::setData(const HolterReport* report, int minute)
{
    m_report = report;
    m_widget->setData(report, minute);
    m_minute = m_widget->helper()->minute();
    setWindowTitle(m_widget->helper()->title());
}

QString DetailReportReview::defaultFileName() const
{
    const QString patient = m_report && m_report->userInfo() ? m_report->userInfo()->name : QString();
    return HolterReportHelper::defaultFileName(m_name, patient,
                                               m_report ? m_report->minuteStart(m_minute) : QDateTime());
}

void DetailReportReview::on_btnDetailPrint_clicked()
{
    HolterMinuteReportHelper helper;
    helper.setData(m_report, m_minute);
    HolterPrinting::print(this, helper);
}

void DetailReportReview::on_btnToPDF_clicked()
{
    HolterMinuteReportHelper helper;
    helper.setData(m_report, m_minute);
    HolterPrinting::savePdf(this, helper, defaultFileName(), tr("Tip"));
}
