#include "ui/rows/MultiTestWidget.h"
#include "ui_MultiTestWidget.h"

#include "files/CheckType.h"
#include "files/MultiTestRecord.h"
#include "report/MultiTestDataDecorator.h"

MultiTestWidget::MultiTestWidget(QWidget* parent)
    : CheckItemBase(CheckType::MultiTest, parent)
{
    setUpForm<Ui::MultiTestWidget>();
}

void MultiTestWidget::display()
{
    auto* ui = form<Ui::MultiTestWidget>();
    if (m_user.remarks.isEmpty())
        m_user.remarks = record()->userid;
    // The waveform does not change; it is read once.
    if (!detail().isRead())
        readDetail(EcgDetail::Form::Short, ui->labelEcgTime, ui->widgetWave);

    const MultiTestRecord multi = record()->as<MultiTestRecord>();
    const MultiTestDataDecorator text(multi);
    ui->labelHR->setText(text.heartRate());
    ui->labelEcgResult->setText(text.ecgResults());
    ui->labelSpo2->setText(text.spo2());
    ui->labelPR->setText(text.pulseRate());
    ui->labelSpo2Result->setText(text.spo2Result());
    ui->labelTempCaption->setText(multi.temp_way == 1 ? tr("Object temperature:") : tr("Body temperature:"));
    ui->labelTemp->setText(text.temperature());
    ui->labelTempResult->setText(text.temperatureResult());
    ui->labelBP->setText(text.bloodPressure());
    ui->labelBPResult->setText(text.bloodPressureResult());
    ui->labelGlucose->setText(text.glucose());
    ui->labelGlucoseResult->setText(text.glucoseResult());
}
