#pragma once

#include "report/BasePaintHelper.h"

#include <QFont>
#include <QPen>

class HolterReport;
struct CheckUser;

// The Holter ECG report: a summary page, then full-disclosure strip pages
// of 30 rows of 30 s (15 minutes) or 60 rows (30 minutes). The strips keep
// ECG paper's proportion of 25 mm/s to 10 mm/mV at a smaller size.
class HolterReportHelper : public BasePaintHelper
{
    Q_OBJECT
public:
    static constexpr int kSamplesPerLine = 3750;
    static constexpr int kSamplesPerMinute = 2 * kSamplesPerLine;
    // The strips' width over the height of their rows: 30 s at 25 mm/s
    // against L rows of 4 mV at 10 mm/mV (2 mV at 60 rows), 750 / 1200.
    static constexpr double kWidthPerHeight = 0.625;
    // On paper a column of the wave row is this wide; finer gains nothing
    // a printer shows and only grows the file.
    static constexpr double kColumnMm = 0.25;

    explicit HolterReportHelper(QObject* parent = nullptr);

    using BasePaintHelper::setData;
    // The recording to print; the patient comes from its user information.
    void setData(const HolterReport* report);
    // 60 rows a page, or 30 for any other value (the stored setting may hold anything).
    void setLinesPerPage(int lines);
    int linesPerPage() const { return m_linesPerPage; }
    int stripPageCount() const { return m_stripPages; }
    void paintPage(const QRectF& page, int index) override;

    static int linesFor(int setting) { return setting == 60 ? 60 : 30; }
    // Strip pages for whole minutes at a number of lines a page.
    static int stripPagesFor(int minutes, int lines);
    // "<sn>_<patient>_<yyyyMMddHHmmss>.pdf", safe for a file name.
    static QString defaultFileName(const QString& sn, const QString& patient, const QDateTime& start);

protected:
    void onScaleChanged() override;

private:
    void paginate();
    void paintSummaryPage(const QRectF& page);
    void paintStripPage(const QRectF& page, int stripPage);
    // A bold label and its value; returns the y below the row.
    void paintField(double x, double y, const QString& label, const QString& value) const;
    // The section's underlined title at y; returns the y of its first row.
    double paintSection(double x, double y, const QString& title) const;
    void paintWrapped(const QRectF& box, const QString& text) const;
    double rowHeight() const;
    CheckUser patient() const;

    const HolterReport* m_report = nullptr;
    int m_linesPerPage = 30;
    int m_stripPages = 0;
    QFont m_textFont;
    QFont m_titleFont;
    QFont m_sectionFont;
    QFont m_labelFont;
    QFont m_valueFont;
    QPen m_wavePen;
    QPen m_linePen;
};
