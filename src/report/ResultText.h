#pragma once

#include <QString>
#include <QStringList>

// The verdicts a monitor stores as codes, as translated texts and face
// pictures. Rows and report pages show the same words for the same code.
namespace ResultText {

// A verdict with its face picture (a resource path, empty for none).
struct Verdict
{
    QString text;
    QString picture;
};

// The ECG result byte: 0 regular, 255 unable to analyze, otherwise one entry
// per set bit 0..6 in bit order, at most maxCount of them.
QStringList ecgResults(int resultByte, int maxCount);
// The same entries joined by ",".
QString ecg(int resultByte, int maxCount);
// The pulse flag, a signed byte: -1 poor signal, -2 poor pulse signal,
// 0 regular, bits 2..7 irregular, bit 0 fast, bit 1 slow.
QString pulse(int flagByte);
QString bloodPressure(int systolic, int diastolic);
QString spo2(int resultByte);
Verdict sleep(int resultByte);
// Face byte: 0 happy, 1 sad, anything else none.
QString facePicture(int faceByte);
// Glucose in tenths of mmol/L.
Verdict glucose(int tenthsMmol);

} // namespace ResultText
