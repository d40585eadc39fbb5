#pragma once

#include "ui/rows/CheckItemBase.h"

// A pedometer day of one user in metric or imperial units.
class PedoWidget : public CheckItemBase
{
    Q_OBJECT
public:
    explicit PedoWidget(QWidget* parent = nullptr);
    void unitsChanged() override { refresh(); }

protected:
    void display() override;
};
