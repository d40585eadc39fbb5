#include "ui/rows/PedoWidget.h"
#include "ui_PedoWidget.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/PedoRecord.h"
#include "report/UnitText.h"

PedoWidget::PedoWidget(QWidget* parent)
    : CheckItemBase(CheckType::Pedometer, parent)
{
    setUpForm<Ui::PedoWidget>();
}

void PedoWidget::display()
{
    auto* ui = form<Ui::PedoWidget>();
    showIdentity(ui->labelName, ui->labelGender, ui->labelBirthday);
    const PedoRecord pedo = record()->as<PedoRecord>();
    const bool metric = Config::instance()->isKilometre();
    ui->labelSteps->setText(line(tr("Steps:"), QString::number(pedo.Steps)));
    ui->labelDistance->setText(line(tr("Distance:"), UnitText::distance(pedo.Distance, metric)));
    ui->labelCalorie->setText(line(tr("Total calorie:"), UnitText::calories(pedo.TotalCal)));
    ui->labelFat->setText(line(tr("Fat:"), UnitText::fat(pedo.Fat, metric)));
    ui->labelSpeed->setText(line(tr("Speed:"), UnitText::speed(pedo.AvgSpeed, metric)));
    ui->labelTotalTime->setText(line(tr("Total time:"), UnitText::duration(pedo.time)));
}
