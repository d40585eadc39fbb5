#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QTest>

// Builds one monitor folder of an emulated bus by hand: identity.dat (30-byte
// device information block, branch code text, one zero byte) and device files.
class MonitorFolder
{
public:
    MonitorFolder(const QString& busDir, const QString& name, quint8 modelType = 0,
                  const QByteArray& serial = "SN12345678", const QByteArray& branchCode = "BR-07")
        : m_path(busDir + "/" + name)
    {
        QDir().mkpath(m_path);
        writeFile("identity.dat", info(modelType, serial) + branchCode + '\0');
    }

    // The device information block: type code, hardware minor 2, boot loader 0x0103,
    // lock flag 0, serial, hardware version 7, firmware 1.4 (bytes 21, 22), language pack 9, protocol 2.
    static QByteArray info(quint8 modelType, const QByteArray& serial)
    {
        QByteArray block(30, '\0');
        const auto put = [&block](int offset, quint32 value, int width) {
            for (int i = 0; i < width; ++i)
                block[offset + i] = char(value >> (8 * i));
        };
        block[0] = char(modelType);
        block[1] = 2;
        put(2, 0x0103, 2);
        block.replace(5, serial.left(12).size(), serial.left(12));
        put(18, 7, 2);
        block[21] = 4;
        block[22] = 1;
        put(24, 9, 4);
        put(28, 2, 2);
        return block;
    }

    static QByteArray randomBytes(int size, quint32 seed)
    {
        QRandomGenerator random(seed);
        QByteArray bytes(size, '\0');
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        return bytes;
    }

    QString path() const { return m_path; }

    QByteArray writeFile(const QString& name, const QByteArray& content) const
    {
        QFile file(m_path + "/" + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            QTest::qFail(qPrintable("cannot write " + file.fileName()), __FILE__, __LINE__);
        return content;
    }

    QByteArray writeRandomFile(const QString& name, int size, quint32 seed = 1) const
    {
        return writeFile(name, randomBytes(size, seed));
    }

    void remove() const { QDir(m_path).removeRecursively(); }

private:
    QString m_path;
};
