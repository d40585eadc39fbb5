#pragma once

#include "ui/rows/CheckItemBase.h"

#include <QWidget>

namespace Ui {
class GluWidget;
}

// A blood-glucose reading in the meter's unit with its note and verdict.
class GluWidget : public QWidget, public CheckItemBase
{
    Q_OBJECT
public:
    explicit GluWidget(int checkType, QWidget* parent = nullptr);
    ~GluWidget() override;

    int checkType() const override;
    void display() override;

private:
    const int m_checkType;
    Ui::GluWidget* ui;
};
