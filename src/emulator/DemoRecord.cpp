#include "emulator/DemoRecord.h"

DemoRecord& DemoRecord::u8(int value)
{
    m_bytes.append(static_cast<char>(value & 0xFF));
    return *this;
}

DemoRecord& DemoRecord::u16(int value)
{
    return u8(value).u8(value >> 8);
}

DemoRecord& DemoRecord::u32(qint64 value)
{
    return u16(static_cast<int>(value & 0xFFFF)).u16(static_cast<int>((value >> 16) & 0xFFFF));
}

DemoRecord& DemoRecord::stamp(const QDateTime& time, int yearBase)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return u16(date.year() - yearBase)
        .u8(date.month())
        .u8(date.day())
        .u8(clock.hour())
        .u8(clock.minute())
        .u8(clock.second());
}

DemoRecord& DemoRecord::text(const QByteArray& value, int width)
{
    // One byte always stays for the terminator.
    const QByteArray cut = value.left(width - 1);
    m_bytes.append(cut);
    return zeros(width - cut.size());
}

DemoRecord& DemoRecord::zeros(int count)
{
    m_bytes.append(QByteArray(count, '\0'));
    return *this;
}

DemoRecord& DemoRecord::raw(const QByteArray& bytes)
{
    m_bytes.append(bytes);
    return *this;
}
