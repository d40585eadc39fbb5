#include "ui/rows/OxiWidget.h"
#include "ui_OxiWidget.h"

#include "files/CheckType.h"
#include "files/OxiRecord.h"
#include "report/CheckValueText.h"
#include "report/ResultText.h"

OxiWidget::OxiWidget(QWidget* parent)
    : CheckItemBase(CheckType::Oxi, parent)
{
    setUpForm<Ui::OxiWidget>();
}

void OxiWidget::display()
{
    auto* ui = form<Ui::OxiWidget>();
    const OxiRecord oxi = record()->as<OxiRecord>();
    ui->labelResult->setText(ResultText::spo2(oxi.face));
    ui->labelFace->setPixmap(QPixmap(ResultText::facePicture(oxi.face)));
    ui->labelSpo2->setText(
        line(tr("Blood Oxygen(SpO2):"), CheckValueText::withSuffix(oxi.spo2, ValueRange::spo2(), "%")));
    ui->labelPR->setText(
        line(tr("Pulse Rate(PR):"), CheckValueText::withSuffix(oxi.PR, ValueRange::pulseRate(), "/min")));
    ui->labelPI->setText(line(tr("Perfusion Index(PI):"), CheckValueText::perfusionIndex(oxi.PI)));
    showPerfusionBars(ui->labelPI, oxi.spo2, oxi.PR, oxi.PI);
}
