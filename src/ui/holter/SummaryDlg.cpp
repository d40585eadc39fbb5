#include "ui/holter/SummaryDlg.h"
#include "ui_SummaryDlg.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "holter/HolterReport.h"
#include "holter/HolterScreening.h"
#include "holter/mySingleton.h"
#include "report/DateTimeText.h"
#include "report/EdfRecording.h"
#include "report/HolterSummaryText.h"
#include "report/ReportOutput.h"
#include "ui/MyMessageBox.h"
#include "ui/holter/EcgDetailDlg.h"
#include "ui/holter/HolterReportViewer.h"
#include "ui/holter/ViewAllEcgDlg.h"
#include "ui/viewers/DialogFrame.h"
#include "ui/viewers/EdfExport.h"

#include <QCheckBox>
#include <QStandardItemModel>

namespace {

const char* const kViewStyle = "background-color: #F0F0F0";
const char* const kEditStyle = "background-color:white";

} // namespace

SummaryDlg::SummaryDlg(QWidget* parent, HolterReport* report)
    : QDialog(parent)
    , ui(new Ui::SummaryDlg)
    , m_strips(new QStandardItemModel(this))
    , m_report(report ? report : mySingleton::instance()->holterReport())
{
    ui->setupUi(this);
    DialogFrame::setHolterFrame(this);
    ui->listStrips->setModel(m_strips);
    ui->editIndication->setMaxLength(kIndicationLimit);
    ui->editRemarks->setMaxLength(kCommentLimit);
    ui->btnReprot->setIcon(QIcon(QStringLiteral(":/report")));
    ui->btnEdf->setIcon(QIcon(QStringLiteral(":/edf")));
    for (QCheckBox* box :
         {ui->chkHr120, ui->chkHr50, ui->chkQrs120, ui->chkQtc480, ui->chkPvc2, ui->chkIrregular, ui->chkPause})
        connect(box, &QCheckBox::toggled, this, &SummaryDlg::onCheckboxStateChanged);
    connect(ui->listStrips, &QListView::clicked, this, &SummaryDlg::onClickStripsItem);
    connect(ui->editIndication, &QPlainTextEdit::textChanged, this, &SummaryDlg::onTxtCntInfo);
    connect(ui->editRemarks, &QPlainTextEdit::textChanged, this, &SummaryDlg::onTxtCntInfo);
    onEditStateChanged();
}

SummaryDlg::~SummaryDlg()
{
    delete ui;
}

void SummaryDlg::setUser(const CheckUser& user)
{
    m_user = user;
    fillUser();
}

bool SummaryDlg::setData(const QString& sn, const QString& fileName)
{
    m_sn = sn;
    m_fileName = fileName;
    fillUser();
    const bool loaded = m_report->load(QString("%1/%2/%3").arg(Config::instance()->dataDir(), sn, fileName));
    m_report->setConfig(Config::instance());
    m_report->setUserInfo(&m_user);
    fillRecording();
    onCheckboxStateChanged(true);
    return loaded;
}

void SummaryDlg::fillUser()
{
    ui->editName->setText(m_user.name);
    ui->editID->setText(m_user.medicalid);
    QString gender;
    if (m_user.sex == 0)
        gender = tr("Male");
    else if (m_user.sex == 1)
        gender = tr("Female");
    ui->editGender->setText(gender);
    ui->editBirth->setText(m_user.birthday.isValid() ? DateTimeText::date(m_user.birthday) : QString());
    ui->editPhysician->setText(m_user.physician);
    ui->editIndication->setPlainText(m_user.indication);
    ui->editRemarks->setPlainText(m_user.remarks);
}

void SummaryDlg::fillRecording()
{
    const HolterSummaryText t = HolterSummaryText::of(*m_report);
    ui->editRecordDate->setText(t.recordDate);
    ui->editStartTime->setText(t.startTime);
    ui->editTotalTime->setText(t.totalTime);
    ui->editStrips->setText(t.totalStrips);
    ui->editLead->setText(t.lead);
    ui->editMaxHR->setText(t.maxHr);
    ui->editMinHR->setText(t.minHr);
    ui->editAvgHR->setText(t.avgHr);
    ui->editQRS->setText(t.qrsComplexes);
    ui->editPVCs->setText(t.pvcs);
    ui->editPause->setText(t.pauses);
    ui->editMean->setText(t.mean);
    ui->editSdnn->setText(t.sdnn);
    ui->editRmssd->setText(t.rmssd);
    ui->editPnn50->setText(t.pnn50);
    ui->btnViewEcg->setEnabled(m_report->isLoaded());
    ui->btnReprot->setEnabled(m_report->isLoaded());
    ui->btnEdf->setEnabled(m_report->isLoaded());
}

HolterScreening SummaryDlg::screening() const
{
    HolterScreening screening;
    screening.hr120 = ui->chkHr120->isChecked();
    screening.hr50 = ui->chkHr50->isChecked();
    screening.qrs120 = ui->chkQrs120->isChecked();
    screening.qtc480 = ui->chkQtc480->isChecked();
    screening.pvc2 = ui->chkPvc2->isChecked();
    screening.irregular = ui->chkIrregular->isChecked();
    screening.pause = ui->chkPause->isChecked();
    return screening;
}

void SummaryDlg::onCheckboxStateChanged(bool)
{
    m_matched = m_report->isLoaded() ? screening().match(*m_report) : QVector<int>();
    m_strips->clear();
    for (int minute : qAsConst(m_matched)) {
        auto* item = new QStandardItem(HolterSummaryText::stripText(m_report->minuteStart(minute)));
        item->setEditable(false);
        item->setData(minute, kMinuteRole);
        m_strips->appendRow(item);
    }
    ui->lblStripsFound->setText(QString("%1 %2").arg(m_matched.size()).arg(tr("strips found")));
}

template <class Dialog>
Dialog* SummaryDlg::openChild()
{
    auto* dialog = new Dialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->setName(m_sn);
    return dialog;
}

template <class Dialog>
void SummaryDlg::openRecordingDialog()
{
    if (!m_report->isLoaded())
        return;
    auto* dialog = openChild<Dialog>();
    dialog->setData(m_report);
    dialog->show();
}

void SummaryDlg::onClickStripsItem(QModelIndex index)
{
    if (!index.isValid() || !m_report->isLoaded() || m_report->minuteCount() == 0)
        return;
    const int minute = qBound(0, index.data(kMinuteRole).toInt(), m_report->minuteCount() - 1);
    auto* detail = openChild<EcgDetailDlg>();
    detail->setMatchedMinutes(m_matched);
    detail->setData(m_report, minute);
    detail->show();
}

void SummaryDlg::on_btnViewEcg_clicked()
{
    openRecordingDialog<ViewAllEcgDlg>();
}

void SummaryDlg::on_btnReprot_clicked()
{
    openRecordingDialog<HolterReportViewer>();
}

void SummaryDlg::on_btnEdf_clicked()
{
    if (!m_report->isLoaded())
        return;
    EdfExport::save(this, EdfRecording::fromHolter(*m_report, m_user, screening()),
                    ReportOutput::defaultFileName(m_sn, m_fileName, "edf"));
}

void SummaryDlg::on_btnEdit_clicked()
{
    if (m_editing && !saveUser())
        return;
    m_editing = !m_editing;
    onEditStateChanged();
}

bool SummaryDlg::saveUser()
{
    CheckUser edited = m_user;
    edited.physician = ui->editPhysician->text();
    edited.medicalid = ui->editID->text();
    edited.indication = ui->editIndication->toPlainText();
    edited.remarks = ui->editRemarks->toPlainText();
    if (!DbOperator::instance()->saveReportUser(m_fileName + m_sn, edited)) {
        MyMessageBox::error(this, tr("error"), tr("fail to save"));
        return false;
    }
    m_user = edited;
    emit userInfoChanged();
    return true;
}

void SummaryDlg::onEditStateChanged()
{
    const QString style = QString::fromLatin1(m_editing ? kEditStyle : kViewStyle);
    for (QLineEdit* edit : {ui->editPhysician, ui->editID}) {
        edit->setReadOnly(!m_editing);
        edit->setStyleSheet(style);
    }
    for (QPlainTextEdit* edit :
         {static_cast<QPlainTextEdit*>(ui->editIndication), static_cast<QPlainTextEdit*>(ui->editRemarks)}) {
        edit->setReadOnly(!m_editing);
        edit->setStyleSheet(style);
    }
    ui->btnEdit->setIcon(QIcon(m_editing ? QStringLiteral(":/save") : QStringLiteral(":/edit")));
    ui->btnEdit->setToolTip(m_editing ? tr("Save") : tr("Edit"));
}

void SummaryDlg::onTxtCntInfo()
{
    ui->lblIndicationsHint->setText(
        QString("%1/%2").arg(ui->editIndication->toPlainText().size()).arg(kIndicationLimit));
    ui->lblCommentsHint->setText(QString("%1/%2").arg(ui->editRemarks->toPlainText().size()).arg(kCommentLimit));
}
