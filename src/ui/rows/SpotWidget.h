#pragma once

#include "ui/rows/CheckItemBase.h"

// A spot check of an extended user: whichever of ECG, SpO2 and temperature
// the record says were measured.
class SpotWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit SpotWidget(QWidget* parent = nullptr);
    void unitsChanged() override { refresh(); }

protected:
    void display() override;
};
