#pragma once

#include <QPushButton>

// The start time of one minute beside the all-ECG page, drawn as a link:
// blue, underlined, on white; clicking opens that minute.
class TimeButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TimeButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
