#include "holter/HolterReport.h"

#include "app/LogHelper.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

template <typename T>
T readLe(const uchar* bytes, int offset)
{
    return qFromLittleEndian<T>(bytes + offset);
}

HolterMinute readMinute(const uchar* p)
{
    HolterMinute m;
    m.flags = readLe<qint32>(p, 0);
    m.heartRate = readLe<quint16>(p, 4);
    m.reserved6 = readLe<quint16>(p, 6);
    m.qrsDuration = readLe<quint16>(p, 8);
    m.pvcCount = readLe<quint16>(p, 10);
    m.qt = readLe<quint16>(p, 12);
    m.qtc = readLe<quint16>(p, 14);
    m.reserved16 = readLe<quint32>(p, 16);
    return m;
}

// Every 10-bit code, sign-extended from bit 9 and scaled by the device's
// factor 8.42 with truncation toward zero, so unpacking is one lookup.
const std::array<qint16, 1024>& packedSampleTable()
{
    static const std::array<qint16, 1024> table = [] {
        std::array<qint16, 1024> t{};
        for (int code = 0; code < 1024; ++code) {
            const int value = (code & 0x200) ? code - 0x400 : code;
            t[code] = qint16(int(value * 8.42));
        }
        return t;
    }();
    return table;
}

// Five bytes hold four samples: four low bytes, then their high bits two by two.
void unpackGroups(const uchar* data, int groups, qint16* out)
{
    const auto& table = packedSampleTable();
    for (int g = 0; g < groups; ++g, data += 5, out += 4) {
        const unsigned high = data[4];
        out[0] = table[data[0] | (high & 3u) << 8];
        out[1] = table[data[1] | (high >> 2 & 3u) << 8];
        out[2] = table[data[2] | (high >> 4 & 3u) << 8];
        out[3] = table[data[3] | (high >> 6) << 8];
    }
}

#ifdef __SSE2__
// The same for two groups at a time, about twice as fast as the lookups. For a
// magnitude a the truncated product is 8a + floor(0.42a), and
// (a * 27526) >> 16 equals floor(0.42a) for every a up to 512.
int unpackGroupPairs(const uchar* data, int groups, qint16* out)
{
    // The high byte of a group spread into four 16-bit lanes, bits 8-9 of each.
    static const std::array<qint64, 256> highLanes = [] {
        std::array<qint64, 256> t{};
        for (int high = 0; high < 256; ++high)
            for (int i = 0; i < 4; ++i)
                t[high] |= qint64((high >> (2 * i)) & 3) << (8 + 16 * i);
        return t;
    }();
    const __m128i zero = _mm_setzero_si128();
    const __m128i fraction = _mm_set1_epi16(27526);
    int g = 0;
    for (; g + 2 <= groups; g += 2, data += 10, out += 8) {
        const quint64 lows = qFromLittleEndian<quint32>(data) | quint64(qFromLittleEndian<quint32>(data + 5)) << 32;
        const __m128i codes = _mm_or_si128(_mm_unpacklo_epi8(_mm_cvtsi64_si128(qint64(lows)), zero),
                                           _mm_set_epi64x(highLanes[data[9]], highLanes[data[4]]));
        const __m128i value = _mm_srai_epi16(_mm_slli_epi16(codes, 6), 6);
        const __m128i sign = _mm_srai_epi16(value, 15);
        const __m128i magnitude = _mm_sub_epi16(_mm_xor_si128(value, sign), sign);
        const __m128i scaled = _mm_add_epi16(_mm_slli_epi16(magnitude, 3), _mm_mulhi_epu16(magnitude, fraction));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_sub_epi16(_mm_xor_si128(scaled, sign), sign));
    }
    return g;
}
#endif

QString numberOrAbsent(qint64 value, qint64 absent)
{
    return value == absent ? QStringLiteral("--") : QString::number(value);
}

} // namespace

HolterReport::HolterReport(QObject* parent)
    : QObject(parent)
{}

void HolterReport::clear()
{
    m_loaded = false;
    m_samples.clear();
    m_minutes.clear();
    m_matched.clear();
    m_header = HolterHeader();
    m_startTime = QDateTime();
}

bool HolterReport::load(const QString& path)
{
    clear();
    m_filePath = path;
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    LogHelper::instance()->writeLog("HolterFile :" + QString::number(size));
    if (size > kMaxFileSize)
        return false;
    QByteArray bytes(int(size), Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), size);
    if (got < 0)
        return false;
    // A file that shrank while being read is judged by what was read.
    bytes.truncate(int(got));
    return parse(bytes);
}

bool HolterReport::loadData(const QByteArray& bytes)
{
    clear();
    return parse(bytes);
}

bool HolterReport::parse(const QByteArray& bytes)
{
    const qint64 size = bytes.size();
    if (size < HolterHeader::kSize)
        return false;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    m_header = *HolterHeader::fromBytes(bytes);
    m_startTime =
        QDateTime::fromString(QString::asprintf("%d-%d-%d %d:%d:%d", m_header.year, m_header.month, m_header.day,
                                                m_header.hour, m_header.minute, m_header.second),
                              "yyyy-M-d h:m:s");
    // 64-bit sum: an offset and length that wrap around 32 bits must not pass.
    if (qint64(m_header.dataOffset) + qint64(m_header.dataLength) != size)
        return false;

    const qint64 stored = (size - HolterHeader::kSize) / HolterMinute::kSize;
    const int minuteCount = int(qMin<qint64>(m_header.duration / 60, stored));
    m_minutes.resize(minuteCount);
    for (int k = 0; k < minuteCount; ++k)
        m_minutes[k] = readMinute(p + HolterHeader::kSize + qint64(k) * HolterMinute::kSize);

    const uchar* data = p + m_header.dataOffset;
    if (m_header.sampleFormat == HolterHeader::kPackedFormat) {
        unpackSamples(data);
        m_header.dataLength = quint32(m_samples.size()) * 2;
        m_header.sampleFormat = 0;
    } else {
        m_samples.resize(int(m_header.dataLength / 2));
        qFromLittleEndian<qint16>(data, m_samples.size(), m_samples.data());
    }
    m_loaded = true;
    return true;
}

void HolterReport::unpackSamples(const uchar* data)
{
    // A trailing partial group has no high bits in the file and is dropped.
    const int groups = int(m_header.dataLength / 5);
    m_samples.resize(groups * 4);
    int done = 0;
#ifdef __SSE2__
    done = unpackGroupPairs(data, groups, m_samples.data());
#endif
    unpackGroups(data + 5 * done, groups - done, m_samples.data() + 4 * done);
}

QString HolterReport::durationText(qint64 seconds)
{
    if (seconds >= 3600)
        return QString("%1h%2m").arg(seconds / 3600).arg(seconds % 3600 / 60);
    if (seconds >= 60)
        return QString("%1m%2s").arg(seconds / 60).arg(seconds % 60);
    return QString("%1s").arg(seconds);
}

QString HolterReport::leadText() const
{
    switch (m_header.lead) {
    case 0: return tr("LEAD II");
    case 1: return tr("CC5");
    case 2: return tr("CM5");
    case 3: return tr("User-defined");
    default: return QString();
    }
}

QString HolterReport::maxHrText() const
{
    return numberOrAbsent(m_header.maxHr, HolterHeader::kAbsent16);
}

QString HolterReport::minHrText() const
{
    return numberOrAbsent(m_header.minHr, HolterHeader::kAbsent16);
}

QString HolterReport::avgHrText() const
{
    return numberOrAbsent(m_header.avgHr, HolterHeader::kAbsent16);
}

QString HolterReport::qrsCountText() const
{
    return numberOrAbsent(m_header.qrsCount, HolterHeader::kAbsent16);
}

QString HolterReport::pvcCountText() const
{
    return numberOrAbsent(m_header.pvcCount, HolterHeader::kAbsent16);
}

QString HolterReport::sdnnText() const
{
    return numberOrAbsent(m_header.sdnn, HolterHeader::kAbsent32);
}

QString HolterReport::rmssdText() const
{
    return numberOrAbsent(m_header.rmssd, HolterHeader::kAbsent32);
}

QString HolterReport::meanText() const
{
    return numberOrAbsent(m_header.mean, HolterHeader::kAbsent32);
}

QString HolterReport::pnn50Text() const
{
    return numberOrAbsent(m_header.pnn50, HolterHeader::kAbsent32);
}

int HolterReport::pauseStripCount() const
{
    return int(std::count_if(m_minutes.cbegin(), m_minutes.cend(), [](const HolterMinute& m) { return m.hasPause(); }));
}

QVector<int> HolterReport::matchStrips(int hrLow, int hrHigh, int qrsMin, int qtcMin, int pvcMin, bool irregular,
                                       bool pause)
{
    // value >= limit for a present value and a switched-on limit.
    const auto atLeast = [](int value, int limit) {
        return limit >= 0 && HolterMinute::isPresent(value) && value >= limit;
    };
    m_matched.clear();
    for (int k = 0; k < m_minutes.size(); ++k) {
        const HolterMinute& m = m_minutes.at(k);
        const bool slow = hrLow >= 0 && HolterMinute::isPresent(m.heartRate) && m.heartRate <= hrLow;
        if (slow || atLeast(m.heartRate, hrHigh) || atLeast(m.qrsDuration, qrsMin) || atLeast(m.qtc, qtcMin) ||
            atLeast(m.pvcCount, pvcMin) || (irregular && m.hasIrregularRr()) || (pause && m.hasPause()))
            m_matched.append(k);
    }
    return m_matched;
}
