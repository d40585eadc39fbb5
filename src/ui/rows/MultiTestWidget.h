#pragma once

#include "ui/rows/CheckItemBase.h"

// A multi-test: ECG, SpO2 and pulse, temperature, blood pressure and glucose
// of one run, each with its verdict, and the mini waveform of its ECG.
class MultiTestWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit MultiTestWidget(QWidget* parent = nullptr);
    // The report page shows the values even without a waveform.
    bool hasReport() const override { return true; }

protected:
    void display() override;
};
