#include "ui/rows/BodyCheckWidget.h"
#include "ui_BodyCheckWidget.h"

#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "report/CheckValueText.h"
#include "report/LeadText.h"

BodyCheckWidget::BodyCheckWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::BodyCheckWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete, ui->btnReview, ui->btnVoice);
}

BodyCheckWidget::~BodyCheckWidget()
{
    delete ui;
}

int BodyCheckWidget::checkType() const
{
    return CheckType::CorvisetDailyCheck;
}

bool BodyCheckWidget::hasReport() const
{
    return m_detail.isRead();
}

bool BodyCheckWidget::hasVoice() const
{
    return record() && record()->as<CorvisetDailyRecord>().voice;
}

void BodyCheckWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const CorvisetDailyRecord daily = record()->as<CorvisetDailyRecord>();
    m_detail = EcgDetail::read(detailPath(), EcgDetail::Form::Long);
    const bool read = m_detail.isRead();
    ui->labelLead->setText(line(tr("Lead:"), read ? LeadText::zoravMode(m_detail.header().leadMode) : QString()));
    ui->labelEcgTime->setText(read ? CheckValueText::ecgDuration(m_detail.header().waveLength) : QString());

    const QString perMinute = "/" + tr("min");
    const QString heartRate = CheckValueText::withSuffix(daily.HR, ValueRange::zoravHeartRate(), perMinute);
    ui->labelHR->setText(line(tr("HR:"), heartRate));
    // A pulse rate within 2 of the heart rate is the same beat counted twice.
    const bool differs = qAbs(int(daily.PR) - int(daily.HR)) > 2;
    const QString pulseRate =
        differs ? CheckValueText::withSuffix(daily.PR, ValueRange::ecgHeartRate(), perMinute) : heartRate;
    ui->labelPR->setText(line(tr("PR:"), pulseRate));
    update();
}

void BodyCheckWidget::paintEvent(QPaintEvent*)
{
    if (m_detail.isRead())
        paintWaveform(m_detail.samples(), ui->labelEcgTime);
}
