#include "report/CheckValueText.h"

namespace CheckValueText {

const QString kDash = QStringLiteral("--");

QString number(int value, ValueRange range)
{
    return range.contains(value) ? QString::number(value) : kDash;
}

QString withSuffix(int value, ValueRange range, const QString& suffix)
{
    return range.contains(value) ? QString::number(value) + suffix : kDash;
}

QString qtQtc(int qt, int qtc)
{
    return number(qt, ValueRange::qt()) + "/" + number(qtc, ValueRange::qtc()) + "ms";
}

QString st(int hundredthsMv)
{
    if (!ValueRange::st().contains(hundredthsMv))
        return kDash;
    return QString::asprintf(hundredthsMv >= 0 ? "+%.2fmV" : "%.2fmV", hundredthsMv / 100.0);
}

QString perfusionIndex(int tenths)
{
    return ValueRange::perfusionIndex().contains(tenths) ? QString::asprintf("%2.1f", tenths / 10.0) : kDash;
}

QString ecgDuration(quint32 waveLength)
{
    return QString::number(waveLength / 500) + "s";
}

} // namespace CheckValueText
