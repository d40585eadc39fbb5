#pragma once

#include <QPoint>
#include <QPushButton>

// A ruler cursor the user drags along one axis of the ECG plot: orientation
// 0 moves it left and right, 1 up and down, within [min, max] of its x or y.
class CursorButton : public QPushButton
{
    Q_OBJECT
public:
    enum Orientation { Horizontal = 0, Vertical = 1 };

    explicit CursorButton(Orientation orientation, QWidget* parent = nullptr);

    Orientation orientation() const { return m_orientation; }
    void setRange(int min, int max);
    int rangeMin() const { return m_min; }
    int rangeMax() const { return m_max; }
    // The centre along the button's axis, in its parent's coordinates.
    double centre() const;

signals:
    void cursorMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Orientation m_orientation;
    QPoint m_lastGlobal;
    bool m_dragging = false;
    int m_min = 0;
    int m_max = 300;
};
