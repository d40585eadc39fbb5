#pragma once

#include <QString>

// The data directory of this run (config.ini's, or --data-dir's) and the
// record store inside it, checked before a command relies on them.
namespace DataDirectory {

// Creates the directory if needed and opens the record store; false with a
// message a person can act on when the directory or the store is unusable.
bool open(QString* error);

} // namespace DataDirectory
