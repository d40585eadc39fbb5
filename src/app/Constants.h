#pragma once

#include <QLatin1String>

// Names shared by every layer: file names on the monitor and in the data
// directory, the database connection, and the statement prefixes of the
// link tables.
namespace Vitacor {

inline const QLatin1String kDbConnectionName("db_vitacor");
inline const QLatin1String kDbFileName("db_vitacor.db");
inline const QLatin1String kUserFileName("usr.dat");
inline const QLatin1String kXUserFileName("xusr.dat");
inline const QLatin1String kDeviceFileName("dev.dat");
inline const QLatin1String kLogFileName("VitacorBrowser.log");

// Marks checks that belong to no user of the monitor.
inline const QLatin1String kNoUserId("q7mrk2zt90wne");

inline const QLatin1String kCode13050001("13050001");
inline const QLatin1String kCode13070001("13070001");

inline const QLatin1String kInsertCheckPrefix("insert or replace into tb_check (flowid, userid) values ");
inline const QLatin1String kInsertDevCheckPrefix("insert or replace into tb_devCheck (flowid, sn, checkType) values ");

} // namespace Vitacor
