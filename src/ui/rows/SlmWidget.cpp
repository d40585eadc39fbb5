#include "ui/rows/SlmWidget.h"
#include "ui_SlmWidget.h"

#include "files/CheckType.h"
#include "files/SlmRecord.h"
#include "report/CheckValueText.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

SlmWidget::SlmWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::SlmWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete, ui->btnReview);
}

SlmWidget::~SlmWidget()
{
    delete ui;
}

int SlmWidget::checkType() const
{
    return CheckType::Sleep;
}

bool SlmWidget::hasReport() const
{
    return !m_trend.isEmpty();
}

void SlmWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    if (!record())
        return;
    const SlmRecord sleep = record()->as<SlmRecord>();
    m_trend = SleepTrend::read(detailPath());
    ui->labelTotal->setText(line(tr("Total Duration:"), UnitText::duration(int(sleep.totalTime))));
    ui->labelStatistics->setText(line(tr("<90% Statistics:"),
                                      QString::number(sleep.lowOxiCount) + " " + tr("drops, Total time:") + " " +
                                          UnitText::duration(sleep.lowOxiTime)));
    ui->labelAverage->setText(
        line(tr("Average:"), CheckValueText::withSuffix(sleep.averageOxi, ValueRange::sleepSpo2(), "%")));
    ui->labelLowest->setText(
        line(tr("Lowest:"), CheckValueText::withSuffix(sleep.lowestOxi, ValueRange::sleepSpo2(), "%")));
    const ResultText::Verdict verdict = ResultText::sleep(sleep.smile);
    ui->labelResult->setText(verdict.text);
    ui->labelFace->setPixmap(QPixmap(verdict.picture));
}
