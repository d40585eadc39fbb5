#include "ui/rows/GluWidget.h"
#include "ui_GluWidget.h"

#include "files/GlucoseRecord.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

GluWidget::GluWidget(int checkType, QWidget* parent)
    : CheckItemBase(checkType, parent)
{
    setUpForm<Ui::GluWidget>();
}

void GluWidget::display()
{
    auto* ui = form<Ui::GluWidget>();
    const GlucoseRecord glucose = record()->as<GlucoseRecord>();
    const UnitText::Glucose reading = UnitText::glucose(glucose.glucose, glucose.type);
    ui->labelGlucose->setText(line(tr("Blood Glocose:"), reading.value + reading.unit));
    ui->labelNote->setText(line(tr("Note:"), QString::fromLatin1(glucose.note)));
    const ResultText::Verdict verdict = ResultText::glucose(reading.tenthsMmol);
    ui->labelResult->setText(verdict.text);
    ui->labelFace->setPixmap(QPixmap(verdict.picture));
}
