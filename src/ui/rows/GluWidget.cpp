#include "ui/rows/GluWidget.h"
#include "ui_GluWidget.h"

#include "files/GlucoseRecord.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

GluWidget::GluWidget(int checkType, QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , m_checkType(checkType)
    , ui(new Ui::GluWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete);
}

GluWidget::~GluWidget()
{
    delete ui;
}

int GluWidget::checkType() const
{
    return m_checkType;
}

void GluWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const GlucoseRecord glucose = record()->as<GlucoseRecord>();
    const UnitText::Glucose reading = UnitText::glucose(glucose.glucose, glucose.type);
    ui->labelGlucose->setText(line(tr("Blood Glocose:"), reading.value + reading.unit));
    ui->labelNote->setText(line(tr("Note:"), QString::fromLatin1(glucose.note)));
    const ResultText::Verdict verdict = ResultText::glucose(reading.tenthsMmol);
    ui->labelResult->setText(verdict.text);
    ui->labelFace->setPixmap(QPixmap(verdict.picture));
}
