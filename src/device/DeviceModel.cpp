#include "device/DeviceModel.h"

#include <QCoreApplication>

namespace {

// Characters that a folder or file name on one of the platforms cannot hold or would misread.
bool isUnsafeCharacter(QChar c)
{
    static const QString reserved = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() > 0x7E || reserved.contains(c);
}

} // namespace

DeviceModel::DeviceModel(int typeCode, Name name, const char* keyPrefix, const char* defaultSerial)
    : m_typeCode(typeCode)
    , m_name(name)
    , m_keyPrefix(keyPrefix)
    , m_defaultSerial(defaultSerial)
{}

DeviceModel DeviceModel::of(int typeCode)
{
    static const char* const vitacor = "Vitacor_";
    static const char* const serial = "00000000";
    switch (typeCode) {
    case 0:
    case 7: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro")}, vitacor, serial);
    case 1: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Lite HDMI")}, vitacor, "0000000");
    case 2:
    case 54: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pod")}, vitacor, serial);
    case 3: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Plus")}, vitacor, serial);
    case 4: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Brinmoravel")}, vitacor, serial);
    case kCorvisetType:
        return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Cardivane")}, "Cardivane_", "000000");
    case 6: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Lite USB")}, vitacor, serial);
    case 8: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro A")}, vitacor, serial);
    case 9: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Faunoscan")}, vitacor, serial);
    case 17: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "ZIZ(0X11)")}, vitacor, serial);
    case 18: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro X")}, vitacor, serial);
    case 19: return DeviceModel(typeCode, QT_TRANSLATE_NOOP3("DevFilter", "Vitacor Pro", "zh_cn_ver"), vitacor, serial);
    case 49: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor ECG")}, vitacor, serial);
    case kQmr4Type: return DeviceModel(typeCode, {QT_TRANSLATE_NOOP("DevFilter", "QMR4")}, "QMR4_", serial);
    default: return DeviceModel(typeCode, {""}, vitacor, serial);
    }
}

QString DeviceModel::name() const
{
    if (!*m_name.source)
        return QString();
    return QCoreApplication::translate("DevFilter", m_name.source, m_name.disambiguation);
}

QString DeviceModel::listPicture() const
{
    return m_typeCode == kQmr4Type ? QStringLiteral(":/res/qmr4_small.png") : QStringLiteral(":/deviceLogo");
}

QString DeviceModel::panelPicture() const
{
    return m_typeCode == kQmr4Type ? QStringLiteral(":/res/qmr4.png") : QStringLiteral(":/vitacor");
}

QString DeviceModel::safeSerial(const QString& reported) const
{
    const QString trimmed = reported.trimmed();
    QString serial = trimmed;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        // A dot is kept only between two other characters: never ".", "..", a hidden or a trailing-dot name.
        const bool badDot =
            c == '.' && (i == 0 || i == trimmed.size() - 1 || trimmed.at(i - 1) == '.' || trimmed.at(i + 1) == '.');
        if (badDot || isUnsafeCharacter(c))
            serial[i] = '_';
    }
    return serial.isEmpty() ? m_defaultSerial : serial;
}
