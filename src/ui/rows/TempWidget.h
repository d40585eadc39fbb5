#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/IOnConfigChanged.h"

#include <QWidget>

namespace Ui {
class TempWidget;
}

// A thermometer check: body or object temperature in the chosen unit; the
// face only for body temperature.
class TempWidget : public QWidget, public CheckItemBase, public IOnConfigChanged
{
    Q_OBJECT
public:
    explicit TempWidget(QWidget* parent = nullptr);
    ~TempWidget() override;

    int checkType() const override;
    void display() override;
    void onConfigChanged() override { display(); }

private:
    Ui::TempWidget* ui;
};
