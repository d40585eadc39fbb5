#include "emulator/DemoEcgStrip.h"

#include "emulator/DemoRecord.h"
#include "emulator/SyntheticEcg.h"

#include <algorithm>
#include <cmath>

namespace {

enum class Finding {
    Regular,
    Fast,
    Slow,
    PrematureBeats,
    Fibrillation,
    StElevation,
    StDepression,
    WideQrs,
    Unanalysable
};

Finding pickFinding(DemoRandom& random)
{
    // Percent weights, in the order of the enum.
    static const int weights[] = {44, 8, 8, 10, 7, 5, 5, 5, 8};
    int roll = random.integer(0, 99);
    int index = 0;
    while (roll >= weights[index]) {
        roll -= weights[index];
        ++index;
    }
    return static_cast<Finding>(index);
}

} // namespace

DemoEcgStrip DemoEcgStrip::make(const DemoRandom& random, int seconds)
{
    DemoRandom choice = random.fork(0);
    SyntheticEcg ecg(random.fork(1));
    const Finding finding = pickFinding(choice);
    SyntheticEcg::Rhythm rhythm;
    rhythm.heartRate = choice.uniform(58.0, 95.0);
    switch (finding) {
    case Finding::Fast: rhythm.heartRate = choice.uniform(104.0, 128.0); break;
    case Finding::Slow: rhythm.heartRate = choice.uniform(42.0, 49.0); break;
    case Finding::PrematureBeats: rhythm.prematureChance = choice.uniform(0.10, 0.18); break;
    case Finding::Fibrillation:
        rhythm.heartRate = choice.uniform(85.0, 115.0);
        rhythm.fibrillation = true;
        break;
    case Finding::StElevation: ecg.setStLevel(choice.uniform(0.22, 0.30)); break;
    case Finding::StDepression: ecg.setStLevel(-choice.uniform(0.22, 0.30)); break;
    case Finding::WideQrs: rhythm.qrsWidening = choice.uniform(1.40, 1.55); break;
    case Finding::Unanalysable: rhythm.noise = choice.uniform(0.25, 0.4); break;
    case Finding::Regular: break;
    }
    ecg.addBeats(seconds, rhythm);

    DemoEcgStrip strip;
    const std::size_t count = static_cast<std::size_t>(seconds) * kSampleRate;
    const std::vector<double> signal = ecg.render(kSampleRate, 0, count);
    strip.m_samples.reserve(count);
    for (double mv : signal)
        strip.m_samples.push_back(
            static_cast<qint16>(std::max(-32767.0, std::min(32767.0, std::round(mv * kCountsPerMillivolt)))));

    if (finding == Finding::Unanalysable) {
        // The analysis found no beats: every value absent, ST at its marker.
        strip.m_st = 0x7FFF;
        strip.m_result = 0xFF;
        return strip;
    }
    const auto& beats = ecg.beats();
    const double meanRr = (beats.back().time - beats.front().time) / static_cast<double>(beats.size() - 1);
    bool premature = false;
    for (const auto& beat : beats)
        premature = premature || beat.kind == SyntheticEcg::BeatKind::Premature;
    strip.m_heartRate = static_cast<int>(std::lround(60.0 / meanRr));
    strip.m_qrs = ecg.qrsMilliseconds(rhythm.qrsWidening);
    strip.m_qt = ecg.qtMilliseconds(meanRr, rhythm.qrsWidening, rhythm.qtLengthening);
    strip.m_qtc = SyntheticEcg::qtcMilliseconds(strip.m_qt, meanRr);
    strip.m_st = ecg.stHundredths();
    int result = 0;
    if (strip.m_heartRate > 100)
        result |= HighRate;
    if (strip.m_heartRate < 50)
        result |= LowRate;
    if (strip.m_qrs > 120)
        result |= WideQrs;
    if (strip.m_st > 20)
        result |= HighSt;
    if (strip.m_st < -20)
        result |= LowSt;
    if (rhythm.fibrillation)
        result |= Irregular;
    if (premature)
        result |= Premature;
    strip.m_result = result;
    return strip;
}

int DemoEcgStrip::pulseFlag() const
{
    if (!analysable())
        return 0xFF;
    return m_result & (HighRate | LowRate | Irregular | Premature);
}

QByteArray DemoEcgStrip::detailFile(bool longForm, int resultByte, int leadCode, int bandwidth, int dataOffset) const
{
    DemoRecord header;
    const qint64 waveLength = static_cast<qint64>(m_samples.size()) * 2;
    header.u16(dataOffset).u32(waveLength).u16(m_heartRate).u16(m_st).u16(m_qrs).u16(0).u16(m_qtc).u8(resultByte);
    if (longForm)
        header.zeros(3).u8(leadCode).u8(bandwidth).u16(m_qt).zeros(20);
    else
        header.u8(leadCode).u8(bandwidth).u16(m_qt).zeros(8);
    QByteArray file = header.bytes();
    file.append(QByteArray(dataOffset, '\0'));
    DemoRecord data;
    for (qint16 sample : m_samples)
        data.u16(sample);
    file.append(data.bytes());
    return file;
}
