#include "ui/rows/MultiTestWidget.h"
#include "ui_MultiTestWidget.h"

#include "files/CheckType.h"
#include "files/MultiTestRecord.h"
#include "report/CheckValueText.h"
#include "report/MiniWaveform.h"
#include "report/MultiTestDataDecorator.h"

#include <QPainter>

MultiTestWidget::MultiTestWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::MultiTestWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete, ui->btnReview);
}

MultiTestWidget::~MultiTestWidget()
{
    delete ui;
}

int MultiTestWidget::checkType() const
{
    return CheckType::MultiTest;
}

void MultiTestWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    if (m_user.remarks.isEmpty())
        m_user.remarks = record()->userid;
    // The waveform does not change; it is read once.
    if (!m_detail.isRead())
        m_detail = EcgDetail::read(detailPath(), EcgDetail::Form::Short);
    ui->labelEcgTime->setText(m_detail.isRead() ? CheckValueText::ecgDuration(m_detail.header().waveLength)
                                                : QString());

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
    update();
}

void MultiTestWidget::paintEvent(QPaintEvent*)
{
    if (!m_detail.isRead())
        return;
    QPainter painter(this);
    MiniWaveform::paint(painter, m_detail.samples(), ui->widgetWave->geometry());
}
