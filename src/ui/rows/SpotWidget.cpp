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
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::SpotWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete, ui->btnReview, ui->btnVoice);
}

SpotWidget::~SpotWidget()
{
    delete ui;
}

int SpotWidget::checkType() const
{
    return CheckType::SpotCheck;
}

bool SpotWidget::hasReport() const
{
    return m_detail.isRead();
}

bool SpotWidget::hasVoice() const
{
    return record() && record()->as<SpotRecord>().voice;
}

void SpotWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    ui->labelPatientId->setText(line(tr("patient id:"), m_user.medicalid));
    ui->labelName->setText(nameLine());
    ui->labelGender->setText(genderLine());
    if (!record())
        return;
    const SpotRecord spot = record()->as<SpotRecord>();
    m_detail = EcgDetail::read(detailPath(), EcgDetail::Form::Short);
    const bool read = m_detail.isRead();

    const bool ecg = spot.checkFunc & Ecg;
    const QString dash = CheckValueText::kDash;
    ui->labelHR->setText(
        line(tr("HR:"), ecg ? CheckValueText::withSuffix(spot.HR, ValueRange::ecgHeartRate(), "/min") : dash));
    ui->labelQRS->setText(line(tr("QRS:"), ecg ? CheckValueText::withSuffix(spot.QRS, ValueRange::qrs(), "ms") : dash));
    ui->labelQTC->setText(line(tr("QT/QTc:"), ecg ? CheckValueText::qtQtc(spot.QT, spot.QTc) : dash));
    ui->labelEcgTime->setText(read ? CheckValueText::ecgDuration(m_detail.header().waveLength) : QString());
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
    update();
}

void SpotWidget::paintEvent(QPaintEvent*)
{
    if (m_detail.isRead())
        paintWaveform(m_detail.samples(), ui->labelEcgTime);
}
