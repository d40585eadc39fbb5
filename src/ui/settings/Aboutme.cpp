#include "ui/settings/Aboutme.h"
#include "ui_Aboutme.h"

#include "app/Config.h"

#include <QCoreApplication>
#include <QPixmap>

const QLatin1String Aboutme::kDownloadUrl("https://www.vitacor.example.com/download");

Aboutme::Aboutme(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::Aboutme)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QString version = QCoreApplication::applicationVersion();
    ui->lblUrl2->hide();
    switch (Config::instance()->language()) {
    case 0:
        setStyleSheet("QDialog{background-color:white}");
        ui->labelLogo->setPixmap(QPixmap(":/lumadon_logo"));
        ui->labelURL->hide();
        ui->labelVersion->setText("Vitrelanda PC v1.0.0");
        break;
    case 2:
        ui->labelLogo->setPixmap(
            QPixmap("://res/logo_quor.png").scaled(210, 70, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        ui->labelURL->hide();
        ui->labelVersion->setText(tr("Vitacor Browser Pro V %1", "simplified_chinese_ver").arg(version));
        break;
    default:
        ui->labelLogo->hide();
        ui->labelURL->setText(QString("<a href=\"%1\">%1</a>").arg(kDownloadUrl));
        ui->labelVersion->setText(tr("Solvimara EX v%1", "solvimara version").arg(version));
        break;
    }
}

Aboutme::~Aboutme()
{
    delete ui;
}
