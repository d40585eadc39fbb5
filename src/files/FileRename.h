#pragma once

#include <QString>

// File moves that never leave a moment without the file: a rename that
// replaces the target in one step, and a second name for a file that keeps
// its content when the first name is replaced.
namespace FileRename {

// Renames `from` to `to`, replacing `to` in one step when it exists; false
// with the system's reason otherwise.
bool over(const QString& from, const QString& to, QString* error = nullptr);
// Gives the file `from` the second name `to` (a hard link, or a copy where
// the file system has none); `to` must not exist.
bool keepCopy(const QString& from, const QString& to, QString* error = nullptr);

} // namespace FileRename
