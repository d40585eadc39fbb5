#include "app/LanguageTable.h"

#include "app/Config.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>

namespace LanguageTable {

namespace {

// An installed program reads the translations installed beside it
// (<prefix>/share/vitacor-browser/translations); a build tree uses the ones
// compiled into the program.
QString translation(const QString& fileName)
{
    if (QCoreApplication::instance()) {
        const QString installed = QCoreApplication::applicationDirPath() +
            QStringLiteral("/../share/vitacor-browser/translations/") + fileName;
        if (QFileInfo::exists(installed))
            return QFileInfo(installed).canonicalFilePath();
    }
    return QStringLiteral("://translations/") + fileName;
}

} // namespace

Entry forCode(int code)
{
    switch (code) {
    case 3: return {3, translation(QStringLiteral("france.qm")), QLocale::French};
    case 4: return {4, translation(QStringLiteral("german.qm")), QLocale::German};
    case 5: return {5, translation(QStringLiteral("italy.qm")), QLocale::Italian};
    case 6: return {6, translation(QStringLiteral("spain.qm")), QLocale::Spanish};
    default: return {code, translation(QStringLiteral("english.qm")), QLocale::English};
    }
}

int codeForSystemLanguage(QLocale::Language language)
{
    switch (language) {
    case QLocale::French: return 3;
    case QLocale::German: return 4;
    case QLocale::Italian: return 5;
    case QLocale::Spanish: return 6;
    default: return 1;
    }
}

QString chooseAtStart(Config& config, QLocale::Language systemLanguage)
{
    const Entry stored = forCode(config.language());
    DisplayLanguage::set(stored.displayLanguage);
    if (!config.isFirstStart())
        return stored.translationFile;

    const int code = codeForSystemLanguage(systemLanguage);
    config.setLanguage(code);
    config.setFirstStart(false);
    return forCode(code).translationFile;
}

} // namespace LanguageTable

namespace DisplayLanguage {

namespace {
QAtomicInt g_language(QLocale::English);
}

QLocale::Language value()
{
    return static_cast<QLocale::Language>(g_language.loadAcquire());
}

void set(QLocale::Language language)
{
    g_language.storeRelease(language);
}

} // namespace DisplayLanguage
