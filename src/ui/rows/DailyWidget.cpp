#include "ui/rows/DailyWidget.h"
#include "ui_DailyWidget.h"

#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "report/CheckValueText.h"
#include "report/DailyCheckText.h"
#include "report/LeadText.h"
#include "report/ResultText.h"

DailyWidget::DailyWidget(QWidget* parent)
    : CheckItemBase(CheckType::DailyCheck, parent)
{
    setUpForm<Ui::DailyWidget>();
}

void DailyWidget::display()
{
    auto* ui = form<Ui::DailyWidget>();
    showIdentity(ui->labelName, ui->labelGender, ui->labelBirthday);
    const int modelType = device().modelType;
    readDetail(EcgDetail::formFor(CheckType::DailyCheck, modelType), ui->labelEcgTime);
    const EcgHeader& header = detail().header();
    ui->labelHR->setText(
        line(tr("HR:"), CheckValueText::withSuffix(header.heartRate, ValueRange::ecgHeartRate(), "/min")));
    ui->labelQRS->setText(line(tr("QRS:"), CheckValueText::withSuffix(header.qrs, ValueRange::qrs(), "ms")));
    ui->labelQTC->setText(line(tr("QT/QTc:"), CheckValueText::qtQtc(header.qt, header.qtc)));
    ui->labelResult->setText(DailyCheckText::result(detail(), modelType));

    const DailyRecord daily = record()->as<DailyRecord>();
    ui->labelEcgFace->setPixmap(QPixmap(ResultText::facePicture(daily.ECGFace)));
    ui->labelSpo2->setText(line(tr("SpO2:"), CheckValueText::withSuffix(daily.SpO2, ValueRange::spo2(), "%")));
    ui->labelPI->setText(line(tr("PI:"), CheckValueText::perfusionIndex(daily.PI)));
    ui->labelSpo2Result->setText(ResultText::spo2(daily.SpO2Face));
    ui->labelSpo2Face->setPixmap(QPixmap(ResultText::facePicture(daily.SpO2Face)));

    // The two-user monitor measures no SpO2; it shows its lead instead.
    const bool twoUser = DailyCheckText::isTwoUserMonitor(modelType);
    for (QWidget* spo2Part : {ui->labelSpo2, ui->labelPI, ui->labelSpo2Result, ui->labelSpo2Face})
        spo2Part->setVisible(!twoUser);
    ui->labelLead->setVisible(twoUser);
    if (!twoUser)
        return;
    const LeadText::LeadCable lead = LeadText::daily(header.leadMode);
    ui->labelLead->setText(line(tr("Lead:"), lead.lead) + "   " + line(tr("Cable:"), lead.cable));
    const int user = DailyCheckText::user(daily);
    if (user == 1 || user == 2) {
        const QPixmap picture(user == 1 ? QStringLiteral(":/usera2") : QStringLiteral(":/userb2"));
        ui->labelTimeIcon->setPixmap(picture);
        ui->labelTimeIcon->setFixedSize(picture.size());
    }
}
