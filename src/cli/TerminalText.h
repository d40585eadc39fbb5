#pragma once

#include <QString>

// Text that came from a monitor, made safe for one field of the tab-separated
// output: control characters (tabs and line ends among them) and the
// backslash are written as C-style escapes, so a record stays one line and
// the text cannot drive the terminal.
namespace TerminalText {

QString escaped(const QString& text);

} // namespace TerminalText
