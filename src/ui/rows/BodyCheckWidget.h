#pragma once

#include "ui/rows/CheckItemBase.h"

// A ZoravIvide (Corviset) daily check: mode, duration, heart and pulse rate
// and the mini waveform.
class BodyCheckWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit BodyCheckWidget(QWidget* parent = nullptr);

protected:
    void display() override;
};
