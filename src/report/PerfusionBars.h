#pragma once

#include <QPoint>

class QPainter;

// Five rising bars beside the perfusion index: the stronger the pulse
// signal, the more of them are filled.
namespace PerfusionBars {

// Filled bars for a perfusion index in tenths of a percent.
int filledCount(int tenths);
// bottomLeft: left edge of the first bar and the line all bars end on.
void paint(QPainter& painter, const QPoint& bottomLeft, int filled);

} // namespace PerfusionBars
