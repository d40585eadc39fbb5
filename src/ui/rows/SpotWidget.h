#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/IOnConfigChanged.h"
#include "ui/rows/ReviewInterface.h"

#include <QWidget>

namespace Ui {
class SpotWidget;
}

// A spot check of an extended user: whichever of ECG, SpO2 and temperature
// the record says were measured.
class SpotWidget : public QWidget, public CheckItemBase, public ReviewInterface, public IOnConfigChanged
{
    Q_OBJECT
public:
    explicit SpotWidget(QWidget* parent = nullptr);
    ~SpotWidget() override;

    int checkType() const override;
    bool hasReport() const override;
    void display() override;
    void onConfigChanged() override { display(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hasVoice() const override;

private:
    Ui::SpotWidget* ui;
};
