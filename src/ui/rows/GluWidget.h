#pragma once

#include "ui/rows/CheckItemBase.h"

// A blood-glucose reading in the meter's unit with its note and verdict, of
// the device (8192) or of one user (4096).
class GluWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit GluWidget(int checkType, QWidget* parent = nullptr);

protected:
    void display() override;
};
