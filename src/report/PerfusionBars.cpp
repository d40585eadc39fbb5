#include "report/PerfusionBars.h"

#include <QPainter>

namespace PerfusionBars {

int filledCount(int tenths)
{
    if (tenths <= 0)
        return 0;
    if (tenths <= 10)
        return 1;
    if (tenths <= 19)
        return 2;
    if (tenths <= 59)
        return 3;
    if (tenths <= 99)
        return 4;
    return 5;
}

void paint(QPainter& painter, const QPoint& bottomLeft, int filled)
{
    painter.save();
    painter.setPen(QColor(Qt::lightGray));
    for (int i = 0; i < 5; ++i) {
        const int height = 5 * (i + 1);
        painter.setBrush(i < filled ? QColor(78, 78, 78) : QColor(Qt::white));
        painter.drawRect(QRect(bottomLeft.x() + 10 * i, bottomLeft.y() - height, 5, height));
    }
    painter.restore();
}

} // namespace PerfusionBars
