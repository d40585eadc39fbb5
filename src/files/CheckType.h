#pragma once

#include <QList>
#include <QString>

// The kinds of measurement a monitor stores. Each is one bit, so a device
// model's offer is a mask of them; the same code is stored with every check.
namespace CheckType {

enum Code : int {
    Ecg = 1,
    Oxi = 2,
    Temperature = 4,
    Pedometer = 8,
    DailyCheck = 16,
    SpotCheck = 32,
    Sleep = 64,
    UserBloodPressure = 128,
    BloodPressure = 256,
    CorvisetDailyCheck = 512,
    Holter = 1024,
    Spo2Temp = 2048,
    UserGlucose = 4096,
    Glucose = 8192,
    MultiTest = 16384,
};

// Which user list owns the per-user index files of a check type.
enum class UserList { None, Users, ExtendedUsers };

// Every code in ascending order.
QList<int> all();

// Translated display name; empty for an unknown code.
QString name(int code);
// Index file on the monitor ("dlc.dat" for the Corviset daily check, whose
// file is read as "1dlc.dat"); empty for Holter and unknown codes.
QString fileName(int code);
// Table of the record store holding the checks; empty for an unknown code.
QString tableName(int code);
// Size of one record of the index file; 0 when the type has no index file.
int recordSize(int code);
UserList userList(int code);
// Whether a check of the type has a report to review.
bool hasReport(int code);
// Whether the main window's Print and "Save as PDF" take checks of the type.
bool isPrintable(int code);
// Whether a check of the type may carry a voice note.
bool hasVoice(int code);
// Resource of the type's node picture in the navigation tree; empty for an unknown code.
QString treeIcon(int code);
// The per-user index file of the user with the given index byte: "12dlc.dat".
QString perUserFileName(int userIndex, int code);

} // namespace CheckType
