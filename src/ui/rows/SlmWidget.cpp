#include "ui/rows/SlmWidget.h"
#include "ui_SlmWidget.h"

#include "files/CheckType.h"
#include "files/SleepTrend.h"
#include "files/SlmRecord.h"
#include "report/CheckValueText.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

SlmWidget::SlmWidget(QWidget* parent)
    : CheckItemBase(CheckType::Sleep, parent)
{
    setUpForm<Ui::SlmWidget>();
}

bool SlmWidget::hasReport() const
{
    return m_hasTrend;
}

void SlmWidget::display()
{
    auto* ui = form<Ui::SlmWidget>();
    m_hasTrend = !SleepTrend::read(detailPath()).isEmpty();
    const SlmRecord sleep = record()->as<SlmRecord>();
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
