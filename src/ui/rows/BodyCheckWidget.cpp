#include "ui/rows/BodyCheckWidget.h"
#include "ui_BodyCheckWidget.h"

#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "report/CheckValueText.h"
#include "report/LeadText.h"

BodyCheckWidget::BodyCheckWidget(QWidget* parent)
    : CheckItemBase(CheckType::CorvisetDailyCheck, parent)
{
    setUpForm<Ui::BodyCheckWidget>();
}

void BodyCheckWidget::display()
{
    auto* ui = form<Ui::BodyCheckWidget>();
    readDetail(EcgDetail::Form::Long, ui->labelEcgTime);
    const bool read = detail().isRead();
    ui->labelLead->setText(line(tr("Lead:"), read ? LeadText::zoravMode(detail().header().leadMode) : QString()));

    const CorvisetDailyRecord daily = record()->as<CorvisetDailyRecord>();
    const QString perMinute = "/" + tr("min");
    const QString heartRate = CheckValueText::withSuffix(daily.HR, ValueRange::zoravHeartRate(), perMinute);
    ui->labelHR->setText(line(tr("HR:"), heartRate));
    // A pulse rate within 2 of the heart rate is the same beat counted twice.
    const bool differs = qAbs(int(daily.PR) - int(daily.HR)) > 2;
    const QString pulseRate =
        differs ? CheckValueText::withSuffix(daily.PR, ValueRange::ecgHeartRate(), perMinute) : heartRate;
    ui->labelPR->setText(line(tr("PR:"), pulseRate));
}
