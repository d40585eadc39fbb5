#pragma once

#include "report/BasePaintHelper.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class QPainter;

// Turns a report's pages into paper, PDF and JPG. Files are written to a
// temporary file beside the target and renamed only when complete; a failed
// write leaves the target as it was and gives the system's reason in `error`.
namespace ReportOutput {

constexpr int kPdfDpi = 300;
constexpr double kJpgScale = 5.0;
constexpr int kJpgPageHeight = 1485;

// The painter for a check type: the sleep report or the single-check pages.
std::unique_ptr<BasePaintHelper> createHelper(int checkType);
// Paints every page at `scale` pixels per millimetre with the painter's
// device already open; `newPage` separates the pages (printer, PDF).
void paintPages(BasePaintHelper& helper, QPainter& painter, double scale, const std::function<void()>& newPage);
bool writePdf(BasePaintHelper& helper, const QString& path, QString* error);
// Every page of every report, one after another (the batch of selected rows).
void paintReports(const QList<ReportData>& reports, QPainter& painter, double scale,
                  const std::function<void()>& newPage);
bool writePdf(const QList<ReportData>& reports, const QString& path, QString* error);
// The pages one under another, 1050 pixels wide, the helper's gap apart.
QImage renderJpg(BasePaintHelper& helper);
// Where page `index` lies in that image.
QRect jpgPageRect(const BasePaintHelper& helper, int index);
bool writeJpg(BasePaintHelper& helper, const QString& path, QString* error);
// Any character but letters, digits, space, "_", "-" and "." becomes "_".
QString safeFileName(const QString& name);
// "<sn>_<Report>_<yyyyMMddHHmmss>.<suffix>", safe for a file name.
QString defaultFileName(const QString& sn, const QString& checkTime, const QString& suffix);

} // namespace ReportOutput
