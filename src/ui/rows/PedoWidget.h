#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/IOnConfigChanged.h"

#include <QWidget>

namespace Ui {
class PedoWidget;
}

// A pedometer day of one user in metric or imperial units.
class PedoWidget : public QWidget, public CheckItemBase, public IOnConfigChanged
{
    Q_OBJECT
public:
    explicit PedoWidget(QWidget* parent = nullptr);
    ~PedoWidget() override;

    int checkType() const override;
    void display() override;
    void onConfigChanged() override { display(); }

private:
    Ui::PedoWidget* ui;
};
