#include "ui/records/NoDataWidget.h"
#include "ui_NoDataWidget.h"

NoDataWidget::NoDataWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::NoDataWidget)
{
    ui->setupUi(this);
}

NoDataWidget::~NoDataWidget()
{
    delete ui;
}
