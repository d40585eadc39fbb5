#include "emulator/DemoVoiceNote.h"

#include "emulator/DemoRecord.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A two-pole resonator tuned to one formant.
class Resonator
{
public:
    Resonator(double frequency, double bandwidth)
    {
        const double r = std::exp(-M_PI * bandwidth / DemoVoiceNote::kSampleRate);
        m_a1 = 2.0 * r * std::cos(2.0 * M_PI * frequency / DemoVoiceNote::kSampleRate);
        m_a2 = -r * r;
        m_gain = 1.0 - r;
    }
    double step(double x)
    {
        const double y = m_gain * x + m_a1 * m_y1 + m_a2 * m_y2;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_a1, m_a2, m_gain;
    double m_y1 = 0.0, m_y2 = 0.0;
};

struct Vowel
{
    double f1, f2, f3;
};

} // namespace

QByteArray DemoVoiceNote::make(const DemoRandom& seed)
{
    DemoRandom random = seed;
    static const std::vector<Vowel> vowels{
        {730, 1090, 2440}, {270, 2290, 3010}, {300, 870, 2240}, {530, 1840, 2480}, {570, 840, 2410}};
    const int syllables = random.integer(6, 14);
    const double pitch = random.uniform(100.0, 210.0);
    std::vector<double> out;
    double phase = 0.0;
    for (int s = 0; s < syllables; ++s) {
        const Vowel& vowel = random.pick(vowels);
        Resonator f1(vowel.f1, 80), f2(vowel.f2, 100), f3(vowel.f3, 140);
        const int length = static_cast<int>(kSampleRate * random.uniform(0.14, 0.28));
        const int hiss = random.chance(0.5) ? static_cast<int>(kSampleRate * random.uniform(0.03, 0.07)) : 0;
        for (int i = 0; i < hiss; ++i)
            out.push_back(0.05 * random.normal(0.0, 1.0));
        for (int i = 0; i < length; ++i) {
            // Intonation falls over the phrase; the syllable has a rise-and-decay envelope.
            const double progress = static_cast<double>(out.size()) / (kSampleRate * 3.0);
            const double f0 = pitch * (1.1 - 0.25 * std::min(1.0, progress)) * (1.0 + 0.03 * std::sin(0.02 * i));
            phase += f0 / kSampleRate;
            const double glottal = phase - std::floor(phase) < 0.1 ? 1.0 : -0.11;
            const double envelope = std::sin(M_PI * i / length);
            out.push_back(envelope * (f1.step(glottal) + 0.6 * f2.step(glottal) + 0.3 * f3.step(glottal)));
        }
        if (random.chance(0.3))
            out.insert(out.end(), static_cast<std::size_t>(kSampleRate * random.uniform(0.08, 0.2)), 0.0);
    }
    double peak = 1e-9;
    for (double v : out)
        peak = std::max(peak, std::fabs(v));

    const int dataBytes = static_cast<int>(out.size()) * 2;
    DemoRecord wav;
    wav.raw("RIFF").u32(36 + dataBytes).raw("WAVE");
    wav.raw("fmt ").u32(16).u16(1).u16(1).u32(kSampleRate).u32(kSampleRate * 2).u16(2).u16(16);
    wav.raw("data").u32(dataBytes);
    for (double v : out)
        wav.u16(static_cast<int>(std::lround(v / peak * 16000.0)));
    return wav.bytes();
}
