#pragma once

#include "ui/rows/CheckItemBase.h"

#include <QWidget>

namespace Ui {
class Spo2TempWidget;
}

// A History check: SpO2, pulse rate and perfusion index with its bars, and
// the body temperature on the one model that measures it.
class Spo2TempWidget : public QWidget, public CheckItemBase
{
    Q_OBJECT
public:
    explicit Spo2TempWidget(QWidget* parent = nullptr);
    ~Spo2TempWidget() override;

    int checkType() const override;
    void display() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Ui::Spo2TempWidget* ui;
};
