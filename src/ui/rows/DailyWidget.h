#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/ReviewInterface.h"

#include <QWidget>

namespace Ui {
class DailyWidget;
}

// A daily check: ECG values, results and mini waveform, SpO2 and the user.
// The two-user monitor (model 53) shows lead and pulse verdict instead of
// SpO2 and marks the user A or B in place of the clock.
class DailyWidget : public QWidget, public CheckItemBase, public ReviewInterface
{
    Q_OBJECT
public:
    explicit DailyWidget(QWidget* parent = nullptr);
    ~DailyWidget() override;

    int checkType() const override;
    bool hasReport() const override;
    void display() override;
    // The verdict shown on the result line, which the result filter compares.
    QString resultText() const;
    // "A" or "B" on the two-user monitor, else empty.
    QString userLetter() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hasVoice() const override;

private:
    bool isTwoUserMonitor() const;
    Ui::DailyWidget* ui;
};
