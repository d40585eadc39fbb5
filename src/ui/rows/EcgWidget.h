#pragma once

#include "ui/rows/CheckItemBase.h"

// A check of the ECG recorder: the values of its detail file, lead and cable,
// up to two results and the mini waveform.
class EcgWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit EcgWidget(QWidget* parent = nullptr);

protected:
    void display() override;
};
