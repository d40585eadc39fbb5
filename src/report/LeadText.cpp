#include "report/LeadText.h"

#include <QCoreApplication>

namespace LeadText {

namespace {

QString localized(const char* text)
{
    return QCoreApplication::translate("LeadText", text);
}

QString yes()
{
    return localized(QT_TRANSLATE_NOOP("LeadText", "Yes"));
}

QString no()
{
    return localized(QT_TRANSLATE_NOOP("LeadText", "No"));
}

} // namespace

LeadCable ecgRecorder(int leadCode)
{
    const QString leadOne = localized(QT_TRANSLATE_NOOP("LeadText", "LEAD I"));
    const QString leadTwo = localized(QT_TRANSLATE_NOOP("LeadText", "LEAD II"));
    switch (leadCode) {
    case 1: return {leadOne, no()};
    case 2: return {leadTwo, no()};
    case 3: return {leadOne, yes()};
    case 4: return {leadTwo, yes()};
    case 5: return {localized(QT_TRANSLATE_NOOP("LeadText", "LEAD Wristova")), QString()};
    default: return {};
    }
}

bool showsSt(int leadCode)
{
    return leadCode >= 3 && leadCode <= 5;
}

LeadCable daily(int leadCode)
{
    const QString leadOne = localized(QT_TRANSLATE_NOOP("LeadText", "Lead I"));
    const QString leadTwo = localized(QT_TRANSLATE_NOOP("LeadText", "Lead II"));
    switch (leadCode) {
    case 1: return {leadOne, no()};
    case 2: return {leadTwo, no()};
    case 3: return {leadOne, yes()};
    case 4: return {leadTwo, yes()};
    case 5: return {leadTwo, no()};
    case 6: return {localized(QT_TRANSLATE_NOOP("LeadText", "Chest Lead")), no()};
    default: return {};
    }
}

QString zoravMode(int modeCode)
{
    switch (modeCode) {
    case 1:
    case 3: return localized(QT_TRANSLATE_NOOP("LeadText", "MODE I"));
    case 2:
    case 4: return localized(QT_TRANSLATE_NOOP("LeadText", "MODE II"));
    default: return QString();
    }
}

QString bandwidth(int bandwidthByte)
{
    return (bandwidthByte & 1) ? localized(QT_TRANSLATE_NOOP("LeadText", "Wide"))
                               : localized(QT_TRANSLATE_NOOP("LeadText", "Normal"));
}

QString userLetter(int userByte)
{
    switch (userByte) {
    case 1: return QStringLiteral("A");
    case 2: return QStringLiteral("B");
    default: return QString();
    }
}

} // namespace LeadText
