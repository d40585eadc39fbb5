#include "report/UnitText.h"

#include <QtMath>

namespace UnitText {

namespace {

const QString kDash = QStringLiteral("--");
const QChar kCelsius(0x2103);
const QChar kFahrenheit(0x2109);

double fahrenheit(int tenthsCelsius)
{
    return (std::floor(tenthsCelsius * 9.0 / 5.0) + 320) / 10.0;
}

} // namespace

QString temperatureValue(int tenthsCelsius, bool celsius)
{
    if (tenthsCelsius == 0)
        return kDash;
    if (!celsius)
        return QString::asprintf("%0.1f", fahrenheit(tenthsCelsius));
    // The sign goes first: a remainder of a negative value would read "0.-5".
    const int magnitude = qAbs(tenthsCelsius);
    const QString sign = tenthsCelsius < 0 ? QStringLiteral("-") : QString();
    return sign + QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}

QString temperatureUnit(bool celsius)
{
    return QString(celsius ? kCelsius : kFahrenheit);
}

QString temperature(int tenthsCelsius, bool celsius)
{
    if (tenthsCelsius == 0)
        return kDash;
    return temperatureValue(tenthsCelsius, celsius) + temperatureUnit(celsius);
}

QString distance(int hundredthsKm, bool metric)
{
    return metric ? QString::asprintf("%.2fkm", hundredthsKm / 100.0)
                  : QString::asprintf("%.2fmi", hundredthsKm / 161.0);
}

QString speed(int tenthsKmPerHour, bool metric)
{
    return metric ? QString::asprintf("%.1fkm/h", tenthsKmPerHour / 10.0)
                  : QString::asprintf("%.1fmi/h", tenthsKmPerHour / 16.1);
}

QString fat(int hundredthsGram, bool metric)
{
    return metric ? QString::asprintf("%.2fg", hundredthsGram / 100.0)
                  : QString::asprintf("%.2foz", hundredthsGram / 100.0 / 28.35);
}

QString calories(int hundredthsKcal)
{
    return QString::asprintf("%.2fkcal", hundredthsKcal / 100.0);
}

QString duration(int seconds)
{
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
}

Glucose glucose(int value, int unitType)
{
    switch (unitType) {
    case 0: return {QString::number(value / 10.0, 'f', 1), QStringLiteral("mmol/L"), value};
    // Rounded, not truncated: 140 mg/dL is 7.8 mmol/L and must read high.
    case 1: return {QString::number(value), QStringLiteral("mg/dL"), qRound(value * 10 / 18.0)};
    default: return {};
    }
}

} // namespace UnitText
