#include "ui/records/DeviceWidget.h"
#include "ui_DeviceWidget.h"

#include "files/DeviceModel.h"

#include <QPainter>

DeviceWidget::DeviceWidget(const DeviceInfo& device, bool online, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DeviceWidget)
{
    ui->setupUi(this);
    const DeviceModel model = DeviceModel::of(device.modelType);
    ui->labelDevImage->setPixmap(QPixmap(model.panelPicture()));
    ui->labelDevString->setText(model.name());
    ui->labelSN->setText(tr("Serial Number:") + " " + device.sn);
    ui->labelVersion->setText(tr("Software Version:") + " " +
                              QStringLiteral("V%1.%2").arg(device.versionMajor()).arg(device.versionMinor()));
    setOnline(online);
}

DeviceWidget::~DeviceWidget()
{
    delete ui;
}

void DeviceWidget::setOnline(bool online)
{
    ui->labelState->setText(online ? tr("State: Connected") : tr("State: Offline"));
}

void DeviceWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
}
