#pragma once

#include <QString>

struct EdfRecording;

// Writes an EdfRecording as an EDF+C file with EDFlib: one signal in uV,
// 1 s data records, the digital range -32768..32767 over a symmetric
// physical range matched to the monitors' converter, header texts in 7-bit
// ASCII, annotations in ASCII of at most 40 characters. The file appears
// only when complete; an existing one is replaced only then.
namespace EdfWriter {

// The microvolts of one count, and the physical maximum of the digital range.
double microvoltsPerCount();
double physicalMaximum();
// Folds a text into printable 7-bit ASCII (accents dropped, anything else '_'),
// at most maxLength characters.
QString ascii(const QString& text, int maxLength);

bool write(const EdfRecording& recording, const QString& path, QString* error);

} // namespace EdfWriter
