#include "ui/viewers/EcgAnalyseDlg.h"
#include "ui_EcgAnalyseDlg.h"

#include "report/EcgTrace.h"
#include "ui/viewers/DialogFrame.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kDisplayLimit = 3000;
constexpr int kGridColumns = 175;
constexpr int kGridRows = 60;

} // namespace

EcgAnalyseDlg::EcgAnalyseDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::EcgAnalyseDlg)
    , m_handleB(":/rollerBlue")
    , m_handleA(":/rollerGreen")
{
    ui->setupUi(this);
    DialogFrame::setViewerFrame(this);
    setFixedSize(1741, 610);
    QFile style(":/res/qss/analyse.qss");
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));
    connect(ui->horizontalScrollBar, &QScrollBar::valueChanged, this, &EcgAnalyseDlg::onScrollBarValueChanged);
}

EcgAnalyseDlg::~EcgAnalyseDlg()
{
    delete ui;
}

void EcgAnalyseDlg::setData(int heartRate, const QVector<qint16>& samples)
{
    m_samples = samples;
    m_window = heartRate > 0 ? 15000 / heartRate : 0;
    m_scroll = 0;
    m_rulerShown = true;
    m_activeA = true;
    ui->btnRuler->setText(tr("Hide Ruler"));
    ui->btnMax->setVisible(m_window != 0);
    ui->btnMin->setVisible(m_window != 0);
    m_tB = 0.4;
    m_tA = 1.0;
    ui->horizontalScrollBar->setRange(0, scrollMaximum());
    ui->horizontalScrollBar->setSingleStep(1);
    ui->horizontalScrollBar->setValue(0);
    refreshLabels();
    update();
}

int EcgAnalyseDlg::scrollMaximum() const
{
    // The window's last step shows the last sample; shorter checks do not scroll.
    return qMax(0, (m_samples.size() - kWindowSamples + kSamplesPerStep - 1) / kSamplesPerStep);
}

int EcgAnalyseDlg::sampleAt(double seconds) const
{
    const int index = int(seconds * kSamplesPerSecond + 1e-9);
    return index >= 0 && index < m_samples.size() ? m_samples.at(index) : 0;
}

QString EcgAnalyseDlg::timeText() const
{
    return QString(": %1ms").arg(std::abs(int(std::lround((m_tB - m_tA) * 1000))));
}

QString EcgAnalyseDlg::amplitudeText() const
{
    return QString::asprintf(": %.2fmV", std::abs(sampleAt(m_tB) - sampleAt(m_tA)) / EcgTrace::kCountsPerMillivolt);
}

void EcgAnalyseDlg::refreshLabels()
{
    ui->labelTimeDiff->setText(timeText());
    ui->labelEcgDiff->setText(amplitudeText());
}

double EcgAnalyseDlg::timeAt(int x) const
{
    return m_scroll / 25.0 + double(x - m_plot.left()) / m_plot.width() * 7;
}

double EcgAnalyseDlg::xOf(double seconds) const
{
    return m_plot.left() + (seconds - m_scroll / 25.0) / 7 * m_plot.width();
}

double EcgAnalyseDlg::yOf(int value) const
{
    const double y = m_plot.center().y() - value * m_plot.height() / 4.0 / EcgTrace::kCountsPerMillivolt;
    return qBound<double>(m_plot.top(), y, m_plot.bottom());
}

int EcgAnalyseDlg::columnSample(int column) const
{
    const float perPixel = float(kWindowSamples) / float(m_plot.width());
    return int(column * perPixel);
}

int EcgAnalyseDlg::columnOf(int offset) const
{
    int column = int(offset * double(m_plot.width()) / kWindowSamples);
    while (column > 0 && columnSample(column - 1) >= offset)
        --column;
    while (columnSample(column) < offset)
        ++column;
    return column;
}

bool EcgAnalyseDlg::isDrawn(int index) const
{
    const int offset = index - m_scroll * kSamplesPerStep;
    if (offset < 0 || offset >= kWindowSamples)
        return true;
    return columnSample(columnOf(offset)) == offset;
}

double EcgAnalyseDlg::cursorX(double seconds) const
{
    const int offset = int(seconds * kSamplesPerSecond + 1e-9) - m_scroll * kSamplesPerStep;
    if (offset < 0 || offset >= kWindowSamples)
        return xOf(seconds);
    return m_plot.left() + qMin(columnOf(offset), m_plot.width() - 1) + 1;
}

QPolygonF EcgAnalyseDlg::trace() const
{
    const int first = m_scroll * kSamplesPerStep;
    const double centre = QRectF(m_plot).center().y();
    QPolygonF wave;
    for (int column = 0; column < m_plot.width(); ++column) {
        const int index = first + columnSample(column);
        const double x = m_plot.left() + column + 1;
        if (index >= m_samples.size()) {
            wave << QPointF(x, centre);
            continue;
        }
        // Beyond ±3000 the trace leaves the sample out and joins its neighbours.
        const int value = m_samples.at(index);
        if (value >= -kDisplayLimit && value <= kDisplayLimit)
            wave << QPointF(x, yOf(value));
    }
    return wave;
}

QRect EcgAnalyseDlg::handleRect(double seconds) const
{
    return QRect(int(cursorX(seconds)) - 11, m_plot.bottom() + 1, 24, 24);
}

void EcgAnalyseDlg::moveActive(double seconds)
{
    // Cursors sit on whole samples, so the value read is the one under the cursor.
    const double snapped = std::floor(qMax(0.0, seconds) * kSamplesPerSecond) / kSamplesPerSecond;
    (m_activeA ? m_tA : m_tB) = snapped;
    refreshLabels();
    update();
}

void EcgAnalyseDlg::snap(bool largest)
{
    const int first = int(activeTime() * kSamplesPerSecond + 1e-9);
    const int last = qMin(first + m_window - 2, m_samples.size() - 1);
    if (m_window == 0 || first >= m_samples.size() || last < first)
        return;
    // Only samples the trace shows, so the level line meets the peak drawn.
    int best = -1;
    for (int i = first; i <= last; ++i) {
        if (!isDrawn(i))
            continue;
        if (best < 0 || (largest ? m_samples.at(i) > m_samples.at(best) : m_samples.at(i) < m_samples.at(best)))
            best = i;
    }
    if (best < 0)
        return;
    (m_activeA ? m_tA : m_tB) = double(best) / kSamplesPerSecond;
    refreshLabels();
    update();
}

void EcgAnalyseDlg::on_btnMax_clicked()
{
    snap(true);
}

void EcgAnalyseDlg::on_btnMin_clicked()
{
    snap(false);
}

void EcgAnalyseDlg::on_btnRuler_clicked()
{
    m_rulerShown = !m_rulerShown;
    ui->btnRuler->setText(m_rulerShown ? tr("Hide Ruler") : tr("Show Ruler"));
    for (QWidget* w : QList<QWidget*>{ui->labelTimeIcon, ui->labelTimeDiff, ui->labelEcgIcon, ui->labelEcgDiff})
        w->setVisible(m_rulerShown);
    ui->btnMax->setVisible(m_rulerShown && m_window != 0);
    ui->btnMin->setVisible(m_rulerShown && m_window != 0);
    update();
}

void EcgAnalyseDlg::onScrollBarValueChanged(int value)
{
    m_scroll = value;
    update();
}

void EcgAnalyseDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font("Arial");
    font.setPixelSize(13);
    painter.setFont(font);
    const QPen light(QColor(255, 192, 203), 1);
    const QPen medium(QColor(255, 122, 122), 1);
    const QPen major(QColor(255, 0, 0), 1);
    const QRectF plot(m_plot);
    painter.fillRect(plot, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, plot.top() - 8, 30, 16), Qt::AlignRight | Qt::AlignVCenter, "2mV");
    painter.drawText(QRectF(0, plot.center().y() - 8, 30, 16), Qt::AlignRight | Qt::AlignVCenter, "0mV");

    for (int i = 0; i < kGridRows; ++i) {
        painter.setPen(i % 15 == 0 ? major : i % 5 == 0 ? medium : light);
        const double y = plot.top() + i * plot.height() / kGridRows;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (int j = 0; j < kGridColumns; ++j) {
        const int k = m_scroll + j;
        painter.setPen(k % 25 == 0 ? major : k % 5 == 0 ? medium : light);
        const double x = plot.left() + j * plot.width() / kGridColumns;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.setPen(major);
    painter.drawRect(plot);
    painter.drawLine(QPointF(plot.left() - 5, plot.top()), QPointF(plot.left(), plot.top()));
    painter.drawLine(QPointF(plot.left(), plot.top() - 5), QPointF(plot.left(), plot.top()));

    const double step = plot.width() / kGridColumns;
    const int firstSecond = (m_scroll + 24) / 25;
    painter.setPen(Qt::black);
    for (int i = 0; i < 7; ++i) {
        const double x = plot.left() + ((firstSecond + i) * 25 - m_scroll) * step;
        painter.drawText(QRectF(x - 3 * step, plot.bottom() + 2, 6 * step, 16), Qt::AlignHCenter | Qt::AlignTop,
                         QString("%1s").arg(firstSecond + i));
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawPolyline(trace());
    painter.restore();

    if (!m_rulerShown)
        return;
    const double windowStart = m_scroll / 25.0;
    const QList<std::tuple<double, QColor, const QImage*>> cursors{{m_tB, Qt::blue, &m_handleB},
                                                                   {m_tA, QColor(0, 139, 0), &m_handleA}};
    for (const auto& [seconds, colour, handle] : cursors) {
        painter.setPen(QPen(colour, 2));
        const double y = yOf(sampleAt(seconds));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (seconds >= windowStart && seconds <= windowStart + 7) {
            painter.drawLine(QPointF(cursorX(seconds), plot.top()), QPointF(cursorX(seconds), plot.bottom()));
            painter.drawImage(handleRect(seconds), *handle);
        }
    }
}

void EcgAnalyseDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_rulerShown)
        return;
    if (handleRect(m_tB).contains(event->pos())) {
        m_activeA = false;
    } else if (handleRect(m_tA).contains(event->pos())) {
        m_activeA = true;
    } else if (m_plot.contains(event->pos())) {
        moveActive(timeAt(event->pos().x()));
    } else {
        return;
    }
    m_dragging = true;
}

void EcgAnalyseDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && event->pos().x() >= m_plot.left() && event->pos().x() <= m_plot.right())
        moveActive(timeAt(event->pos().x()));
}

void EcgAnalyseDlg::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}
