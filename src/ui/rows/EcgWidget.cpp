#include "ui/rows/EcgWidget.h"
#include "ui_EcgWidget.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/EcgRecord.h"
#include "report/CheckValueText.h"
#include "report/LeadText.h"
#include "report/ResultText.h"

EcgWidget::EcgWidget(QWidget* parent)
    : CheckItemBase(CheckType::Ecg, parent)
{
    setUpForm<Ui::EcgWidget>();
}

void EcgWidget::display()
{
    auto* ui = form<Ui::EcgWidget>();
    readDetail(EcgDetail::Form::Short, ui->labelEcgTime);
    const EcgHeader& header = detail().header();
    const bool read = detail().isRead();
    ui->labelHR->setText(
        line(tr("HR:"), CheckValueText::withSuffix(header.heartRate, ValueRange::ecgHeartRate(), "/min")));
    ui->labelQRS->setText(line(tr("QRS:"), CheckValueText::withSuffix(header.qrs, ValueRange::qrs(), "ms")));
    ui->labelQTC->setText(line(tr("QT/QTc:"), CheckValueText::qtQtc(header.qt, header.qtc)));
    ui->labelST->setText(line(tr("ST:"), read ? CheckValueText::st(header.st) : CheckValueText::kDash));
    ui->labelBandWidth->setText(line(tr("Bandwidth:"), read ? LeadText::bandwidth(header.bandwidth) : QString()));
    ui->labelResult->setText(read ? ResultText::ecg(header.result, 2) : QString());

    const EcgRecord ecg = record()->as<EcgRecord>();
    ui->labelST->setVisible(LeadText::showsSt(ecg.way));
    ui->labelEcgIcon->setPixmap(QPixmap(ResultText::facePicture(ecg.face)));
    const LeadText::LeadCable lead = LeadText::ecgRecorder(ecg.way);
    ui->labelEcgLead->setText(line(tr("Lead:"), lead.lead));
    ui->labelCable->setText(line(tr("Cable:"), lead.cable));
    ui->labelCable->setVisible(!Config::instance()->isChineseEdition());
}
