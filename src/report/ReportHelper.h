#pragma once

#include "report/BasePaintHelper.h"

#include <QFont>
#include <QPen>
#include <QStringList>

// The pages of a single check's report: the ECG recorder, the daily check,
// the spot check, the ZoravIvide daily check and the multi-test. ECG rows
// are 7 s at 25 mm/s and 10 mm/mV on a 1 mm grid.
class ReportHelper : public BasePaintHelper
{
    Q_OBJECT
public:
    static constexpr int kSamplesPerSecond = 250;
    static constexpr int kSamplesPerRow = 1750;
    static constexpr int kFirstPageRows = 5;
    static constexpr int kContinuationRows = 6;
    static constexpr double kGainMmPerMv = 10.0;
    static constexpr double kRowHeightMm = 4 * kGainMmPerMv;
    static constexpr double kSecondMm = 25.0;

    explicit ReportHelper(QObject* parent = nullptr);

    bool setData(const ReportData& data) override;
    void paintPage(const QRectF& page, int index) override;
    int lineCount() const { return m_lineCount; }

    // Rows of 7 s for a sample count: a row more for any whole second left.
    static int rowsFor(int sampleCount);
    static int pagesFor(int rowCount);
    // The ZoravIvide interpretation of its result code.
    static QString interpretation(int result);

protected:
    void onScaleChanged() override;

private:
    void paintEcgPage(const QRectF& page, int index);
    void paintMultiTestPage(const QRectF& page);
    // Returns the block's height in millimetres.
    double blockHeight() const;
    void paintBlock(const QRectF& block);
    void paintEcgBlock(const QRectF& inner);
    void paintDailyBlock(const QRectF& inner);
    void paintSpotBlock(const QRectF& inner);
    void paintZoravBlock(const QRectF& inner);
    // Name, gender and birth date, then the remark box; returns the y under
    // the remark box's last underline.
    double paintUserRows(const QRectF& inner, bool withPatientId);
    // A label and its value; a field starts after the one before it in its row.
    void paintField(double x, double y, const QString& label, const QString& value) const;
    void paintLeadPicture(const QString& resource, double x, double y) const;
    void paintGrid(const QRectF& area, int rows) const;
    // The 1 mV pulse left of the first row and the 1 s bracket above the
    // strip, at the trace's own height of a millivolt and width of a second.
    void paintCalibrationMarks(double left, double top, double millivolt, double second) const;
    void paintMultiTestStrip(const QRectF& strip, double pointSize);
    void paintRows(const QRectF& area, int rows, int firstSample) const;
    void paintPageNumber(const QRectF& content, int index) const;
    // Under a strip whose detail file ends early: how much of it there is.
    void paintCutNote(const QRectF& box, const QFont& font, Qt::Alignment alignment) const;
    QString measuringTime() const;

    QFont m_titleFont;
    QFont m_bigFont;
    QFont m_labelFont;
    QFont m_textFont;
    QPen m_grid1Pen;
    QPen m_grid5Pen;
    QPen m_gridMajorPen;
    QPen m_wavePen;
    QPen m_framePen;
    QPen m_textLinePen;
    int m_lineCount = 0;
    // Where the information block's fields end, and where the row painted last ends.
    double m_fieldRight = 0;
    mutable double m_rowTop = -1;
    mutable double m_rowEnd = 0;
};
