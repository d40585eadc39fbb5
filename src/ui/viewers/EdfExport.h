#pragma once

#include <QString>

class QWidget;
struct EdfRecording;

// Saves an ECG as EDF+ for other ECG tools, asking for the file.
namespace EdfExport {

// Asks for a file, proposing `defaultName`, and writes the recording; false
// when cancelled, refused or failed (a box says why).
bool save(QWidget* parent, const EdfRecording& recording, const QString& defaultName);

} // namespace EdfExport
