#pragma once

#include "report/HolterMinutePainter.h"

#include <QDialog>
#include <QRectF>
#include <QVector>

namespace Ui {
class EcgDetailDlg;
}
class CursorButton;
class HolterReport;
class QLabel;

// One minute of a Holter recording on ECG paper (25 mm/s, 10 mm/mV) with
// that minute's measurements; steps by minute or by screened strip and
// offers a ruler of two time and two amplitude cursors.
class EcgDetailDlg : public QDialog
{
    Q_OBJECT
public:
    // Reference plot: 10 s of 150 units by 14 half-millivolts of 60 units.
    static constexpr int kReferenceWidth = 150 * 10;
    static constexpr int kReferenceHeight = 60 * 14;

    explicit EcgDetailDlg(QWidget* parent = nullptr);
    ~EcgDetailDlg() override;

    // Shows `minute` of the loaded recording, clamped to its minutes.
    void setData(HolterReport* report, int minute);
    // The screening result the strip buttons step through, ascending.
    void setMatchedMinutes(const QVector<int>& minutes) { m_matched = minutes; }
    int currentMinute() const { return m_minute; }
    int minuteCount() const { return m_minuteCount; }
    // The monitor's serial number, which names the printed minute's PDF.
    void setName(const QString& name) { m_name = name; }
    // Replaces "ECG" before "@HH:mm" in the window title.
    void setTitleText(const QString& text);
    void hideValueLabels();
    bool isRulerShown() const { return m_rulerShown; }
    QRectF plotRect() const { return m_plot; }
    QString timeValueText() const;
    QString amplitudeValueText() const;
    // The cursor values: time cursors in seconds, amplitude cursors in mV from the top.
    double timeCursor(int i) const { return i == 0 ? m_x1 : m_x2; }
    double amplitudeCursor(int i) const { return i == 0 ? m_y1 : m_y2; }

public slots:
    void on_btnPrevMinute_clicked();
    void on_btnNextMinute_clicked();
    void on_btnPrevStrip_clicked();
    void on_btnnextStrip_clicked();
    void onCursorButtonMove();
    void on_btnRuler_clicked();
    void on_btnECGDetailPrint_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void showMinute(int minute);
    void updatePlotRect();
    // Puts the cursor buttons where the cursor values are and sets their ranges.
    void placeCursors();
    void updateValueLabels();

    Ui::EcgDetailDlg* ui;
    HolterReport* m_report = nullptr;
    HolterMinutePainter m_painter;
    CursorButton* m_timeCursors[2];
    CursorButton* m_amplitudeCursors[2];
    QLabel* m_timeValue;
    QLabel* m_amplitudeValue;
    QString m_titleText;
    QString m_name;
    QVector<int> m_matched;
    QRectF m_plot;
    int m_minute = 0;
    int m_minuteCount = 0;
    double m_x1 = 0.2;
    double m_x2 = 1.2;
    double m_y1 = 1.6;
    double m_y2 = 2.6;
    bool m_rulerShown = false;
};
