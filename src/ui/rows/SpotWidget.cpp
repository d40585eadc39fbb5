#include "ui/rows/SpotWidget.h"
#include "ui_SpotWidget.h"

#include "app/Config.h"
#include "files/CheckType.h"
#include "files/SpotRecord.h"
#include "report/CheckValueText.h"
#include "report/ResultText.h"
#include "report/UnitText.h"

namespace {

enum Function { Ecg = 1, Spo2 = 2, Temperature = 4 };

} // namespace

SpotWidget::SpotWidget(QWidget* parent)
    : CheckItemBase(CheckType::SpotCheck, parent)
{
    setUpForm<Ui::SpotWidget>();
}

void SpotWidget::display()
{
    auto* ui = form<Ui::SpotWidget>();
    ui->labelPatientId->setText(line(tr("patient id:"), m_user.medicalid));
    showIdentity(ui->labelName, ui->labelGender);
    readDetail(EcgDetail::Form::Short, ui->labelEcgTime);
    const SpotRecord spot = record()->as<SpotRecord>();
    const QString dash = CheckValueText::kDash;

    const bool ecg = spot.checkFunc & Ecg;
    ui->labelHR->setText(
        line(tr("HR:"), ecg ? CheckValueText::withSuffix(spot.HR, ValueRange::ecgHeartRate(), "/min") : dash));
    ui->labelQRS->setText(line(tr("QRS:"), ecg ? CheckValueText::withSuffix(spot.QRS, ValueRange::qrs(), "ms") : dash));
    ui->labelQTC->setText(line(tr("QT/QTc:"), ecg ? CheckValueText::qtQtc(spot.QT, spot.QTc) : dash));
    ui->labelEcgResult->setText(ResultText::ecg(spot.ECGResult, 1));
    ui->labelEcgFace->setPixmap(QPixmap(ResultText::facePicture(spot.ECGFace)));
    ui->labelEcgResult->setVisible(ecg);
    ui->labelEcgFace->setVisible(ecg);

    const bool spo2 = spot.checkFunc & Spo2;
    ui->labelSpo2->setText(
        line(tr("SpO2:"), spo2 ? CheckValueText::withSuffix(spot.Oxi, ValueRange::spo2(), "%") : dash));
    // This monitor stores the perfusion index in whole percent.
    ui->labelPI->setText(line(tr("PI:"), spo2 ? QString::number(spot.PI) : dash));
    ui->labelSpo2Result->setText(ResultText::spo2(spot.OxiFace));
    ui->labelSpo2Face->setPixmap(QPixmap(ResultText::facePicture(spot.OxiFace)));
    ui->labelSpo2Result->setVisible(spo2);
    ui->labelSpo2Face->setVisible(spo2);

    const bool temperature = (spot.checkFunc & Temperature) && spot.temp != 0;
    ui->labelTemp->setText(line(
        tr("Temperature:"), temperature ? UnitText::temperature(spot.temp, Config::instance()->isCelsius()) : dash));
}
