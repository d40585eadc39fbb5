#pragma once

#include "ui/rows/CheckItemBase.h"
#include "ui/rows/ReviewInterface.h"

#include <QWidget>

namespace Ui {
class EcgWidget;
}

// A check of the ECG recorder: the values of its detail file, lead and cable,
// up to two results and the mini waveform.
class EcgWidget : public QWidget, public CheckItemBase, public ReviewInterface
{
    Q_OBJECT
public:
    explicit EcgWidget(QWidget* parent = nullptr);
    ~EcgWidget() override;

    int checkType() const override;
    bool hasReport() const override;
    void display() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hasVoice() const override;

private:
    Ui::EcgWidget* ui;
};
