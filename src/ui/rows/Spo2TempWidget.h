#pragma once

#include "ui/rows/CheckItemBase.h"

// A History check: SpO2, pulse rate and perfusion index with its bars, and
// the body temperature on the one model that measures it.
class Spo2TempWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit Spo2TempWidget(QWidget* parent = nullptr);

protected:
    void display() override;
};
