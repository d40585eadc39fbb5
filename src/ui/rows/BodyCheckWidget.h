#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/ReviewInterface.h"

#include <QWidget>

namespace Ui {
class BodyCheckWidget;
}

// A ZoravIvide (Corviset) daily check: mode, duration, heart and pulse rate
// and the mini waveform.
class BodyCheckWidget : public QWidget, public CheckItemBase, public ReviewInterface
{
    Q_OBJECT
public:
    explicit BodyCheckWidget(QWidget* parent = nullptr);
    ~BodyCheckWidget() override;

    int checkType() const override;
    bool hasReport() const override;
    void display() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hasVoice() const override;

private:
    Ui::BodyCheckWidget* ui;
};
