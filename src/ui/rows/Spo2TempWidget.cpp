#include "ui/rows/Spo2TempWidget.h"
#include "ui_Spo2TempWidget.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "files/CheckType.h"
#include "files/Spo2TempRecord.h"
#include "report/CheckValueText.h"
#include "report/UnitText.h"

Spo2TempWidget::Spo2TempWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::Spo2TempWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete);
}

Spo2TempWidget::~Spo2TempWidget()
{
    delete ui;
}

int Spo2TempWidget::checkType() const
{
    return CheckType::Spo2Temp;
}

void Spo2TempWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const Spo2TempRecord oxi = record()->as<Spo2TempRecord>();
    ui->labelSpo2->setText(
        line(tr("Blood Oxygen(SpO2):"), CheckValueText::withSuffix(oxi.spo2, ValueRange::spo2(), "%")));
    ui->labelPR->setText(
        line(tr("Pulse Rate(PR):"), CheckValueText::withSuffix(oxi.PR, ValueRange::pulseRate(), "/min")));
    ui->labelPI->setText(line(tr("Perfusion Index(PI):"), CheckValueText::perfusionIndex(oxi.PI)));
    // Only this model's thermometer is part of the History monitor.
    const bool measuresTemperature = deviceText() == Vitacor::kCode13070001;
    ui->labelTemp->setText(measuresTemperature ? line(tr("Body Temperature:"),
                                                      UnitText::temperature(oxi.temp, Config::instance()->isCelsius()))
                                               : QString());
    update();
}

void Spo2TempWidget::paintEvent(QPaintEvent*)
{
    if (!record())
        return;
    const Spo2TempRecord oxi = record()->as<Spo2TempRecord>();
    paintPerfusionBars(ui->labelPI, oxi.spo2, oxi.PR, oxi.PI);
}
