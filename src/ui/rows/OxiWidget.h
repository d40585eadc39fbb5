#pragma once

#include "ui/rows/CheckItemBase.h"

// A pulse oximeter check: SpO2, pulse rate, perfusion index with its bars,
// the SpO2 result and face.
class OxiWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit OxiWidget(QWidget* parent = nullptr);

protected:
    void display() override;
};
