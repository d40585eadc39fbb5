#pragma once

#include <QLocale>
#include <QString>

class Config;

// The one mapping between the stored language code, its translation file and
// the display language that date/time texts follow.
namespace LanguageTable {

struct Entry
{
    int code;
    QString translationFile;
    QLocale::Language displayLanguage;
};

// Codes other than 3..6 (1, the edition codes 0 and 2, anything else) are English.
Entry forCode(int code);

// The code a first start picks from the system's language.
int codeForSystemLanguage(QLocale::Language language);

// Sets the display language from the stored code and returns the translation
// file to install. A first start instead takes the system's language, stores
// its code and clears the first-start flag (written at exit); the display
// language follows the stored code until the next start.
QString chooseAtStart(Config& config, QLocale::Language systemLanguage);

} // namespace LanguageTable

// The process-wide display language, set once at start-up; English until then.
namespace DisplayLanguage {
QLocale::Language value();
void set(QLocale::Language language);
} // namespace DisplayLanguage
