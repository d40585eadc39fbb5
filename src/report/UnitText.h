#pragma once

#include <QString>

// Stored measurements in the units the user chose (Celsius or Fahrenheit,
// metric or imperial) and the glucose units the meter used.
namespace UnitText {

// Tenths of a degree Celsius: "36.5℃" or "97.7℉"; 0 (no reading) gives "--".
QString temperature(int tenthsCelsius, bool celsius);
// The number alone, one decimal, and its unit apart.
QString temperatureValue(int tenthsCelsius, bool celsius);
QString temperatureUnit(bool celsius);

// Pedometer: distance in hundredths of km, speed in tenths of km/h, fat in
// hundredths of g, calories in hundredths of kcal, time in seconds.
QString distance(int hundredthsKm, bool metric);
QString speed(int tenthsKmPerHour, bool metric);
QString fat(int hundredthsGram, bool metric);
QString calories(int hundredthsKcal);
QString duration(int seconds);

// A meter's glucose reading in its own unit (0 mmol/L in tenths, 1 mg/dL).
struct Glucose
{
    QString value; // empty for an unknown unit
    QString unit;
    int tenthsMmol = 0; // what the verdict ranges are read on
};
Glucose glucose(int value, int unitType);

} // namespace UnitText
