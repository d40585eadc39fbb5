#include "ui/holter/ViewAllEcgDlg.h"
#include "ui_ViewAllEcgDlg.h"

#include "holter/HolterReport.h"
#include "report/EcgTrace.h"
#include "report/HolterWaveRow.h"
#include "ui/holter/EcgDetailDlg.h"
#include "ui/holter/TimeButton.h"
#include "ui/viewers/DialogFrame.h"

#include <QIntValidator>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kColumnWidth = 50;
constexpr int kSideRoom = 55;
constexpr int kTopRoom = 52;
constexpr int kVerticalRoom = 57;
constexpr int kSamplesPerMinute = 2 * ViewAllEcgDlg::kSamplesPerRow;

} // namespace

ViewAllEcgDlg::ViewAllEcgDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::ViewAllEcgDlg)
    , m_validator(new QIntValidator(1, 1, this))
{
    ui->setupUi(this);
    DialogFrame::setHolterFrame(this);
    setMinimumSize(int(kReferenceWidth / 10 * 0.2 + kSideRoom), int(kReferenceHeight / 10 * 0.2 + kVerticalRoom));
    m_buttonColumn = new QWidget(this);
    m_buttonColumn->setObjectName(QStringLiteral("widgetTimeButtons"));
    for (int j = 0; j < kMinutesPerPage; ++j) {
        auto* button = new TimeButton(m_buttonColumn);
        connect(button, &QPushButton::clicked, this, &ViewAllEcgDlg::onButtonClick);
        m_buttons << button;
    }
    ui->editCurPage->setValidator(m_validator);
    connect(ui->editCurPage, &PageEdit::lostFocus, this, &ViewAllEcgDlg::onEditLostFocus);
    setData(nullptr);
}

ViewAllEcgDlg::~ViewAllEcgDlg()
{
    delete ui;
}

int ViewAllEcgDlg::pageCount(qint64 durationSeconds)
{
    const qint64 seconds = std::max<qint64>(0, durationSeconds);
    const qint64 whole = seconds / (60 * kMinutesPerPage);
    const qint64 pages = whole + (seconds / 60 != kMinutesPerPage * whole ? 1 : 0);
    return int(std::max<qint64>(1, pages));
}

void ViewAllEcgDlg::setData(HolterReport* report)
{
    m_report = report;
    m_pageCount = pageCount(report && report->isLoaded() ? report->duration() : 0);
    m_page = 1;
    m_validator->setRange(1, m_pageCount);
    ui->labelTotalPage->setText(QString("/%1").arg(m_pageCount));
    ui->editCurPage->setText(QString::number(m_page));
    refreshButtons();
    update();
}

void ViewAllEcgDlg::setPage(int page)
{
    if (page < 1 || page > m_pageCount)
        return;
    m_page = page;
    ui->editCurPage->setText(QString::number(m_page));
    refreshButtons();
    update();
}

void ViewAllEcgDlg::refreshButtons()
{
    const int minutes = m_report && m_report->isLoaded() ? m_report->minuteCount() : 0;
    for (int j = 0; j < m_buttons.size(); ++j) {
        const int minute = (m_page - 1) * kMinutesPerPage + j;
        const bool present = minute < minutes;
        m_buttons[j]->setEnabled(present);
        m_buttons[j]->setText(present ? m_report->minuteStart(minute).toString(QStringLiteral("HH:mm")) : QString());
    }
    ui->btnPrevPage->setEnabled(m_page > 1);
    ui->btnNexgPage->setEnabled(m_page < m_pageCount);
}

void ViewAllEcgDlg::on_btnPrevPage_clicked()
{
    setPage(m_page - 1);
}

void ViewAllEcgDlg::on_btnNexgPage_clicked()
{
    setPage(m_page + 1);
}

void ViewAllEcgDlg::on_editCurPage_editingFinished()
{
    bool ok = false;
    const int page = ui->editCurPage->text().toInt(&ok);
    if (ok)
        setPage(page);
}

void ViewAllEcgDlg::onEditLostFocus()
{
    if (ui->editCurPage->text().isEmpty())
        ui->editCurPage->setText(QString::number(m_page));
}

void ViewAllEcgDlg::onButtonClick(bool)
{
    const int j = m_buttons.indexOf(qobject_cast<TimeButton*>(sender()));
    if (j < 0 || !m_report)
        return;
    auto* detail = new EcgDetailDlg(this);
    detail->setAttribute(Qt::WA_DeleteOnClose);
    detail->setModal(true);
    detail->setName(m_name);
    detail->setTitleText(windowTitle());
    detail->hideValueLabels();
    detail->setData(m_report, (m_page - 1) * kMinutesPerPage + j);
    detail->show();
}

void ViewAllEcgDlg::updatePlotRect()
{
    QSizeF plot(kReferenceWidth, kReferenceHeight);
    plot.scale(QSizeF(std::max(0, width() - kSideRoom), std::max(0, height() - kVerticalRoom)), Qt::KeepAspectRatio);
    const double x = std::round((width() - plot.width() - kSideRoom) / 2 + kColumnWidth);
    const double y = std::round((height() - plot.height() - kVerticalRoom) / 2 + kTopRoom);
    m_plot = QRectF(QPointF(x, y), plot);
    m_buttonColumn->setGeometry(int(x) - kColumnWidth, int(y), kColumnWidth, int(plot.height()));
    const double minuteHeight = plot.height() / kMinutesPerPage;
    const int buttonHeight = std::max(12, std::min(22, int(minuteHeight) - 2));
    for (int j = 0; j < m_buttons.size(); ++j)
        m_buttons[j]->setGeometry(0, int(std::lround((j + 0.5) * minuteHeight - buttonHeight / 2.0)), kColumnWidth - 4,
                                  buttonHeight);
}

void ViewAllEcgDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    updatePlotRect();
}

void ViewAllEcgDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_report || !m_report->isLoaded() || m_plot.isEmpty())
        return;
    const QVector<qint16>& samples = m_report->samples();
    const double rowHeight = m_plot.height() / kRowsPerPage;
    HolterWaveRow::Geometry g;
    g.left = m_plot.left();
    g.right = m_plot.right();
    g.pixelsPerCount = rowHeight * 0.5 / EcgTrace::kCountsPerMillivolt;
    g.columnWidth = 1;
    // Tall waves reach into the neighbouring rows, as on paper, but not past the page.
    g.top = m_plot.top();
    g.bottom = m_plot.bottom();
    painter.setPen(QPen(Qt::black, 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const qint64 pageStart = qint64(m_page - 1) * kRowsPerPage * kSamplesPerRow;
    for (int r = 0; r < kRowsPerPage; ++r) {
        const qint64 first = pageStart + qint64(r) * kSamplesPerRow;
        // Only whole minutes are drawn; a partial last minute ends the page.
        if (r % 2 == 0 && samples.size() - first < kSamplesPerMinute)
            break;
        g.baseline = m_plot.top() + (r + 0.5) * rowHeight;
        HolterWaveRow(g).paint(painter, samples, int(first), kSamplesPerRow);
    }
}
