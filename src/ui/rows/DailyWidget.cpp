#include "ui/rows/DailyWidget.h"
#include "ui_DailyWidget.h"

#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/DeviceModel.h"
#include "report/CheckValueText.h"
#include "report/LeadText.h"
#include "report/ResultText.h"

namespace {

// The two-user monitor keeps the user (1 or 2) where others keep the
// blood-pressure flag, which it never measures.
int userByte(const DailyRecord& daily)
{
    return daily.BPFlag;
}

} // namespace

DailyWidget::DailyWidget(QWidget* parent)
    : QWidget(parent)
    , CheckItemBase(this)
    , ui(new Ui::DailyWidget)
{
    ui->setupUi(this);
    setUpControls(ui->chkSelect, ui->btnDelete, ui->btnReview, ui->btnVoice);
}

DailyWidget::~DailyWidget()
{
    delete ui;
}

int DailyWidget::checkType() const
{
    return CheckType::DailyCheck;
}

bool DailyWidget::hasReport() const
{
    return m_detail.isRead();
}

bool DailyWidget::hasVoice() const
{
    return record() && record()->as<DailyRecord>().voice;
}

bool DailyWidget::isTwoUserMonitor() const
{
    return device().modelType == DeviceModel::kQmr4Type;
}

QString DailyWidget::resultText() const
{
    return ui->labelResult->text();
}

QString DailyWidget::userLetter() const
{
    if (!record() || !isTwoUserMonitor())
        return QString();
    return LeadText::userLetter(userByte(record()->as<DailyRecord>()));
}

void DailyWidget::display()
{
    showTime(ui->labelTimeIcon, ui->labelTime);
    ui->labelName->setText(nameLine());
    ui->labelGender->setText(genderLine());
    ui->labelBirthday->setText(birthdayLine());
    if (!record())
        return;
    const DailyRecord daily = record()->as<DailyRecord>();
    const bool twoUser = isTwoUserMonitor();
    m_detail = EcgDetail::read(detailPath(), EcgDetail::formFor(CheckType::DailyCheck, device().modelType));
    const EcgHeader& header = m_detail.header();
    const bool read = m_detail.isRead();

    ui->labelHR->setText(
        line(tr("HR:"), CheckValueText::withSuffix(header.heartRate, ValueRange::ecgHeartRate(), "/min")));
    ui->labelQRS->setText(line(tr("QRS:"), CheckValueText::withSuffix(header.qrs, ValueRange::qrs(), "ms")));
    ui->labelQTC->setText(line(tr("QT/QTc:"), CheckValueText::qtQtc(header.qt, header.qtc)));
    ui->labelEcgTime->setText(read ? CheckValueText::ecgDuration(header.waveLength) : QString());
    ui->labelEcgFace->setPixmap(QPixmap(ResultText::facePicture(daily.ECGFace)));
    ui->labelSpo2->setText(line(tr("SpO2:"), CheckValueText::withSuffix(daily.SpO2, ValueRange::spo2(), "%")));
    ui->labelPI->setText(line(tr("PI:"), CheckValueText::perfusionIndex(daily.PI)));
    ui->labelSpo2Result->setText(ResultText::spo2(daily.SpO2Face));
    ui->labelSpo2Face->setPixmap(QPixmap(ResultText::facePicture(daily.SpO2Face)));

    QString result;
    if (read)
        result = twoUser ? ResultText::pulse(header.result) : ResultText::ecg(header.result, 2);
    ui->labelResult->setText(result);

    // The two-user monitor measures no SpO2; it shows its lead instead.
    for (QWidget* spo2Part : {ui->labelSpo2, ui->labelPI, ui->labelSpo2Result, ui->labelSpo2Face})
        spo2Part->setVisible(!twoUser);
    ui->labelLead->setVisible(twoUser);
    if (!twoUser) {
        update();
        return;
    }
    const LeadText::LeadCable lead = LeadText::daily(header.leadMode);
    ui->labelLead->setText(line(tr("Lead:"), lead.lead) + "   " + line(tr("Cable:"), lead.cable));
    const int user = userByte(daily);
    if (user == 1 || user == 2) {
        const QPixmap picture(user == 1 ? QStringLiteral(":/usera2") : QStringLiteral(":/userb2"));
        ui->labelTimeIcon->setPixmap(picture);
        ui->labelTimeIcon->setFixedSize(picture.size());
    }
    update();
}

void DailyWidget::paintEvent(QPaintEvent*)
{
    if (m_detail.isRead())
        paintWaveform(m_detail.samples(), ui->labelEcgTime);
}
