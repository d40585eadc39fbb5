#pragma once

#include "files/HolterHeader.h"
#include "holter/HolterMinute.h"

#include <QByteArray>
#include <QVector>
#include <QtEndian>

#include <vector>

// Writes Holter recordings byte by byte from the file layout, independently of
// the loader, so tests and benchmarks feed it files it did not produce.
struct HolterFileBuilder
{
    HolterHeader header;
    QVector<HolterMinute> minutes;
    QByteArray data;

    // Points the header at the data placed right after the minute records.
    HolterFileBuilder& layOut()
    {
        header.dataOffset = quint32(HolterHeader::kSize + minutes.size() * HolterMinute::kSize);
        header.dataLength = quint32(data.size());
        return *this;
    }

    QByteArray bytes() const
    {
        std::vector<uchar> out(size_t(HolterHeader::kSize + minutes.size() * HolterMinute::kSize));
        put<quint32>(out, 0, header.dataLength);
        put<quint32>(out, 4, header.dataOffset);
        put<qint16>(out, 8, qint16(header.year));
        put<quint8>(out, 10, quint8(header.month));
        put<quint8>(out, 11, quint8(header.day));
        put<quint8>(out, 12, quint8(header.hour));
        put<quint8>(out, 13, quint8(header.minute));
        put<quint8>(out, 14, quint8(header.second));
        put<quint32>(out, 15, header.duration);
        put<quint8>(out, 19, quint8(header.userIndex));
        put<qint8>(out, 20, qint8(header.lead));
        put<quint16>(out, 21, quint16(header.sampleFormat));
        put<quint8>(out, 23, quint8(header.reserved23));
        put<quint16>(out, 24, quint16(header.maxHr));
        put<quint16>(out, 26, quint16(header.minHr));
        put<quint32>(out, 28, header.reserved28);
        put<quint32>(out, 32, header.reserved32);
        put<quint16>(out, 36, quint16(header.avgHr));
        put<quint16>(out, 38, quint16(header.reserved38));
        put<quint32>(out, 40, header.sdnn);
        put<quint32>(out, 44, header.rmssd);
        put<quint32>(out, 48, header.mean);
        put<quint32>(out, 52, header.pnn50);
        put<quint16>(out, 56, quint16(header.qrsCount));
        put<quint16>(out, 58, quint16(header.reserved58));
        put<quint16>(out, 60, quint16(header.pvcCount));
        for (int k = 0; k < minutes.size(); ++k) {
            const HolterMinute& m = minutes.at(k);
            const int at = HolterHeader::kSize + k * HolterMinute::kSize;
            put<qint32>(out, at, m.flags);
            put<quint16>(out, at + 4, quint16(m.heartRate));
            put<quint16>(out, at + 6, quint16(m.reserved6));
            put<quint16>(out, at + 8, quint16(m.qrsDuration));
            put<quint16>(out, at + 10, quint16(m.pvcCount));
            put<quint16>(out, at + 12, quint16(m.qt));
            put<quint16>(out, at + 14, quint16(m.qtc));
            put<quint32>(out, at + 16, m.reserved16);
        }
        return QByteArray(reinterpret_cast<const char*>(out.data()), int(out.size())) + data;
    }

    // Packs 10-bit codes four to five bytes: the low bytes, then the high bits
    // of sample i in bits 2i..2i+1 of the fifth byte.
    static QByteArray pack(const QVector<int>& codes)
    {
        QByteArray out;
        out.reserve(codes.size() / 4 * 5);
        for (int g = 0; g + 4 <= codes.size(); g += 4) {
            int high = 0;
            for (int i = 0; i < 4; ++i) {
                out.append(char(codes.at(g + i) & 0xFF));
                high |= (codes.at(g + i) >> 8 & 3) << (2 * i);
            }
            out.append(char(high));
        }
        return out;
    }

private:
    template <typename T>
    static void put(std::vector<uchar>& out, int offset, T value)
    {
        qToLittleEndian<T>(value, out.data() + offset);
    }
};
