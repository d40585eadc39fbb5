#include "ui/rows/TempWidget.h"
#include "ui_TempWidget.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/TempRecord.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

TempWidget::TempWidget(QWidget* parent)
    : CheckItemBase(CheckType::Temperature, parent)
{
    setUpForm<Ui::TempWidget>();
}

void TempWidget::display()
{
    auto* ui = form<Ui::TempWidget>();
    const TempRecord temp = record()->as<TempRecord>();
    const bool object = temp.target != 0;
    const QString caption = object ? tr("Object temperature:") : tr("Body temperature:");
    ui->labelTemp->setText(line(caption, UnitText::temperature(temp.temp, Config::instance()->isCelsius())));
    ui->labelFace->setPixmap(QPixmap(ResultText::facePicture(temp.tempFace)));
    ui->labelFace->setVisible(!object);
}
