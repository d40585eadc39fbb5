#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A monitor's identity: the 30-byte device information block, as kept in
// "dev.dat" (followed there by the branch code and one zero byte) and as a
// row of the record store.
struct DeviceInfo
{
    static constexpr int kSize = 30;
    static constexpr int kSnWidth = 13;

    quint8 modelType = 0; // stored as tb_device.hwMajor
    quint8 hwMinor = 0;
    quint16 bootloaderVer = 0;
    quint8 lockBit = 0;
    QString sn;
    qint16 hardwareVer = 0;
    quint32 appVer = 0;
    quint32 languageVer = 0;
    quint16 agreementVer = 0;
    QString branchcode;
    QString dispname;

    template <class V>
    void visit(V& v)
    {
        v.field("hwMajor", modelType);
        v.field("hwMinor", hwMinor);
        v.field("bootloaderVer", bootloaderVer);
        v.field("lockBit", lockBit);
        QByteArray snBytes = sn.toLatin1();
        v.text("sn", snBytes, kSnWidth);
        sn = QString::fromLatin1(snBytes);
        v.field("hardwareVer", hardwareVer);
        v.field("appVer", appVer);
        v.field("languageVer", languageVer);
        v.field("agreementVer", agreementVer);
    }

    // Parses "dev.dat": the block, then one text line whose part before the
    // first zero byte is the branch code. Nothing for empty data; a short
    // block reads its missing fields as zero. The display name is the serial
    // number.
    static std::optional<DeviceInfo> fromBytes(const QByteArray& data);
    static std::optional<DeviceInfo> readFile(const QString& path);
    // The firmware version the monitor shows, "V<major>.<minor>": the middle bytes of appVer.
    int versionMajor() const { return int(appVer >> 16 & 0xFF); }
    int versionMinor() const { return int(appVer >> 8 & 0xFF); }
    // The "dev.dat" form of this information.
    QByteArray toFileBytes() const;
};
