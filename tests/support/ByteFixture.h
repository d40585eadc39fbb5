#pragma once

#include <QByteArray>

// Builds little-endian byte fixtures field by field, written from the file
// layouts, so tests never derive their input from the code under test.
class ByteFixture
{
public:
    ByteFixture& u8(int v) { return le(quint32(v), 1); }
    ByteFixture& u16(int v) { return le(quint32(v), 2); }
    ByteFixture& u32(qint64 v) { return le(quint32(v), 4); }
    // year as u16, then month, day, hour, minute, second
    ByteFixture& stamp(int year, int month, int day, int hour, int minute, int second)
    {
        return u16(year).u8(month).u8(day).u8(hour).u8(minute).u8(second);
    }
    // zero-terminated text padded with zeros to its field width
    ByteFixture& text(const QByteArray& value, int width)
    {
        m_bytes.append(value.left(width));
        return zeros(width - qMin(width, value.size()));
    }
    ByteFixture& zeros(int count)
    {
        m_bytes.append(count, '\0');
        return *this;
    }
    ByteFixture& raw(const QByteArray& bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    int size() const { return m_bytes.size(); }
    operator QByteArray() const { return m_bytes; }

private:
    ByteFixture& le(quint32 v, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes.append(char((v >> (8 * i)) & 0xFF));
        return *this;
    }

    QByteArray m_bytes;
};
