// Any byte sequence read as an ECG detail file in both header forms: nothing
// may crash, the sample count follows the file size and the data offset
// within what the header announces, and writing the result out reads back the same.

#include "FuzzRequire.h"
#include "files/EcgDetail.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    for (auto form : {EcgDetail::Form::Short, EcgDetail::Form::Long}) {
        const EcgDetail detail = EcgDetail::fromBytes(bytes, form);
        require(detail.isRead() == !bytes.isEmpty());
        const qint64 rest = qint64(bytes.size()) - EcgDetail::headerSize(form) - detail.header().dataOffset;
        const qint64 declared = detail.header().declaredSamples();
        const qint64 limit = declared > 0 ? qMin<qint64>(declared, EcgDetail::kMaxSamples) : EcgDetail::kMaxSamples;
        require(detail.sampleCount() == (rest > 0 ? int(qMin(rest / 2, limit)) : 0));
        require(detail.isCut() == (detail.sampleCount() < qMin(declared, limit)));

        const QByteArray written = EcgDetail::toBytes(detail.header(), detail.samples(), form);
        const EcgDetail again = EcgDetail::fromBytes(written, form);
        require(again.samples() == detail.samples());
        require(again.header().heartRate == detail.header().heartRate && again.header().st == detail.header().st &&
                again.header().qt == detail.header().qt && again.header().bandwidth == detail.header().bandwidth);
    }
    return 0;
}
