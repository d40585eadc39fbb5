#pragma once

#include "files/ValueRange.h"

#include <QString>

// Measured values as text, "--" when outside their validity range.
namespace CheckValueText {

extern const QString kDash;

// The value alone, or "--".
QString number(int value, ValueRange range);
// "%1" of the value followed by the suffix, or "--" without it.
QString withSuffix(int value, ValueRange range, const QString& suffix);
// QT and QTc, each "--" when invalid, joined by "/" and followed by "ms".
QString qtQtc(int qt, int qtc);
// "+0.12mV" or "-0.05mV", or "--"; stored in hundredths of a millivolt.
QString st(int hundredthsMv);
// Tenths of a percent, "%2.1f", or "--".
QString perfusionIndex(int tenths);
// Seconds of ECG from a detail header's wave length, e.g. "30s".
QString ecgDuration(quint32 waveLength);

} // namespace CheckValueText
