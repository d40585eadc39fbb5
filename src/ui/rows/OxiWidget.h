#pragma once

#include "ui/rows/CheckItemBase.h"

#include <QWidget>

namespace Ui {
class OxiWidget;
}

// A pulse oximeter check: SpO2, pulse rate, perfusion index with its bars,
// the SpO2 result and face.
class OxiWidget : public QWidget, public CheckItemBase
{
    Q_OBJECT
public:
    explicit OxiWidget(QWidget* parent = nullptr);
    ~OxiWidget() override;

    int checkType() const override;
    void display() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Ui::OxiWidget* ui;
};
