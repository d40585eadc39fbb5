#include "ui/rows/TempWidget.h"
#include "ui_TempWidget.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/TempRecord.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

TempWidget::TempWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::TempWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete);
}

TempWidget::~TempWidget()
{
    delete ui;
}

int TempWidget::checkType() const
{
    return CheckType::Temperature;
}

void TempWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const TempRecord temp = record()->as<TempRecord>();
    const bool object = temp.target != 0;
    const QString caption = object ? tr("Object temperature:") : tr("Body temperature:");
    ui->labelTemp->setText(line(caption, UnitText::temperature(temp.temp, Config::instance()->isCelsius())));
    ui->labelFace->setPixmap(QPixmap(ResultText::facePicture(temp.tempFace)));
    ui->labelFace->setVisible(!object);
}
