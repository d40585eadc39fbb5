#pragma once

#include <QString>

class BasePaintHelper;
class QWidget;

// The Holter documents on paper and as PDF; each run paints with a helper
// of its own, so the screen's stays at its zoom.
namespace HolterPrinting {

// A4 at 300 dpi, full page, no margins; false when the print dialog is cancelled.
bool print(QWidget* parent, BasePaintHelper& helper);
// Asks for a file, proposing `defaultName` in the last save folder, and
// writes every page; a failure is shown in a box titled `failureTitle`.
// False when cancelled or failed.
bool savePdf(QWidget* parent, BasePaintHelper& helper, const QString& defaultName, const QString& failureTitle);

} // namespace HolterPrinting
