#include "ui/viewers/ReportViewer.h"
#include "ui_ReportViewer.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "report/EdfRecording.h"
#include "report/ReportOutput.h"
#include "ui/MyMessageBox.h"
#include "ui/viewers/DialogFrame.h"
#include "ui/viewers/EcgAnalyseDlg.h"
#include "ui/viewers/EdfExport.h"
#include "ui/viewers/EditDlg.h"
#include "ui/viewers/ExportPath.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/ReportWidget.h"

#include <QFile>

ReportViewer::ReportViewer(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::ReportViewer)
{
    ui->setupUi(this);
    DialogFrame::setViewerFrame(this);
    resize(1300, 768);
    QFile style(":/res/qss/reportviewer.qss");
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));
    // Modal, so no check can be deleted or reviewed again while its report is open.
    setModal(true);
    ui->btnPrint1->setToolTip(tr("Print report"));
    ui->btnSaveJpg->setToolTip(tr("Save as JPG file"));
    ui->btnPDF1->setToolTip(tr("Save as PDF"));
    ui->btnMeasureEcg->setToolTip(tr("Analysis wave"));
    ui->btnEdit->setToolTip(tr("Edit report"));
    ui->btnZoomIn->setToolTip(tr("Zoom in"));
    ui->btnZoomOut->setToolTip(tr("Zoom out"));
    ui->btnCSV->setToolTip(tr("Save as CSV file"));
    ui->btnCSV->hide();
    ui->btnEdf->setToolTip(tr("Save EDF+"));
    m_widget = new ReportWidget;
    ui->scrollArea->setWidget(m_widget);
    m_editDlg = new EditDlg(this);
    connect(m_editDlg, &EditDlg::updateUser, this, &ReportViewer::onUpdateUser);
}

ReportViewer::~ReportViewer()
{
    delete ui;
}

void ReportViewer::setData(const ReportData& report)
{
    m_data = report;
    m_widget->setData(report);
    m_widget->setScale(m_scale);
    ui->btnMeasureEcg->setVisible(!report.samples.isEmpty() && report.checkType != CheckType::Sleep);
    ui->btnEdf->setVisible(EdfRecording::hasEcgStrip(report.checkType) && !report.samples.isEmpty());
}

void ReportViewer::on_btnZoomIn_clicked()
{
    if (m_scale < kMaxScale)
        m_scale += 0.5;
    m_widget->setScale(m_scale);
}

void ReportViewer::on_btnZoomOut_clicked()
{
    if (m_scale > kMinScale)
        m_scale -= 0.5;
    m_widget->setScale(m_scale);
}

void ReportViewer::on_btnPrint1_clicked()
{
    ReportPrinting::print(this, {m_data});
}

QString ReportViewer::askSavePath(const QString& caption, const QString& defaultName, const QString& filter)
{
    return ExportPath::ask(this, caption, defaultName, filter);
}

void ReportViewer::on_btnPDF1_clicked()
{
    saveReport(tr("Save As"), "pdf", tr("PDF File(*.pdf)"), &ReportOutput::writePdf, tr("create pdf failed"));
}

void ReportViewer::on_btnSaveJpg_clicked()
{
    saveReport(tr("Save as"), "jpg", "*.jpg", &ReportOutput::writeJpg, tr("create jpg failed"));
}

void ReportViewer::saveReport(const QString& caption, const QString& suffix, const QString& filter, ReportWriter write,
                              const QString& failure)
{
    const QString path =
        askSavePath(caption, ReportOutput::defaultFileName(m_data.sn, m_data.checkTimeText(), suffix), filter);
    if (path.isEmpty())
        return;
    std::unique_ptr<BasePaintHelper> helper = ReportOutput::createHelper(m_data.checkType);
    helper->setData(m_data);
    QString error;
    if (!write(*helper, path, &error))
        MyMessageBox::error(this, tr("Message"), failure + "\n" + error);
}

void ReportViewer::on_btnEdf_clicked()
{
    EdfExport::save(this, EdfRecording::fromCheck(m_data),
                    ReportOutput::defaultFileName(m_data.sn, m_data.checkTimeText(), "edf"));
}

void ReportViewer::on_btnEdit_clicked()
{
    m_editDlg->setPatientIdMode(m_data.checkType == CheckType::SpotCheck);
    CheckUser shown = m_data.user;
    // A multi-test's note is the check's own, not its report user's.
    if (m_data.checkType == CheckType::MultiTest)
        shown.remarks = m_data.remark;
    m_editDlg->setUser(shown);
    m_editDlg->open();
}

void ReportViewer::on_btnMeasureEcg_clicked()
{
    auto* dialog = new EcgAnalyseDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->setWindowTitle(m_data.checkTimeText());
    dialog->setData(m_data.header.heartRate, m_data.samples);
    dialog->show();
}

void ReportViewer::onUpdateUser()
{
    const CheckUser user = m_editDlg->user();
    DbOperator* db = DbOperator::instance();
    bool saved;
    if (m_data.checkType == CheckType::MultiTest) {
        const bool noteChanged = user.remarks != m_data.remark;
        saved = db->beginTransaction() && db->updateMultiTestReportUser(m_data.sn, user) &&
            (!noteChanged || db->updateMultiTestRemark(m_data.sn, m_data.checkTimeText(), user.remarks)) &&
            db->commit();
        if (!saved)
            db->rollback();
    } else {
        saved = db->saveReportUser(m_data.checkTimeText() + m_data.sn, user);
    }
    if (!saved) {
        MyMessageBox::error(this, tr("error"), tr("fail to save"));
        return;
    }
    m_data.user = user;
    if (m_data.checkType == CheckType::MultiTest)
        m_data.remark = user.remarks;
    m_widget->setData(m_data);
    emit updateUser();
}
