// Any byte sequence read as a Holter recording: nothing may crash or read past
// the input, a recording is accepted exactly when its size matches its header,
// and what is accepted holds only the minutes and samples the input carries.

#include "FuzzRequire.h"
#include "holter/HolterReport.h"

#include <QByteArray>
#include <QtEndian>

#include <climits>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > INT_MAX)
        return 0;
    // One report reused for every input, as the application reuses its one.
    static HolterReport report;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const bool loaded = report.loadData(bytes);

    const bool whole =
        size >= 62 && qint64(qFromLittleEndian<quint32>(data)) + qFromLittleEndian<quint32>(data + 4) == qint64(size);
    require(loaded == whole && report.isLoaded() == loaded);
    if (loaded) {
        const qint64 length = qFromLittleEndian<quint32>(data);
        const bool packed = qFromLittleEndian<quint16>(data + 21) == 192;
        require(report.samples().size() == (packed ? length / 5 * 4 : length / 2));
        require(report.minuteCount() == qMin<qint64>(report.duration() / 60, (qint64(size) - 62) / 20));
    } else {
        require(report.samples().isEmpty() && report.minutes().isEmpty());
    }

    const QVector<int> matched = report.matchStrips(50, 120, 120, 480, 2, true, true);
    for (int i = 0; i < matched.size(); ++i)
        require(matched[i] >= 0 && matched[i] < report.minuteCount() && (i == 0 || matched[i - 1] < matched[i]));
    require(report.pauseStripCount() <= matched.size());

    require(!report.durationText().isEmpty());
    for (const QString& text :
         {report.maxHrText(), report.minHrText(), report.avgHrText(), report.qrsCountText(), report.pvcCountText(),
          report.sdnnText(), report.rmssdText(), report.meanText(), report.pnn50Text()}) {
        bool number = false;
        text.toULongLong(&number);
        require(number || text == "--");
    }
    require(!report.minuteStart(report.minuteCount()).isValid() || report.startTime().isValid());
    return 0;
}
