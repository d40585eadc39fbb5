#include "files/DeviceModel.h"

#include "files/DeviceInfo.h"

#include <QCoreApplication>
#include <QCryptographicHash>

struct DeviceModel::Entry
{
    int modelType;
    // Untranslated, context "DevFilter"; the disambiguation tells two models of the same name apart.
    struct Name
    {
        const char* source;
        const char* disambiguation = nullptr;
    } name;
    const char* keyPrefix;
    const char* defaultSerial;
    quint32 checkTypes;
};

namespace {

constexpr quint32 kEveryCheckType = 0xFFFFFFFF;

const DeviceModel::Entry kModels[] = {
    {0, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro")}, "Vitacor_", "00000000", 0x14DF},
    {1, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Lite HDMI")}, "Vitacor_", "0000000", 0x0013},
    {2, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pod")}, "Vitacor_", "00000000", 0x007F},
    {3, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Plus")}, "Vitacor_", "00000000", kEveryCheckType},
    {4, {QT_TRANSLATE_NOOP("DevFilter", "Brinmoravel")}, "Vitacor_", "00000000", kEveryCheckType},
    {DeviceModel::kCorvisetType, {QT_TRANSLATE_NOOP("DevFilter", "Cardivane")}, "Cardivane_", "000000", 0x0200},
    {6, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Lite USB")}, "Vitacor_", "00000000", 0x0013},
    {7, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro")}, "Vitacor_", "00000000", 0x007F},
    {8, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro A")}, "Vitacor_", "00000000", 0x003F},
    {9, {QT_TRANSLATE_NOOP("DevFilter", "Faunoscan")}, "Vitacor_", "00000000", 0x007F},
    {17, {QT_TRANSLATE_NOOP("DevFilter", "ZIZ(0X11)")}, "Vitacor_", "00000000", kEveryCheckType},
    {18, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pro X")}, "Vitacor_", "00000000", 0x007F},
    {19, QT_TRANSLATE_NOOP3("DevFilter", "Vitacor Pro", "zh_cn_ver"), "Vitacor_", "00000000", 0x6107},
    {49, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor ECG")}, "Vitacor_", "00000000", 0x0001},
    {DeviceModel::kQmr4Type, {QT_TRANSLATE_NOOP("DevFilter", "QMR4")}, "QMR4_", "00000000", 0x0010},
    {54, {QT_TRANSLATE_NOOP("DevFilter", "Vitacor Pod")}, "Vitacor_", "00000000", 0x0800},
};

const DeviceModel::Entry kUnknownModel = {-1, {""}, "Vitacor_", "00000000", kEveryCheckType};

// Characters that a folder or file name on one of the platforms cannot hold or would misread.
bool isUnsafeCharacter(QChar c)
{
    static const QString reserved = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() > 0x7E || reserved.contains(c);
}

} // namespace

DeviceModel::DeviceModel(int modelType, const Entry* entry)
    : m_modelType(modelType)
    , m_name(entry->name.source)
    , m_nameDisambiguation(entry->name.disambiguation)
    , m_keyPrefix(entry->keyPrefix)
    , m_defaultSerial(entry->defaultSerial)
    , m_checkTypes(entry->checkTypes)
{}

DeviceModel DeviceModel::of(int modelType)
{
    for (const Entry& entry : kModels) {
        if (entry.modelType == modelType)
            return DeviceModel(modelType, &entry);
    }
    return DeviceModel(modelType, &kUnknownModel);
}

QList<int> DeviceModel::modelTypes()
{
    QList<int> types;
    for (const Entry& entry : kModels)
        types.append(entry.modelType);
    return types;
}

QString DeviceModel::name() const
{
    if (!*m_name)
        return QString();
    return QCoreApplication::translate("DevFilter", m_name, m_nameDisambiguation);
}

QString DeviceModel::listPicture() const
{
    return m_modelType == kQmr4Type ? QStringLiteral(":/res/qmr4_small.png") : QStringLiteral(":/deviceLogo");
}

QString DeviceModel::panelPicture() const
{
    return m_modelType == kQmr4Type ? QStringLiteral(":/res/qmr4.png") : QStringLiteral(":/vitacor");
}

QString DeviceModel::safeSerial(const QString& reported) const
{
    const QString trimmed = reported.trimmed();
    if (trimmed.isEmpty())
        return m_defaultSerial;
    QString escaped;
    bool unsafe = false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        // A dot is kept only between two other characters: never ".", "..", a hidden or a trailing-dot name.
        const bool badDot =
            c == '.' && (i == 0 || i == trimmed.size() - 1 || trimmed.at(i - 1) == '.' || trimmed.at(i + 1) == '.');
        if (badDot || isUnsafeCharacter(c) || c == '%') {
            unsafe = unsafe || c != '%';
            for (const char byte : QString(c).toUtf8())
                escaped += QString("%%1").arg(quint8(byte), 2, 16, QChar('0')).toUpper();
        } else {
            escaped += c;
        }
    }
    if (!unsafe)
        return trimmed;
    // A leading dot, which no safe serial has, keeps monitors apart whose serials differ only in
    // unsafe characters; a form too long for the device information, or one that would read as a
    // scratch folder, becomes a hash.
    if (escaped.size() + 1 > DeviceInfo::kSnWidth || escaped.startsWith("temp_"))
        escaped =
            QCryptographicHash::hash(trimmed.toUtf8(), QCryptographicHash::Sha1).toHex().left(DeviceInfo::kSnWidth - 1);
    return "." + escaped;
}
