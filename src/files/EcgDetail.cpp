#include "files/EcgDetail.h"

#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/RecordCodec.h"

#include <QFile>
#include <QtEndian>

namespace {

// Both forms carry the same fields; the long one spreads them further apart.
template <class V>
void visitHeader(V& v, EcgHeader& h, EcgDetail::Form form)
{
    const bool isLong = form == EcgDetail::Form::Long;
    v.field("dataOffset", h.dataOffset);
    v.field("waveLength", h.waveLength);
    v.field("heartRate", h.heartRate);
    v.field("st", h.st);
    v.field("qrs", h.qrs);
    v.skip(2);
    v.field("qtc", h.qtc);
    if (isLong) {
        v.field("result", h.result);
    } else {
        quint8 code = quint8(h.result);
        v.field("result", code);
        h.result = code;
    }
    v.field("leadMode", h.leadMode);
    v.field("bandwidth", h.bandwidth);
    v.field("qt", h.qt);
    v.skip(isLong ? 20 : 8);
}

} // namespace

EcgDetail::Form EcgDetail::formFor(int checkType, int modelType)
{
    if (checkType == CheckType::CorvisetDailyCheck)
        return Form::Long;
    if (checkType == CheckType::DailyCheck && modelType == DeviceModel::kQmr4Type)
        return Form::Long;
    return Form::Short;
}

int EcgDetail::headerSize(Form form)
{
    return form == Form::Long ? kLongHeaderSize : kShortHeaderSize;
}

int EcgDetail::expectedSampleCount() const
{
    const qint64 declared = m_header.declaredSamples();
    return declared > 0 ? int(qMin<qint64>(declared, kMaxSamples)) : sampleCount();
}

EcgDetail EcgDetail::fromBytes(const QByteArray& data, Form form)
{
    EcgDetail detail;
    if (data.isEmpty())
        return detail;
    detail.m_read = true;
    RecordCodec::Decoder decoder(data, RecordCodec::Layout::File);
    visitHeader(decoder, detail.m_header, form);

    const qint64 start = qint64(headerSize(form)) + detail.m_header.dataOffset;
    if (start >= data.size())
        return detail;
    const qint64 wanted = detail.expectedSampleCount() > 0 ? detail.expectedSampleCount() : kMaxSamples;
    const int count = int(qMin<qint64>((data.size() - start) / 2, wanted));
    detail.m_samples.resize(count);
    const char* first = data.constData() + start;
    for (int i = 0; i < count; ++i)
        detail.m_samples[i] = qFromLittleEndian<qint16>(first + 2 * i);
    return detail;
}

EcgDetail EcgDetail::read(const QString& path, Form form)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return EcgDetail();
    // The header says how much more is worth reading.
    QByteArray bytes = file.read(headerSize(form));
    const EcgDetail header = fromBytes(bytes, form);
    const qint64 declared = header.header().declaredSamples();
    const qint64 samples = declared > 0 ? qMin<qint64>(declared, kMaxSamples) : kMaxSamples;
    bytes += file.read(header.header().dataOffset + 2 * samples);
    return fromBytes(bytes, form);
}

EcgDetail EcgDetail::readHeader(const QString& path, Form form)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return EcgDetail();
    return fromBytes(file.read(headerSize(form)), form);
}

QByteArray EcgDetail::toBytes(const EcgHeader& header, const QVector<qint16>& samples, Form form)
{
    EcgHeader copy = header;
    RecordCodec::Encoder encoder(RecordCodec::Layout::File);
    visitHeader(encoder, copy, form);
    QByteArray bytes = encoder.bytes();
    bytes.append(header.dataOffset, '\0');
    const int start = bytes.size();
    bytes.resize(start + 2 * samples.size());
    for (int i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(samples.at(i), bytes.data() + start + 2 * i);
    return bytes;
}
