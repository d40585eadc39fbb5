#include "ui/rows/OxiWidget.h"
#include "ui_OxiWidget.h"

#include "files/CheckType.h"
#include "files/OxiRecord.h"
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
    showOximetry(ui->labelSpo2, ui->labelPR, ui->labelPI, oxi.spo2, oxi.PR, oxi.PI);
}
