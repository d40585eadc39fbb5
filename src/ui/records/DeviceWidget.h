#pragma once

#include "files/DeviceInfo.h"

#include <QWidget>

namespace Ui {
class DeviceWidget;
}

// The read-only panel of a stored device: picture, model name, serial
// number, firmware version and whether it is connected now.
class DeviceWidget : public QWidget
{
    Q_OBJECT
public:
    DeviceWidget(const DeviceInfo& device, bool online, QWidget* parent = nullptr);
    ~DeviceWidget() override;

    void setOnline(bool online);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Ui::DeviceWidget* ui;
};
