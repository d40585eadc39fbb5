#pragma once

#include "ui/rows/CheckItemBase.h"

#include <QWidget>

namespace Ui {
class NibpWidget;
}

// A blood-pressure check, of the device or of one user.
class NibpWidget : public QWidget, public CheckItemBase
{
    Q_OBJECT
public:
    explicit NibpWidget(int checkType, QWidget* parent = nullptr);
    ~NibpWidget() override;

    int checkType() const override;
    void display() override;

private:
    const int m_checkType;
    Ui::NibpWidget* ui;
};
