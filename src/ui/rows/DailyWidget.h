#pragma once

#include "ui/rows/CheckItemBase.h"

// A daily check: ECG values, results and mini waveform, SpO2 and the user.
// The two-user monitor (model 53) shows lead and pulse verdict instead of
// SpO2 and marks the user A or B in place of the clock.
class DailyWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit DailyWidget(QWidget* parent = nullptr);

protected:
    void display() override;
};
