#include "files/RecordCodec.h"

void RecordCodec::Decoder::time(CheckTime& time, int fileYearBase)
{
    const int base = m_layout == Layout::File ? fileYearBase : 0;
    time.year = static_cast<quint16>(read(2) + base);
    time.month = static_cast<quint8>(read(1));
    time.day = static_cast<quint8>(read(1));
    time.hour = static_cast<quint8>(read(1));
    time.minute = static_cast<quint8>(read(1));
    time.second = static_cast<quint8>(read(1));
}

void RecordCodec::Decoder::text(const char*, QByteArray& value, int width)
{
    const int available = qBound(0, m_bytes.size() - m_pos, width);
    value = m_bytes.mid(m_pos, available);
    const int end = value.indexOf('\0');
    if (end >= 0)
        value.truncate(end);
    m_pos += width;
}

quint64 RecordCodec::Decoder::read(int width)
{
    quint64 value = 0;
    for (int i = 0; i < width; ++i, ++m_pos) {
        if (m_pos < m_bytes.size())
            value |= quint64(quint8(m_bytes.at(m_pos))) << (8 * i);
    }
    return value;
}

void RecordCodec::Encoder::time(CheckTime& time, int fileYearBase)
{
    const int base = m_layout == Layout::File ? fileYearBase : 0;
    write(static_cast<quint16>(time.year - base), 2);
    write(time.month, 1);
    write(time.day, 1);
    write(time.hour, 1);
    write(time.minute, 1);
    write(time.second, 1);
}

void RecordCodec::Encoder::text(const char*, QByteArray& value, int width)
{
    QByteArray field = value.left(width);
    field.append(width - field.size(), '\0');
    m_bytes.append(field);
}

void RecordCodec::Encoder::write(quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        m_bytes.append(char((value >> (8 * i)) & 0xFF));
}
