#include "ui/holter/EcgDetailDlg.h"
#include "ui_EcgDetailDlg.h"

#include "holter/HolterReport.h"
#include "ui/holter/CursorButton.h"
#include "ui/holter/DetailReportReview.h"
#include "ui/viewers/DialogFrame.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCursorSize = 32;
// Room between the information row and the plot for the 1 s mark, and
// under the plot for the time cursors and their value.
constexpr int kMarkRoom = 26;
constexpr int kCursorRoom = 40;
// The amplitude cursors stand this far left of the plot.
constexpr int kAmplitudeCursorOffset = 85;

CursorButton* makeCursor(CursorButton::Orientation orientation, const char* icon, QWidget* parent)
{
    auto* button = new CursorButton(orientation, parent);
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setIconSize(QSize(kCursorSize, kCursorSize));
    button->setFixedSize(kCursorSize, kCursorSize);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->move(10, 100);
    button->hide();
    return button;
}

QLabel* makeValueLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral("background-color:white;"));
    label->hide();
    return label;
}

} // namespace

EcgDetailDlg::EcgDetailDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::EcgDetailDlg)
    , m_titleText(tr("ECG"))
{
    ui->setupUi(this);
    DialogFrame::setHolterFrame(this);
    setMinimumSize(int(kReferenceWidth * 0.7 + 200), int(kReferenceHeight * 0.7 + 155));
    ui->btnECGDetailPrint->setIcon(QIcon(QStringLiteral(":/printer")));
    ui->btnECGDetailPrint->setToolTip(tr("Print"));
    HolterMinutePainter::Style style;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    style.markFont = font;
    m_painter.setStyle(style);
    for (int i = 0; i < 2; ++i) {
        m_timeCursors[i] = makeCursor(CursorButton::Horizontal, ":/ArrowHor", this);
        m_amplitudeCursors[i] = makeCursor(CursorButton::Vertical, ":/ArrowVer", this);
        connect(m_timeCursors[i], &CursorButton::cursorMove, this, &EcgDetailDlg::onCursorButtonMove);
        connect(m_amplitudeCursors[i], &CursorButton::cursorMove, this, &EcgDetailDlg::onCursorButtonMove);
    }
    m_timeValue = makeValueLabel(this);
    m_amplitudeValue = makeValueLabel(this);
    refresh();
}

EcgDetailDlg::~EcgDetailDlg()
{
    delete ui;
}

void EcgDetailDlg::setData(HolterReport* report, int minute)
{
    m_report = report;
    m_minuteCount = report && report->isLoaded() ? int(report->duration() / 60) : 0;
    // A recording cut short has fewer minute records than its duration says.
    if (report)
        m_minuteCount = std::min(m_minuteCount, report->minuteCount());
    m_minute = m_minuteCount > 0 ? qBound(0, minute, m_minuteCount - 1) : 0;
    updateValueLabels();
    placeCursors();
    refresh();
}

void EcgDetailDlg::setTitleText(const QString& text)
{
    m_titleText = text;
    refresh();
}

void EcgDetailDlg::hideValueLabels()
{
    m_timeValue->hide();
    m_amplitudeValue->hide();
}

void EcgDetailDlg::showMinute(int minute)
{
    if (minute == m_minute || minute < 0 || minute >= m_minuteCount)
        return;
    m_minute = minute;
    refresh();
}

void EcgDetailDlg::refresh()
{
    const bool any = m_minuteCount > 0;
    const HolterMinute minute = any ? m_report->minutes().at(m_minute) : HolterMinute();
    QString at = QStringLiteral("@--:--");
    if (any) {
        const QTime time = m_report->minuteStart(m_minute).time();
        at = QString::asprintf("@%02d:%02d", time.hour(), time.minute());
    }
    setWindowTitle(m_titleText + at);
    ui->labelTime->setText(at);
    ui->labelHR->setText(tr("HR:") + " " + HolterMinute::valueText(minute.heartRate));
    ui->labelPvcs->setText(tr("PVCs:") + " " + HolterMinute::valueText(minute.pvcCount));
    ui->labelQT->setText(tr("QT:") + " " + HolterMinute::valueText(minute.qt));
    ui->labelQTC->setText(tr("QTc:") + " " + HolterMinute::valueText(minute.qtc));
    ui->labelQRS->setText(tr("QRS:") + " " + HolterMinute::valueText(minute.qrsDuration));
    ui->gridInfo->removeWidget(ui->labelIrr);
    ui->gridInfo->removeWidget(ui->labelPause);
    int column = 7;
    ui->labelIrr->setVisible(minute.hasIrregularRr());
    if (minute.hasIrregularRr())
        ui->gridInfo->addWidget(ui->labelIrr, 0, column++);
    ui->labelPause->setVisible(minute.hasPause());
    if (minute.hasPause())
        ui->gridInfo->addWidget(ui->labelPause, 0, column);
    ui->btnPrevMinute->setEnabled(m_minute > 0);
    ui->btnNextMinute->setEnabled(m_minute + 1 < m_minuteCount);
    ui->btnECGDetailPrint->setEnabled(any);
    update();
}

void EcgDetailDlg::on_btnPrevMinute_clicked()
{
    if (m_minute > 0)
        showMinute(m_minute - 1);
}

void EcgDetailDlg::on_btnNextMinute_clicked()
{
    if (m_minute + 1 < m_minuteCount)
        showMinute(m_minute + 1);
}

void EcgDetailDlg::on_btnPrevStrip_clicked()
{
    const auto it = std::lower_bound(m_matched.cbegin(), m_matched.cend(), m_minute);
    if (it != m_matched.cbegin())
        showMinute(*(it - 1));
}

void EcgDetailDlg::on_btnnextStrip_clicked()
{
    const auto it = std::upper_bound(m_matched.cbegin(), m_matched.cend(), m_minute);
    if (it != m_matched.cend())
        showMinute(*it);
}

void EcgDetailDlg::on_btnRuler_clicked()
{
    m_rulerShown = !m_rulerShown;
    for (int i = 0; i < 2; ++i) {
        m_timeCursors[i]->setVisible(m_rulerShown);
        m_amplitudeCursors[i]->setVisible(m_rulerShown);
    }
    m_timeValue->setVisible(m_rulerShown);
    m_amplitudeValue->setVisible(m_rulerShown);
    update();
}

void EcgDetailDlg::on_btnECGDetailPrint_clicked() {}

void EcgDetailDlg::onCursorButtonMove()
{
    if (m_plot.isEmpty())
        return;
    m_x1 = float((m_timeCursors[0]->centre() - m_plot.left()) * 10 / m_plot.width());
    m_x2 = float((m_timeCursors[1]->centre() - m_plot.left()) * 10 / m_plot.width());
    m_y1 = float((m_amplitudeCursors[0]->centre() - m_plot.top()) * 14 / m_plot.height());
    m_y2 = float((m_amplitudeCursors[1]->centre() - m_plot.top()) * 14 / m_plot.height());
    updateValueLabels();
    update();
}

QString EcgDetailDlg::timeValueText() const
{
    return QString::asprintf("%.2fs", std::abs(m_x1 - m_x2));
}

QString EcgDetailDlg::amplitudeValueText() const
{
    return QString::asprintf("%0.2fmv", std::abs(m_y1 - m_y2));
}

void EcgDetailDlg::updateValueLabels()
{
    m_timeValue->setText(timeValueText());
    m_timeValue->adjustSize();
    m_amplitudeValue->setText(amplitudeValueText());
    m_amplitudeValue->adjustSize();
    if (m_plot.isEmpty())
        return;
    const double timeCentre = m_plot.left() + (m_x1 + m_x2) / 2 * m_plot.width() / 10;
    m_timeValue->move(int(std::lround(timeCentre - m_timeValue->width() / 2.0)),
                      int(std::lround(m_plot.bottom() + 0.03 * m_plot.height())));
    const double amplitudeCentre = m_plot.top() + (m_y1 + m_y2) / 2 * m_plot.height() / 14;
    m_amplitudeValue->move(int(std::lround(m_plot.right() + 10)),
                           int(std::lround(amplitudeCentre - m_amplitudeValue->height() / 2.0)));
}

void EcgDetailDlg::placeCursors()
{
    if (m_plot.isEmpty())
        return;
    const double values[2][2] = {{m_x1, m_x2}, {m_y1, m_y2}};
    for (int i = 0; i < 2; ++i) {
        CursorButton* time = m_timeCursors[i];
        const double x = m_plot.left() + values[0][i] * m_plot.width() / 10 - time->width() / 2.0;
        time->move(int(std::lround(x)), int(std::lround(m_plot.bottom() + 2)));
        time->setRange(int(m_plot.left() - time->width() / 2), int(m_plot.right() - time->width() / 2 + 1));
        CursorButton* amplitude = m_amplitudeCursors[i];
        const double y = m_plot.top() + values[1][i] * m_plot.height() / 14 - amplitude->height() / 2.0;
        amplitude->move(int(std::lround(m_plot.left() - kAmplitudeCursorOffset)), int(std::lround(y)));
        amplitude->setRange(int(m_plot.top() - amplitude->height() / 2),
                            int(m_plot.bottom() - amplitude->height() / 2 + 1));
    }
    updateValueLabels();
}

void EcgDetailDlg::updatePlotRect()
{
    // Between the information row and the buttons, keeping the reference
    // proportions so every small square stays square.
    const int top = ui->gridInfo->geometry().bottom() + kMarkRoom;
    const int bottom = ui->layoutButtons->geometry().top() - kCursorRoom;
    const QSizeF room(std::max(0, width() - 200), std::max(0, std::min(bottom - top, height() - 155)));
    QSizeF plot(kReferenceWidth, kReferenceHeight);
    plot.scale(room, Qt::KeepAspectRatio);
    const double left = (width() - plot.width()) / 2;
    const double y = top + std::max(0.0, (bottom - top - plot.height()) / 2);
    m_plot = QRectF(QPointF(std::round(left), std::round(y)), plot);
}

void EcgDetailDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    updatePlotRect();
    placeCursors();
}

void EcgDetailDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_plot.isEmpty())
        return;
    static const QVector<qint16> kNoSamples;
    const bool any = m_minuteCount > 0;
    m_painter.paint(painter, m_plot, any ? m_report->samples() : kNoSamples, any ? m_minute : 0);
    if (!m_rulerShown)
        return;
    QPen pen(Qt::black, 1, Qt::DashLine);
    painter.setPen(pen);
    for (double t : {m_x1, m_x2}) {
        const double x = m_plot.left() + t * m_plot.width() / 10;
        painter.drawLine(QPointF(x, m_plot.top()), QPointF(x, m_plot.bottom()));
    }
    for (double a : {m_y1, m_y2}) {
        const double y = m_plot.top() + a * m_plot.height() / 14;
        painter.drawLine(QPointF(m_plot.left(), y), QPointF(m_plot.right(), y));
    }
}
