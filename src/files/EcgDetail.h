#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The header of an ECG detail file in the one shape rows and painters use.
struct EcgHeader
{
    quint16 dataOffset = 0; // bytes between the end of the header and the first sample
    quint32 waveLength = 0;
    quint16 heartRate = 0;
    qint16 st = 0; // 0.01 mV
    quint16 qrs = 0;
    quint16 qtc = 0;
    // The short form's one-byte result code; the long form's 32-bit result,
    // whose bits 8..10 carry the ZoravIvide QTc and ST findings.
    quint32 result = 0;
    quint8 leadMode = 0;
    quint8 bandwidth = 0;
    quint16 qt = 0;

    int durationSeconds() const { return int(waveLength / 500); }
    // The samples the wave length announces (two bytes each); 0 when it announces none.
    qint64 declaredSamples() const { return waveLength / 2; }
    // Bit 0 set: "Wide", clear: "Normal".
    bool isWideBand() const { return bandwidth & 1; }
};

// An ECG detail file: a fixed header, a gap of the header's data offset, then
// signed 16-bit samples at 250 per second. Only the samples the header
// announces are read, and never more than one check holds, so bytes appended
// to a file cost nothing; a header that announces none gives what the file
// holds, up to that limit.
class EcgDetail
{
public:
    // Long: the Corviset daily check and daily checks of the two-user model.
    enum class Form { Short, Long };
    static constexpr int kShortHeaderSize = 29;
    static constexpr int kLongHeaderSize = 44;
    // Five minutes at 250 per second: the monitors record strips of 30 to 90 s.
    static constexpr int kMaxSamples = 300 * 250;

    static Form formFor(int checkType, int modelType);
    static int headerSize(Form form);

    // Read flag: true when any header bytes were present. A data offset
    // beyond the end of the file gives no samples.
    static EcgDetail fromBytes(const QByteArray& data, Form form);
    static EcgDetail read(const QString& path, Form form);
    // Only the header, for lists that need a verdict but no samples.
    static EcgDetail readHeader(const QString& path, Form form);
    // The file form of a header and samples.
    static QByteArray toBytes(const EcgHeader& header, const QVector<qint16>& samples, Form form);

    bool isRead() const { return m_read; }
    const EcgHeader& header() const { return m_header; }
    const QVector<qint16>& samples() const { return m_samples; }
    int sampleCount() const { return m_samples.size(); }
    // The samples the file should hold: the header's, within kMaxSamples;
    // the count read when the header announces none.
    int expectedSampleCount() const;
    // The file ends before the samples its header announces.
    bool isCut() const { return sampleCount() < expectedSampleCount(); }

private:
    bool m_read = false;
    EcgHeader m_header;
    QVector<qint16> m_samples;
};
