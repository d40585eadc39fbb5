#pragma once

#include <QDialog>
#include <QImage>
#include <QPolygonF>
#include <QRect>
#include <QVector>

namespace Ui {
class EcgAnalyseDlg;
}

// A 7-second window on a check's ECG, scrolled in 40 ms steps, with a
// two-cursor ruler that reads time and amplitude differences and snaps to
// the highest or lowest sample of the next beat.
class EcgAnalyseDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kSamplesPerSecond = 250;
    static constexpr int kWindowSamples = 1750;
    // One scroll step is 1/25 s.
    static constexpr int kSamplesPerStep = 10;

    explicit EcgAnalyseDlg(QWidget* parent = nullptr);
    ~EcgAnalyseDlg() override;

    void setData(int heartRate, const QVector<qint16>& samples);
    int searchWindow() const { return m_window; }
    QString timeText() const;
    QString amplitudeText() const;
    int scrollMaximum() const;
    // The active cursor's time in seconds.
    double activeTime() const { return m_activeA ? m_tA : m_tB; }
    // The sample at a time: the one under the cursor, 0 past the last.
    int sampleAt(double seconds) const;
    // The trace as painted: a point per plot column whose sample lies within ±3000.
    QPolygonF trace() const;
    // Where a cursor's line stands: on the column that draws its sample.
    double cursorX(double seconds) const;

public slots:
    void onScrollBarValueChanged(int value);
    void on_btnRuler_clicked();
    void on_btnMax_clicked();
    void on_btnMin_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The window's sample a plot column draws, counted from the window's first.
    int columnSample(int column) const;
    // The first column drawing the window's sample `offset` or a later one.
    int columnOf(int offset) const;
    // Whether the trace shows a sample; samples outside the window count as shown.
    bool isDrawn(int index) const;
    double timeAt(int x) const;
    double xOf(double seconds) const;
    double yOf(int value) const;
    void moveActive(double seconds);
    // Moves the active cursor to the largest (or smallest) sample of the next beat.
    void snap(bool largest);
    void refreshLabels();
    QRect handleRect(double seconds) const;

    Ui::EcgAnalyseDlg* ui;
    const QRect m_plot{40, 30, 1700, 500};
    QVector<qint16> m_samples;
    int m_scroll = 0;
    int m_window = 0;
    double m_tB = 0.4;
    double m_tA = 1.0;
    bool m_activeA = true;
    bool m_rulerShown = true;
    bool m_dragging = false;
    QImage m_handleB;
    QImage m_handleA;
};
