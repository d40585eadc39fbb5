#pragma once

#include <QString>

// The program's typeface, the Source Han Sans design that Debian ships as
// Noto Sans CJK, registered from the installed font collections. Widgets,
// style sheets and painters name it through family().
class AppFonts
{
public:
    static QString defaultMediumFile();
    static QString defaultRegularFile();

    // Registers the Medium collection and, only if that worked, the Regular
    // one. On failure logs "[ERR] fail to load font" and returns false; the
    // program then goes on with the system fonts.
    static bool load(const QString& mediumFile = defaultMediumFile(),
                     const QString& regularFile = defaultRegularFile());

    // The family the registered Medium collection reports, its simplified
    // Chinese face preferred; the application's default family before a
    // successful load.
    static QString family();
};
