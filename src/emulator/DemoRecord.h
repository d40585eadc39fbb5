#pragma once

#include <QByteArray>
#include <QDateTime>

// Builds one packed little-endian record of a monitor file. Signed fields are
// given as ints and stored in two's complement, as the monitor does.
class DemoRecord
{
public:
    DemoRecord& u8(int value);
    DemoRecord& u16(int value);
    DemoRecord& u32(qint64 value);
    // The 7-byte time stamp; "nibp.dat" counts years from 2000.
    DemoRecord& stamp(const QDateTime& time, int yearBase = 0);
    // A zero-terminated text in a field of `width` bytes.
    DemoRecord& text(const QByteArray& value, int width);
    DemoRecord& zeros(int count);
    DemoRecord& raw(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }
    int size() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
};
