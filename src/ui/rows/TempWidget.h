#pragma once

#include "ui/rows/CheckItemBase.h"

// A thermometer check: body or object temperature in the chosen unit; the
// face only for body temperature.
class TempWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit TempWidget(QWidget* parent = nullptr);
    void unitsChanged() override { refresh(); }

protected:
    void display() override;
};
