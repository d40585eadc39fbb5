#pragma once

#include "files/CheckTime.h"

#include <QByteArray>
#include <QList>

#include <type_traits>

// Turns the packed little-endian records of the monitor's files into record
// values and back. Every record type lists its fields once in a
// `template <class V> void visit(V& v)` member, calling v.time(), v.field(),
// v.text() and v.skip() in file order; the same list serves these codecs and
// the record store.
class RecordCodec
{
public:
    // File: as the monitor writes it (the blood-pressure year counts from 2000).
    // Stored: as the record store hands records back, every year in full.
    enum class Layout { File, Stored };

    // Reads fields in order; bytes past the end of the input read as zero.
    class Decoder
    {
    public:
        Decoder(const QByteArray& bytes, Layout layout)
            : m_bytes(bytes)
            , m_layout(layout)
        {}

        void time(CheckTime& time, int fileYearBase = 0);
        template <class T>
        void field(const char*, T& value)
        {
            static_assert(std::is_integral<T>::value, "record fields are integers");
            using U = std::make_unsigned_t<T>;
            value = static_cast<T>(static_cast<U>(read(sizeof(T))));
        }
        // A zero-terminated text inside a fixed-width field, kept as bytes.
        void text(const char*, QByteArray& value, int width);
        void skip(int width) { m_pos += width; }

    private:
        quint64 read(int width);

        const QByteArray& m_bytes;
        Layout m_layout;
        int m_pos = 0;
    };

    class Encoder
    {
    public:
        explicit Encoder(Layout layout)
            : m_layout(layout)
        {}

        void time(CheckTime& time, int fileYearBase = 0);
        template <class T>
        void field(const char*, T& value)
        {
            static_assert(std::is_integral<T>::value, "record fields are integers");
            write(static_cast<std::make_unsigned_t<T>>(value), sizeof(T));
        }
        void text(const char*, QByteArray& value, int width);
        void skip(int width) { m_bytes.append(width, '\0'); }

        const QByteArray& bytes() const { return m_bytes; }

    private:
        void write(quint64 value, int width);

        QByteArray m_bytes;
        Layout m_layout;
    };

    template <class R>
    static R decode(const QByteArray& bytes, Layout layout = Layout::File)
    {
        R record;
        Decoder decoder(bytes, layout);
        record.visit(decoder);
        return record;
    }

    template <class R>
    static QByteArray encode(R record, Layout layout = Layout::File)
    {
        Encoder encoder(layout);
        record.visit(encoder);
        return encoder.bytes();
    }

    template <class R>
    static QList<R> decodeAll(const QList<QByteArray>& records, Layout layout = Layout::File)
    {
        QList<R> values;
        values.reserve(records.size());
        for (const QByteArray& bytes : records)
            values << decode<R>(bytes, layout);
        return values;
    }
};
