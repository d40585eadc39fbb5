#pragma once

#include "ui/rows/CheckItemBase.h"

// A blood-pressure check, of the device (256) or of one user (128).
class NibpWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit NibpWidget(int checkType, QWidget* parent = nullptr);

protected:
    void display() override;
};
