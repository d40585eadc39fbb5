#include "ui/rows/CheckItemBase.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/RecordTypes.h"
#include "files/ValueRange.h"
#include "report/CheckValueText.h"
#include "report/DateTimeText.h"
#include "report/MiniWaveform.h"
#include "report/PerfusionBars.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidgetItem>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

const QSize kButtonSize(32, 32);

// Controls keep their place while hidden, so nothing moves under the mouse.
void keepPlace(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void setUpButton(QPushButton* button, const QIcon& icon)
{
    if (!button)
        return;
    keepPlace(button);
    button->setIcon(icon);
    button->setIconSize(kButtonSize);
    button->setFixedSize(kButtonSize);
    button->setFlat(true);
    button->hide();
}

} // namespace

CheckItemBase::CheckItemBase(int checkType, QWidget* parent)
    : QWidget(parent)
    , m_checkType(checkType)
{
    m_user.userid = Vitacor::kNoUserId;
    m_user.birthday = QDate(2000, 1, 1);
}

CheckItemBase::~CheckItemBase() = default;

bool CheckItemBase::hasReport() const
{
    return CheckType::hasReport(m_checkType) && m_detail.isRead();
}

bool CheckItemBase::hasVoice() const
{
    return CheckType::hasVoice(m_checkType) && m_record && RecordTypes::hasVoiceNote(*m_record);
}

void CheckItemBase::refresh()
{
    showTime();
    if (m_record)
        display();
    update();
}

void CheckItemBase::showTime()
{
    if (m_timeIcon)
        m_timeIcon->setPixmap(QPixmap(QStringLiteral(":/time")));
    if (m_time && m_record)
        m_time->setText(DateTimeText::dateTime(m_record->checkTime().toDateTime(), true));
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
    refresh();
}

void CheckItemBase::setSelected(bool selected)
{
    if (m_select && m_select->isChecked() != selected)
        m_select->setChecked(selected);
}

void CheckItemBase::enterEvent(QEvent* event)
{
    showControls(true);
    QWidget::enterEvent(event);
}

void CheckItemBase::leaveEvent(QEvent* event)
{
    showControls(false);
    QWidget::leaveEvent(event);
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

void CheckItemBase::setUpControls()
{
    m_timeIcon = findChild<QLabel*>(QStringLiteral("labelTimeIcon"));
    m_time = findChild<QLabel*>(QStringLiteral("labelTime"));
    m_select = findChild<QCheckBox*>(QStringLiteral("chkSelect"));
    m_delete = findChild<QPushButton*>(QStringLiteral("btnDelete"));
    m_review = findChild<QPushButton*>(QStringLiteral("btnReview"));
    m_voice = findChild<QPushButton*>(QStringLiteral("btnVoice"));
    // Reading a picture's header for every row would cost more than building the row.
    static const QIcon deleteIcon(":/remove1");
    static const QIcon reviewIcon(":/review1");
    static const QIcon voiceIcon(":/voice1");
    setUpButton(m_delete, deleteIcon);
    setUpButton(m_review, reviewIcon);
    setUpButton(m_voice, voiceIcon);
    if (m_delete)
        connect(m_delete, &QPushButton::clicked, this, [this] { emit deleteRecord(this); });
    if (m_review)
        connect(m_review, &QPushButton::clicked, this, [this] { emit review(this); });
    if (m_voice)
        connect(m_voice, &QPushButton::clicked, this, [this] { emit playVoice(this); });
    if (!m_select)
        return;
    keepPlace(m_select);
    m_select->hide();
    connect(m_select, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_listItem && m_listItem->isSelected() != checked)
            m_listItem->setSelected(checked);
    });
}

QString CheckItemBase::detailPath() const
{
    return m_record ? DetailPath::of(Config::instance()->dataDir(), m_sn, m_record->checkTimeText()) : QString();
}

void CheckItemBase::readDetail(EcgDetail::Form form, QLabel* duration, const QWidget* waveArea)
{
    m_detail = EcgDetail::read(detailPath(), form);
    m_duration = duration;
    m_waveArea = waveArea;
    duration->setText(m_detail.isRead() ? CheckValueText::ecgDuration(m_detail.header().waveLength) : QString());
}

void CheckItemBase::showOximetry(QLabel* spo2Label, QLabel* pulseRateLabel, QLabel* piLabel, int spo2, int pulseRate,
                                 int perfusionIndex)
{
    spo2Label->setText(line(tr("Blood Oxygen(SpO2):"), CheckValueText::withSuffix(spo2, ValueRange::spo2(), "%")));
    pulseRateLabel->setText(
        line(tr("Pulse Rate(PR):"), CheckValueText::withSuffix(pulseRate, ValueRange::pulseRate(), "/min")));
    piLabel->setText(line(tr("Perfusion Index(PI):"), CheckValueText::perfusionIndex(perfusionIndex)));
    const bool valid = ValueRange::spo2().contains(spo2) && ValueRange::pulseRate().contains(pulseRate) &&
        ValueRange::perfusionIndex().contains(perfusionIndex);
    m_perfusionLabel = piLabel;
    m_perfusionBars = valid ? PerfusionBars::filledCount(perfusionIndex) : -1;
}

void CheckItemBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_detail.isRead() && (m_duration || m_waveArea) && !waveformRect().isEmpty()) {
        // Thousands of points per strip: drawn once, then every repaint of a scrolled list copies them.
        const QRect area = waveformRect();
        if (m_waveformSize != area.size() || m_waveformSamples != m_detail.samples().constData()) {
            const qreal ratio = devicePixelRatioF();
            m_waveform = QPixmap(area.size() * ratio);
            m_waveform.setDevicePixelRatio(ratio);
            m_waveform.fill(Qt::transparent);
            QPainter cache(&m_waveform);
            cache.translate(-area.topLeft());
            MiniWaveform::paint(cache, m_detail.samples(), area);
            m_waveformSize = area.size();
            m_waveformSamples = m_detail.samples().constData();
        }
        painter.drawPixmap(area.topLeft(), m_waveform);
    }
    if (m_perfusionLabel && m_perfusionBars >= 0) {
        const QRect label = m_perfusionLabel->geometry();
        const int left = label.left() + m_perfusionLabel->fontMetrics().horizontalAdvance(m_perfusionLabel->text()) + 5;
        PerfusionBars::paint(painter, QPoint(left, label.bottom() - 3), m_perfusionBars);
    }
}

QRect CheckItemBase::waveformRect() const
{
    if (m_waveArea)
        return m_waveArea->geometry();
    const int left = m_duration->geometry().right() + 1 + 5;
    const int right = width() - 10;
    return QRect(QPoint(left, 10), QPoint(right - 1, height() - 10 - 1));
}

void CheckItemBase::showIdentity(QLabel* name, QLabel* gender, QLabel* birthday) const
{
    name->setText(line(tr("Name:"), m_user.name));
    QString sex;
    if (m_user.sex == 0)
        sex = tr("Male");
    else if (m_user.sex == 1)
        sex = tr("Female");
    gender->setText(line(tr("Gender:"), sex));
    if (birthday)
        birthday->setText(line(tr("Date of Birth:"), DateTimeText::date(m_user.birthday)));
}
