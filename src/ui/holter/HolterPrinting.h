#pragma once

#include <QString>

#include <functional>

class BasePaintHelper;
class QPainter;
class QWidget;

// The Holter documents on paper and as PDF; each run paints with a helper
// of its own, so the screen's stays at its zoom.
namespace HolterPrinting {

// Asks for a printer (A4 at 300 dpi, full page, no margins) and hands
// `paint` a painter on it, its pixels per millimetre and its new-page call;
// false when the print dialog is cancelled.
bool print(QWidget* parent,
           const std::function<void(QPainter& painter, double scale, const std::function<void()>& newPage)>& paint);
// The helper's pages on such a printer.
bool print(QWidget* parent, BasePaintHelper& helper);
// Asks for a file, proposing `defaultName` in the last save folder, and
// writes every page; a failure is shown in a box titled `failureTitle`.
// False when cancelled or failed.
bool savePdf(QWidget* parent, BasePaintHelper& helper, const QString& defaultName, const QString& failureTitle);

} // namespace HolterPrinting
