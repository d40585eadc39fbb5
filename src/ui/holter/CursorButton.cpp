#include "ui/holter/CursorButton.h"

#include <QMouseEvent>

CursorButton::CursorButton(Orientation orientation, QWidget* parent)
    : QPushButton(parent)
    , m_orientation(orientation)
{
    setCursor(orientation == Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void CursorButton::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
}

double CursorButton::centre() const
{
    return m_orientation == Horizontal ? x() + width() / 2.0 : y() + height() / 2.0;
}

void CursorButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_lastGlobal = event->globalPos();
    }
    QPushButton::mousePressEvent(event);
}

void CursorButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    const QPoint shift = event->globalPos() - m_lastGlobal;
    if (m_orientation == Horizontal)
        move(qBound(m_min, x() + shift.x(), m_max), y());
    else
        move(x(), qBound(m_min, y() + shift.y(), m_max));
    m_lastGlobal = event->globalPos();
    emit cursorMove();
}

void CursorButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QPushButton::mouseReleaseEvent(event);
}
