#pragma once

#include "report/ReportData.h"

#include <QFont>
#include <QObject>
#include <QRectF>

class QPainter;

// A printable report: pages of A4 described in millimetres and painted at a
// scale in device pixels per millimetre, so one description serves the
// screen, the printer, PDF and JPG.
class BasePaintHelper : public QObject
{
    Q_OBJECT
public:
    static constexpr double kPageWidthMm = 210.0;
    static constexpr double kPageHeightMm = 297.0;
    // How far a printed value may shrink to fit its room before it wraps.
    static constexpr double kLeastShrink = 0.75;

    struct Margins
    {
        double scale = 5.0;
        double left = 0;
        double top = 0;
        double right = 0;
        double bottom = 0;
    };

    explicit BasePaintHelper(QObject* parent = nullptr);

    virtual bool setData(const ReportData& data);
    // Paints page `index` into `page` (device units) with the painter set before.
    virtual void paintPage(const QRectF& page, int index);
    // Pixels between pages stacked in one JPG image.
    virtual int jpgPageGap() const { return 10; }

    void setPainter(QPainter* painter) { m_painter = painter; }
    void setScale(double scale);
    double scale() const { return m_scale; }
    int pageCount() const { return m_pageCount; }
    void setForScreen(bool forScreen) { m_forScreen = forScreen; }
    const ReportData& data() const { return m_data; }
    // The page rectangle of A4 at the current scale.
    QRectF pageRect() const { return QRectF(0, 0, kPageWidthMm * m_scale, kPageHeightMm * m_scale); }

protected:
    // The pages' type face (Liberation Sans stands in for it on Linux) at a pixel size of the page.
    static QFont arial(double pixelSize, bool bold);
    virtual void onScaleChanged() {}
    double mm(double millimetres) const { return millimetres * m_scale; }
    QRectF contentRect(const QRectF& page) const;
    // The report's title band: "Report" at the left, the logo at the right.
    void paintTitleBand(const QRectF& band, const QFont& font, const QString& title, const QString& logo,
                        double logoShrink) const;
    // "Date:" and, unless omitted, "Physician:" with their lines, ending at
    // `right`; the labels' baseline is y plus the font's height.
    void paintSignature(double right, double y, const QFont& font, const QPen& pen, bool withPhysician) const;
    // A label and its value after a space, their text tops at y.
    void paintLabelled(double x, double y, const QString& label, const QString& value, const QFont& labelFont,
                       const QFont& valueFont) const;
    // Text on a baseline in a room `room` wide, never cut: too wide, it shrinks
    // to no less than kLeastShrink of its size, then wraps. Returns the box it took.
    QRectF paintFitted(double x, double baseline, double room, const QFont& font, const QString& text) const;
    // The box paintFitted would take, painting nothing.
    QRectF fittedBox(double x, double baseline, double room, const QFont& font, const QString& text) const;
    // A section title at y in its font; returns the y of the section's first row.
    double paintHeading(double x, double y, const QString& title, const QFont& font) const;
    // The patient's name, gender and birth date as the report shows them.
    QString userName() const;
    QString userGender() const;
    QString userBirthday() const;

    QPainter* m_painter = nullptr;
    double m_scale = 5.0;
    int m_pageCount = 1;
    Margins m_margins;
    bool m_forScreen = true;
    ReportData m_data;
};
