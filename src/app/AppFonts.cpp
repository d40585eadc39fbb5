#include "app/AppFonts.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

QString& registeredFamily()
{
    static QString family;
    return family;
}

QString preferredFamily(const QStringList& families)
{
    for (const QString& family : families) {
        if (family.endsWith(QLatin1String(" SC")))
            return family;
    }
    return families.value(0);
}

} // namespace

QString AppFonts::defaultMediumFile()
{
    return QStringLiteral(VITACOR_CJK_FONT_DIR "/NotoSansCJK-Medium.ttc");
}

QString AppFonts::defaultRegularFile()
{
    return QStringLiteral(VITACOR_CJK_FONT_DIR "/NotoSansCJK-Regular.ttc");
}

bool AppFonts::load(const QString& mediumFile, const QString& regularFile)
{
    const int medium = QFontDatabase::addApplicationFont(mediumFile);
    const int regular = medium == -1 ? -1 : QFontDatabase::addApplicationFont(regularFile);
    if (medium != -1)
        registeredFamily() = preferredFamily(QFontDatabase::applicationFontFamilies(medium));
    if (regular == -1) {
        qDebug() << "[ERR] fail to load font";
        return false;
    }
    return true;
}

QString AppFonts::family()
{
    const QString& family = registeredFamily();
    return family.isEmpty() ? QFont().family() : family;
}
