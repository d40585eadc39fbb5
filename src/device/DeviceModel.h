#pragma once

#include <QString>

// What the program knows about a monitor model from its type code (the first
// byte of the device information): shown name, the prefix of its device key,
// the serial number used when the monitor reports none, and its pictures.
class DeviceModel
{
public:
    // The Corviset monitor, downloaded and synced by strategies of its own.
    static constexpr int kCorvisetType = 5;
    static constexpr int kQmr4Type = 53;

    // The model of that type code; an unknown code gives an unnamed model.
    static DeviceModel of(int typeCode);

    int typeCode() const { return m_typeCode; }
    // The model name translated in the context "DevFilter"; empty for an unknown code.
    QString name() const;
    QString keyPrefix() const { return m_keyPrefix; }
    QString defaultSerial() const { return m_defaultSerial; }
    // Picture of the model in the download list, and in the device panel of the record view.
    QString listPicture() const;
    QString panelPicture() const;

    // The serial number the program uses for a monitor of this model: the reported text trimmed,
    // with '_' for every character that could lead out of its folder (path separators, "..",
    // control and non-ASCII characters, characters a file name cannot hold), or the default
    // serial when nothing is left. It names folders and files and keys the database.
    QString safeSerial(const QString& reported) const;

private:
    // The untranslated name; the disambiguation tells two models of the same name apart.
    struct Name
    {
        const char* source;
        const char* disambiguation = nullptr;
    };

    DeviceModel(int typeCode, Name name, const char* keyPrefix, const char* defaultSerial);

    int m_typeCode = 0;
    Name m_name;
    QString m_keyPrefix;
    QString m_defaultSerial;
};
