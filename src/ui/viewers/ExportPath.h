#pragma once

#include <QString>

class QWidget;

// The save dialog of the exports: proposes a file name in the last save
// folder and keeps the folder chosen for the next time.
namespace ExportPath {

// The chosen path; empty when cancelled, or when the export may not write
// there (a box says why).
QString ask(QWidget* parent, const QString& caption, const QString& defaultName, const QString& filter);

} // namespace ExportPath
