#pragma once

#include "ui/rows/CheckItemBase.h"

// A night of sleep oximetry: durations, drops, average and lowest SpO2 and
// the verdict. It can be reviewed when its trend file holds samples.
class SlmWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit SlmWidget(QWidget* parent = nullptr);
    bool hasReport() const override;

protected:
    void display() override;

private:
    bool m_hasTrend = false;
};
