#pragma once

#include <QWidget>

namespace Ui {
class NoDataWidget;
}

// The record list's only item when the selection has no stored checks.
class NoDataWidget : public QWidget
{
    Q_OBJECT
public:
    explicit NoDataWidget(QWidget* parent = nullptr);
    ~NoDataWidget() override;

private:
    Ui::NoDataWidget* ui;
};
