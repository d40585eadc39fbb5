#include "ui/holter/TimeButton.h"

#include <QPainter>

TimeButton::TimeButton(QWidget* parent)
    : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void TimeButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(Qt::blue);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
