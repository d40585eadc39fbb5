#pragma once

#include "files/SleepTrend.h"
#include "ui/rows/CheckItemBase.h"

#include <QWidget>

namespace Ui {
class SlmWidget;
}

// A night of sleep oximetry: durations, drops, average and lowest SpO2 and
// the verdict. Its review reads the trend file.
class SlmWidget : public QWidget, public CheckItemBase
{
    Q_OBJECT
public:
    explicit SlmWidget(QWidget* parent = nullptr);
    ~SlmWidget() override;

    int checkType() const override;
    bool hasReport() const override;
    void display() override;
    const QVector<SleepTrendEntry>& trend() const { return m_trend; }

private:
    QVector<SleepTrendEntry> m_trend;
    Ui::SlmWidget* ui;
};
