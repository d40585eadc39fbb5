#include "ui/rows/OxiWidget.h"
#include "ui_OxiWidget.h"

#include "files/CheckType.h"
#include "files/OxiRecord.h"
#include "report/CheckValueText.h"
#include "report/ResultText.h"

OxiWidget::OxiWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::OxiWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete);
}

OxiWidget::~OxiWidget()
{
    delete ui;
}

int OxiWidget::checkType() const
{
    return CheckType::Oxi;
}

void OxiWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const OxiRecord oxi = record()->as<OxiRecord>();
    ui->labelSpo2->setText(
        line(tr("Blood Oxygen(SpO2):"), CheckValueText::withSuffix(oxi.spo2, ValueRange::spo2(), "%")));
    ui->labelPR->setText(
        line(tr("Pulse Rate(PR):"), CheckValueText::withSuffix(oxi.PR, ValueRange::pulseRate(), "/min")));
    ui->labelPI->setText(line(tr("Perfusion Index(PI):"), CheckValueText::perfusionIndex(oxi.PI)));
    ui->labelResult->setText(ResultText::spo2(oxi.face));
    ui->labelFace->setPixmap(QPixmap(ResultText::facePicture(oxi.face)));
    update();
}

void OxiWidget::paintEvent(QPaintEvent*)
{
    if (!record())
        return;
    const OxiRecord oxi = record()->as<OxiRecord>();
    paintPerfusionBars(ui->labelPI, oxi.spo2, oxi.PR, oxi.PI);
}
