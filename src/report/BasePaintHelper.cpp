#include "report/BasePaintHelper.h"

#include "report/DateTimeText.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

BasePaintHelper::BasePaintHelper(QObject* parent)
    : QObject(parent)
{}

bool BasePaintHelper::setData(const ReportData& data)
{
    m_data = data;
    return true;
}

void BasePaintHelper::paintPage(const QRectF&, int) {}

void BasePaintHelper::setScale(double scale)
{
    m_scale = scale;
    m_margins.scale = scale;
    onScaleChanged();
}

QRectF BasePaintHelper::contentRect(const QRectF& page) const
{
    return page.adjusted(mm(m_margins.left), mm(m_margins.top), -mm(m_margins.right), -mm(m_margins.bottom));
}

void BasePaintHelper::paintTitleBand(const QRectF& band, const QFont& font, const QString& title, const QString& logo,
                                     double logoShrink) const
{
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    m_painter->drawText(band, Qt::AlignLeft | Qt::AlignVCenter, title);
    const QImage picture(logo);
    if (picture.isNull())
        return;
    const QSizeF size =
        QSizeF(picture.size()).scaled(QSizeF(band.width(), band.height() - logoShrink), Qt::KeepAspectRatio);
    m_painter->drawImage(QRectF(band.right() - size.width(), band.top(), size.width(), size.height()), picture);
}

void BasePaintHelper::paintSignature(double right, double y, const QFont& font, const QPen& pen,
                                     bool withPhysician) const
{
    m_painter->setFont(font);
    m_painter->setPen(pen);
    const QFontMetricsF metrics(font, m_painter->device());
    const double baseline = y + metrics.height();
    const double lineLength = mm(30);
    const QString date = tr("Date:") + " ";
    const double dateRight = right - lineLength;
    const double dateLeft = dateRight - metrics.horizontalAdvance(date);
    m_painter->drawText(QPointF(dateLeft, baseline), date);
    m_painter->drawLine(QPointF(dateRight, baseline), QPointF(right, baseline));
    if (!withPhysician)
        return;
    const QString physician = tr("Physician:") + " ";
    const double physicianRight = dateLeft - mm(3) - lineLength;
    m_painter->drawText(QPointF(physicianRight - metrics.horizontalAdvance(physician), baseline), physician);
    m_painter->drawLine(QPointF(physicianRight, baseline), QPointF(physicianRight + lineLength, baseline));
}

QString BasePaintHelper::userName() const
{
    return m_data.userHidden ? QString() : m_data.user.name;
}

QString BasePaintHelper::userGender() const
{
    if (m_data.userHidden)
        return QString();
    if (m_data.user.sex == 0)
        return tr("Male");
    if (m_data.user.sex == 1)
        return tr("Female");
    return QString();
}

QString BasePaintHelper::userBirthday() const
{
    return m_data.userHidden ? QString() : DateTimeText::date(m_data.user.birthday);
}

QFont BasePaintHelper::arial(double pixelSize, bool bold)
{
    QFont font("Arial");
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void BasePaintHelper::paintLabelled(double x, double y, const QString& label, const QString& value,
                                    const QFont& labelFont, const QFont& valueFont) const
{
    const QFontMetricsF metrics(labelFont, m_painter->device());
    const double baseline = y + metrics.ascent();
    m_painter->setPen(Qt::black);
    m_painter->setFont(labelFont);
    m_painter->drawText(QPointF(x, baseline), label);
    m_painter->setFont(valueFont);
    m_painter->drawText(QPointF(x + metrics.horizontalAdvance(label + " "), baseline), value);
}

namespace {

constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip;

QFont shrunkToFit(const QFont& font, const QFontMetricsF& metrics, const QString& text, double room)
{
    QFont fitted = font;
    const double wide = metrics.horizontalAdvance(text);
    if (wide > room)
        fitted.setPixelSize(qMax(1, int(font.pixelSize() * qMax(BasePaintHelper::kLeastShrink, room / wide))));
    return fitted;
}

} // namespace

QRectF BasePaintHelper::fittedBox(double x, double baseline, double room, const QFont& font, const QString& text) const
{
    const QFont fitted = shrunkToFit(font, QFontMetricsF(font, m_painter->device()), text, room);
    const QFontMetricsF metrics(fitted, m_painter->device());
    const double top = baseline - metrics.ascent();
    if (metrics.horizontalAdvance(text) <= room)
        return QRectF(x, top, metrics.horizontalAdvance(text), metrics.height());
    return metrics.boundingRect(QRectF(x, top, room, pageRect().height()), kWrapFlags, text);
}

QRectF BasePaintHelper::paintFitted(double x, double baseline, double room, const QFont& font,
                                    const QString& text) const
{
    const QFont fitted = shrunkToFit(font, QFontMetricsF(font, m_painter->device()), text, room);
    const QRectF box = fittedBox(x, baseline, room, font, text);
    m_painter->setPen(Qt::black);
    m_painter->setFont(fitted);
    if (QFontMetricsF(fitted, m_painter->device()).horizontalAdvance(text) <= room)
        m_painter->drawText(QPointF(x, baseline), text);
    else
        m_painter->drawText(QRectF(x, box.top(), room, pageRect().height()), kWrapFlags, text);
    return box;
}

double BasePaintHelper::paintHeading(double x, double y, const QString& title, const QFont& font) const
{
    const QFontMetricsF metrics(font, m_painter->device());
    m_painter->setPen(Qt::black);
    m_painter->setFont(font);
    m_painter->drawText(QPointF(x, y + metrics.ascent()), title);
    return y + metrics.height() + mm(2);
}
