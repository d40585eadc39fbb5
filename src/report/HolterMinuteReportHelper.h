#pragma once

#include "report/BasePaintHelper.h"
#include "report/HolterMinutePainter.h"

#include <QFont>
#include <QPen>

class HolterReport;
struct CheckUser;

// The one-page ECG report of one minute of a Holter recording: patient,
// the minute's measurements and its ECG on the detail dialog's paper.
class HolterMinuteReportHelper : public BasePaintHelper
{
    Q_OBJECT
public:
    explicit HolterMinuteReportHelper(QObject* parent = nullptr);

    using BasePaintHelper::setData;
    // The minute is clamped to the recording.
    void setData(const HolterReport* report, int minute);
    int minute() const { return m_minute; }
    void paintPage(const QRectF& page, int index) override;
    // "ECG@HH:mm Report" for the minute's start.
    QString title() const;

protected:
    void onScaleChanged() override;

private:
    void paintField(double x, double y, const QString& label, const QString& value) const;
    double paintSection(double x, double y, const QString& title) const;
    CheckUser patient() const;

    const HolterReport* m_report = nullptr;
    int m_minute = 0;
    HolterMinutePainter m_minutePainter;
    QFont m_titleFont;
    QFont m_sectionFont;
    QFont m_labelFont;
    QFont m_valueFont;
    QPen m_linePen;
};
