#include "ui/rows/NibpWidget.h"
#include "ui_NibpWidget.h"

#include "files/NibpRecord.h"
#include "report/CheckValueText.h"
#include "report/ResultText.h"

namespace {

QString orDash(int value, const QString& suffix)
{
    return value == 0 ? CheckValueText::kDash : QString::number(value) + suffix;
}

} // namespace

NibpWidget::NibpWidget(int checkType, QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , m_checkType(checkType)
    , ui(new Ui::NibpWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete);
}

NibpWidget::~NibpWidget()
{
    delete ui;
}

int NibpWidget::checkType() const
{
    return m_checkType;
}

void NibpWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    ui->labelName->setText(nameLine());
    ui->labelGender->setText(genderLine());
    ui->labelBirthday->setText(birthdayLine());
    if (!record())
        return;
    const NibpRecord nibp = record()->as<NibpRecord>();
    ui->labelSys->setText(line(tr("SYS:"), orDash(nibp.sys, "mmHg")));
    ui->labelDia->setText(line(tr("DIA:"), orDash(nibp.dia, "mmHg")));
    ui->labelPR->setText(line(tr("PR:"), orDash(nibp.pr, "/min")));
    ui->labelResult->setText(ResultText::bloodPressure(nibp.sys, nibp.dia));
}
