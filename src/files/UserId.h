#pragma once

#include <QByteArray>
#include <QString>

// The user id of a monitor's user: serial number + the name (or medical id)
// bytes, read as UTF-8 when they are valid UTF-8 and as Latin-1 otherwise,
// so two Latin-1 names never collapse into one replacement-character id.
namespace UserId {

QString of(const QString& sn, const QByteArray& nameBytes);

} // namespace UserId
