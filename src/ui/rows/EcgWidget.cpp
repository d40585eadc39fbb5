#include "ui/rows/EcgWidget.h"
#include "ui_EcgWidget.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/EcgRecord.h"
#include "report/CheckValueText.h"
#include "report/LeadText.h"
#include "report/ResultText.h"

EcgWidget::EcgWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::EcgWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete, ui->btnReview, ui->btnVoice);
}

EcgWidget::~EcgWidget()
{
    delete ui;
}

int EcgWidget::checkType() const
{
    return CheckType::Ecg;
}

bool EcgWidget::hasReport() const
{
    return m_detail.isRead();
}

bool EcgWidget::hasVoice() const
{
    return record() && record()->as<EcgRecord>().voice;
}

void EcgWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const EcgRecord ecg = record()->as<EcgRecord>();
    m_detail = EcgDetail::read(detailPath(), EcgDetail::Form::Short);
    const EcgHeader& header = m_detail.header();
    const bool read = m_detail.isRead();

    ui->labelHR->setText(
        line(tr("HR:"), CheckValueText::withSuffix(header.heartRate, ValueRange::ecgHeartRate(), "/min")));
    ui->labelQRS->setText(line(tr("QRS:"), CheckValueText::withSuffix(header.qrs, ValueRange::qrs(), "ms")));
    ui->labelQTC->setText(line(tr("QT/QTc:"), CheckValueText::qtQtc(header.qt, header.qtc)));
    ui->labelST->setVisible(LeadText::showsSt(ecg.way));
    ui->labelST->setText(line(tr("ST:"), read ? CheckValueText::st(header.st) : CheckValueText::kDash));
    ui->labelEcgTime->setText(read ? CheckValueText::ecgDuration(header.waveLength) : QString());
    ui->labelBandWidth->setText(line(tr("Bandwidth:"), read ? LeadText::bandwidth(header.bandwidth) : QString()));
    ui->labelResult->setText(read ? ResultText::ecg(header.result, 2) : QString());
    ui->labelEcgIcon->setPixmap(QPixmap(ResultText::facePicture(ecg.face)));

    const LeadText::LeadCable lead = LeadText::ecgRecorder(ecg.way);
    ui->labelEcgLead->setText(line(tr("Lead:"), lead.lead));
    ui->labelCable->setText(line(tr("Cable:"), lead.cable));
    ui->labelCable->setVisible(!Config::instance()->isChineseEdition());
    update();
}

void EcgWidget::paintEvent(QPaintEvent*)
{
    if (m_detail.isRead())
        paintWaveform(m_detail.samples(), ui->labelEcgTime);
}
