#pragma once

#include <QList>
#include <QString>

// What the program knows about a monitor model from its model type code (the
// first byte of the device information, stored as tb_device.hwMajor): shown
// name, the prefix of its device key, the serial number used when the monitor
// reports none, its pictures and the check types it offers. The one table of
// these facts; everything else asks it.
class DeviceModel
{
public:
    // The Corviset monitor, downloaded and synced by strategies of its own.
    static constexpr int kCorvisetType = 5;
    // The two-user daily-check monitor: long ECG detail header, no user names.
    static constexpr int kQmr4Type = 53;

    // The model of that type code; an unknown code gives an unnamed model offering every check type.
    static DeviceModel of(int modelType);
    // Every model type code of the table, in ascending order.
    static QList<int> modelTypes();

    int modelType() const { return m_modelType; }
    // The model name translated in the context "DevFilter"; empty for an unknown code.
    QString name() const;
    QString keyPrefix() const { return m_keyPrefix; }
    QString defaultSerial() const { return m_defaultSerial; }
    // Picture of the model in the download list, and in the device panel of the record view.
    QString listPicture() const;
    QString panelPicture() const;
    // Mask of the check types the model offers, one bit each.
    quint32 checkTypes() const { return m_checkTypes; }
    bool offers(int checkType) const { return (m_checkTypes & static_cast<quint32>(checkType)) != 0; }

    // The serial number the program uses for a monitor of this model: the reported text trimmed,
    // or the default serial when nothing is left. A serial with a character that could lead out
    // of its folder or that a file name cannot hold (path separators, "..", control and non-ASCII
    // characters) gets a form no reported serial has: a dot, then the serial with those
    // characters (and '%') as %XX, or a hash of it where that is too long; so two monitors never
    // share one. It names folders and files and keys the database, and fits the device information.
    QString safeSerial(const QString& reported) const;

    struct Entry;

private:
    explicit DeviceModel(int modelType, const Entry* entry);

    int m_modelType = 0;
    const char* m_name = "";
    const char* m_nameDisambiguation = nullptr;
    QString m_keyPrefix;
    QString m_defaultSerial;
    quint32 m_checkTypes = 0xFFFFFFFF;
};
