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
    : CheckItemBase(checkType, parent)
{
    setUpForm<Ui::NibpWidget>();
}

void NibpWidget::display()
{
    auto* ui = form<Ui::NibpWidget>();
    showIdentity(ui->labelName, ui->labelGender, ui->labelBirthday);
    const NibpRecord nibp = record()->as<NibpRecord>();
    ui->labelResult->setText(ResultText::bloodPressure(nibp.sys, nibp.dia));
    ui->labelSys->setText(line(tr("SYS:"), orDash(nibp.sys, "mmHg")));
    ui->labelDia->setText(line(tr("DIA:"), orDash(nibp.dia, "mmHg")));
    ui->labelPR->setText(line(tr("PR:"), orDash(nibp.pr, "/min")));
}
