#include "ui/rows/Spo2TempWidget.h"
#include "ui_Spo2TempWidget.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "files/CheckType.h"
#include "files/Spo2TempRecord.h"
#include "report/UnitText.h"

Spo2TempWidget::Spo2TempWidget(QWidget* parent)
    : CheckItemBase(CheckType::Spo2Temp, parent)
{
    setUpForm<Ui::Spo2TempWidget>();
}

void Spo2TempWidget::display()
{
    auto* ui = form<Ui::Spo2TempWidget>();
    const Spo2TempRecord oxi = record()->as<Spo2TempRecord>();
    // Only this model's thermometer is part of the History monitor.
    const bool measuresTemperature = device().branchcode == Vitacor::kCode13070001;
    ui->labelTemp->setText(measuresTemperature ? line(tr("Body Temperature:"),
                                                      UnitText::temperature(oxi.temp, Config::instance()->isCelsius()))
                                               : QString());
    showOximetry(ui->labelSpo2, ui->labelPR, ui->labelPI, oxi.spo2, oxi.PR, oxi.PI);
}
