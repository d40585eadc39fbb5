#include "ui/rows/CheckItemBase.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "files/DetailPath.h"
#include "files/ValueRange.h"
#include "report/DateTimeText.h"
#include "report/MiniWaveform.h"
#include "report/PerfusionBars.h"
#include "ui/rows/CheckItemSignal.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidgetItem>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

const QSize kButtonSize(32, 32);
const char* const kSelectStyle = "QCheckBox { color: black; }"
                                 "QCheckBox::indicator { width: 32px; height: 32px; }"
                                 "QCheckBox::indicator:unchecked { image: url(:/res/chk_unchkecked.png); }"
                                 "QCheckBox::indicator:checked { image: url(:/res/chk_checked.png); }";

// Controls keep their place while hidden, so nothing moves under the mouse.
void keepPlace(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void setUpButton(QPushButton* button, const char* picture)
{
    if (!button)
        return;
    keepPlace(button);
    button->setIcon(QIcon(QString::fromLatin1(picture)));
    button->setIconSize(kButtonSize);
    button->setFixedSize(kButtonSize);
    button->setFlat(true);
    button->hide();
}

} // namespace

CheckItemBase::CheckItemBase(QWidget* row)
    : m_row(row)
    , m_signal(new CheckItemSignal(this, row))
{
    m_user.userid = Vitacor::kNoUserId;
    m_user.birthday = QDate(2000, 1, 1);
}

CheckItemBase::~CheckItemBase()
{
    // The relay calls back into this part, which is gone before the row's children are.
    delete m_signal;
}

void CheckItemBase::showTime(QLabel* icon, QLabel* text)
{
    icon->setPixmap(QPixmap(QStringLiteral(":/time")));
    if (m_record)
        text->setText(DateTimeText::dateTime(m_record->checkTime().toDateTime(), true));
}

void CheckItemBase::setUser(const CheckUser& user, bool keepRemarks)
{
    const QString remarks = m_user.remarks;
    m_user = user;
    if (keepRemarks)
        m_user.remarks = remarks;
}

void CheckItemBase::setData(const QString& sn, const CheckRecord* record, const DeviceInfo& device)
{
    m_sn = sn;
    m_record = record;
    m_device = device;
    display();
}

void CheckItemBase::setSelected(bool selected)
{
    if (m_select && m_select->isChecked() != selected)
        m_select->setChecked(selected);
}

void CheckItemBase::showControls(bool shown)
{
    if (m_select)
        m_select->setVisible(shown);
    if (m_delete)
        m_delete->setVisible(shown);
    if (m_review)
        m_review->setVisible(shown && m_reviewOffered && hasReport());
    if (m_voice)
        m_voice->setVisible(shown && hasVoice());
}

void CheckItemBase::setUpControls(QCheckBox* select, QPushButton* deleteButton, QPushButton* reviewButton,
                                  QPushButton* voiceButton)
{
    m_select = select;
    m_delete = deleteButton;
    m_review = reviewButton;
    m_voice = voiceButton;
    setUpButton(deleteButton, ":/remove1");
    setUpButton(reviewButton, ":/review1");
    setUpButton(voiceButton, ":/voice1");
    if (deleteButton)
        QObject::connect(deleteButton, &QPushButton::clicked, m_signal, [this] { emit m_signal->deleteRecord(this); });
    if (reviewButton)
        QObject::connect(reviewButton, &QPushButton::clicked, m_signal, [this] { emit m_signal->review(this); });
    if (voiceButton)
        QObject::connect(voiceButton, &QPushButton::clicked, m_signal, [this] { emit m_signal->playVoice(this); });
    if (!select)
        return;
    keepPlace(select);
    select->setStyleSheet(QString::fromLatin1(kSelectStyle));
    select->hide();
    QObject::connect(select, &QCheckBox::toggled, m_signal, [this](bool checked) {
        if (m_listItem && m_listItem->isSelected() != checked)
            m_listItem->setSelected(checked);
    });
}

QString CheckItemBase::detailPath() const
{
    return m_record ? DetailPath::of(Config::instance()->dataDir(), m_sn, m_record->checkTimeText()) : QString();
}

void CheckItemBase::paintWaveform(const QVector<qint16>& samples, const QLabel* durationLabel) const
{
    QPainter painter(m_row);
    MiniWaveform::paint(painter, samples, waveformRect(durationLabel));
}

void CheckItemBase::paintPerfusionBars(const QLabel* piLabel, int spo2, int pulseRate, int perfusionIndex) const
{
    if (!ValueRange::spo2().contains(spo2) || !ValueRange::pulseRate().contains(pulseRate) ||
        !ValueRange::perfusionIndex().contains(perfusionIndex))
        return;
    const QRect label = piLabel->geometry();
    const int left = label.left() + piLabel->fontMetrics().horizontalAdvance(piLabel->text()) + 5;
    QPainter painter(m_row);
    PerfusionBars::paint(painter, QPoint(left, label.bottom() - 3), PerfusionBars::filledCount(perfusionIndex));
}

QRect CheckItemBase::waveformRect(const QLabel* durationLabel) const
{
    const int left = durationLabel->geometry().right() + 1 + 5;
    const int right = m_row->width() - 10;
    return QRect(QPoint(left, 10), QPoint(right - 1, m_row->height() - 10 - 1));
}

QString CheckItemBase::nameLine() const
{
    return line(QCoreApplication::translate("CheckItemBase", "Name:"), m_user.name);
}

QString CheckItemBase::genderLine() const
{
    QString gender;
    if (m_user.sex == 0)
        gender = QCoreApplication::translate("CheckItemBase", "Male");
    else if (m_user.sex == 1)
        gender = QCoreApplication::translate("CheckItemBase", "Female");
    return line(QCoreApplication::translate("CheckItemBase", "Gender:"), gender);
}

QString CheckItemBase::birthdayLine() const
{
    return line(QCoreApplication::translate("CheckItemBase", "Date of Birth:"), DateTimeText::date(m_user.birthday));
}
