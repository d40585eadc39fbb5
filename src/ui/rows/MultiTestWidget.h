#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/ReviewInterface.h"

#include <QWidget>

namespace Ui {
class MultiTestWidget;
}

// A multi-test: ECG, SpO2 and pulse, temperature, blood pressure and glucose
// of one run, each with its verdict, and the mini waveform of its ECG.
class MultiTestWidget : public QWidget, public CheckItemBase, public ReviewInterface
{
    Q_OBJECT
public:
    explicit MultiTestWidget(QWidget* parent = nullptr);
    ~MultiTestWidget() override;

    int checkType() const override;
    // The report page shows the values even without a waveform.
    bool hasReport() const override { return true; }
    void display() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Ui::MultiTestWidget* ui;
};
