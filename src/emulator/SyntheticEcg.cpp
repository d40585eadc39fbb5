#include "emulator/SyntheticEcg.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 2.0 * M_PI;
// QRS onset and end relative to the R peak, in seconds at unit width: the Q and
// S centres 2.5 widths out.
constexpr double kQrsOnset = 0.042;
constexpr double kQrsEnd = 0.0465;
// T end = T centre + 2.5 T widths; the T width is 0.045 s at an R-R of 1 s.
constexpr double kTHalfLength = 0.1125;

double boundedInterval(double rr)
{
    return std::min(2.0, std::max(0.3, rr));
}

} // namespace

SyntheticEcg::SyntheticEcg(const DemoRandom& random)
    : m_random(random.fork(1))
    , m_noiseRandom(random.fork(2))
{
    m_p = m_random.uniform(0.10, 0.20);
    m_q = -m_random.uniform(0.05, 0.15);
    m_r = m_random.uniform(0.9, 1.5);
    m_s = -m_random.uniform(0.15, 0.35);
    m_t = m_random.uniform(0.22, 0.40);
    m_qrsWidth = m_random.uniform(0.95, 1.10);
    const double qtcAtRest = m_random.uniform(0.385, 0.425);
    m_tOffset = qtcAtRest - kQrsOnset * m_qrsWidth - kTHalfLength;

    // ECGSYN's R-R spectrum: Gaussian bumps at the Mayer waves (0.1 Hz) and
    // at the breathing rate, LF/HF power ratio 0.5.
    const double deviation = m_random.uniform(0.025, 0.05);
    m_breathFrequency = m_random.uniform(0.2, 0.3);
    const int perBand = 8;
    for (int band = 0; band < 2; ++band) {
        const double centre = band == 0 ? 0.1 : m_breathFrequency;
        const double power = deviation * deviation * (band == 0 ? 1.0 / 3.0 : 2.0 / 3.0);
        for (int k = 0; k < perBand; ++k) {
            m_hrvFrequency.push_back(std::max(0.02, m_random.normal(centre, 0.01)));
            m_hrvAmplitude.push_back(std::sqrt(2.0 * power / perBand));
            m_hrvPhase.push_back(m_random.uniform(0.0, kTwoPi));
        }
    }
    m_breathAmplitude = m_random.uniform(0.02, 0.06);
    m_breathPhase = m_random.uniform(0.0, kTwoPi);
    m_fibPhase1 = m_random.uniform(0.0, kTwoPi);
    m_fibPhase2 = m_random.uniform(0.0, kTwoPi);
}

double SyntheticEcg::variability(double time) const
{
    double sum = 0.0;
    for (std::size_t k = 0; k < m_hrvFrequency.size(); ++k)
        sum += m_hrvAmplitude[k] * std::sin(kTwoPi * m_hrvFrequency[k] * time + m_hrvPhase[k]);
    return sum;
}

double SyntheticEcg::nextInterval(const Rhythm& rhythm)
{
    return 60.0 / rhythm.heartRate * (1.0 + variability(m_lastBeat));
}

void SyntheticEcg::addBeats(double until, const Rhythm& rhythm)
{
    if (!m_started) {
        m_lastBeat = -m_random.uniform(0.2, 0.9) * 60.0 / rhythm.heartRate;
        m_started = true;
    }
    m_spans.push_back({m_end, until, rhythm.noise, rhythm.fibrillation, rhythm.leadOff});
    bool pausePending = rhythm.pauseSeconds > 0.0;
    const double pauseFrom = (m_end + until) / 2.0;
    for (;;) {
        const double rr = nextInterval(rhythm);
        const bool lastWasPremature = !m_beats.empty() && m_beats.back().kind == BeatKind::Premature;
        Beat beat{0.0, BeatKind::Sinus, rhythm.qrsWidening, rhythm.qtLengthening};
        double pending = -1.0;
        if (m_pendingSinus >= 0.0) {
            // The sinus beat after a premature one keeps the sinus rhythm: a full compensatory pause.
            beat.time = m_pendingSinus;
        } else if (pausePending && m_lastBeat >= pauseFrom) {
            beat.time = m_lastBeat + rhythm.pauseSeconds;
            pausePending = false;
        } else if (rhythm.fibrillation) {
            beat.kind = BeatKind::Fibrillation;
            beat.time = m_lastBeat + std::min(1.8, std::max(0.33, rr * std::exp(m_random.normal(0.0, 0.22))));
        } else if (!lastWasPremature && m_random.chance(rhythm.prematureChance)) {
            beat.kind = BeatKind::Premature;
            beat.time = m_lastBeat + rr * m_random.uniform(0.55, 0.68);
            pending = m_lastBeat + 2.0 * rr;
        } else {
            beat.time = m_lastBeat + rr;
        }
        if (beat.time >= until)
            break;
        m_pendingSinus = pending;
        m_beats.push_back(beat);
        m_lastBeat = beat.time;
    }
    m_end = until;
}

const SyntheticEcg::Span* SyntheticEcg::spanAt(double time) const
{
    auto it =
        std::upper_bound(m_spans.begin(), m_spans.end(), time, [](double t, const Span& span) { return t < span.to; });
    return it == m_spans.end() ? nullptr : &*it;
}

bool SyntheticEcg::isLeadOff(double time) const
{
    const Span* span = spanAt(time);
    return span && span->leadOff;
}

std::vector<SyntheticEcg::Wave> SyntheticEcg::waves(const Beat& beat, double rr) const
{
    const double root = std::sqrt(boundedInterval(rr));
    if (beat.kind == BeatKind::Premature) {
        // Ventricular origin: no P wave, a wide QRS and a discordant T wave.
        return {{0.0, 0.022, 1.3 * m_r}, {0.05, 0.024, -0.45 * m_r}, {0.30 * root, 0.065 * root, -0.45}};
    }
    const double w = m_qrsWidth * beat.qrsWidening;
    const double tCentre = (m_tOffset + beat.qtLengthening) * root;
    std::vector<Wave> result{
        {-0.022 * w, 0.008 * w, m_q}, {0.0, 0.009 * w, m_r}, {0.024 * w, 0.009 * w, m_s}, {tCentre, 0.045 * root, m_t}};
    if (beat.kind == BeatKind::Sinus)
        result.push_back({-(kQrsOnset * w + 0.11) * std::pow(boundedInterval(rr), 0.25), 0.022, m_p});
    if (m_st != 0.0) {
        const double j = kQrsEnd * w;
        result.push_back({(j + tCentre) / 2.0, (tCentre - j) / 4.0, m_st});
    }
    return result;
}

std::vector<double> SyntheticEcg::render(double sampleRate, std::size_t first, std::size_t count)
{
    std::vector<double> out(count, 0.0);
    const double start = static_cast<double>(first) / sampleRate;
    const double end = static_cast<double>(first + count) / sampleRate;
    auto beat = std::lower_bound(m_beats.begin(), m_beats.end(), start - 1.0,
                                 [](const Beat& b, double t) { return b.time < t; });
    for (; beat != m_beats.end() && beat->time < end + 1.0; ++beat) {
        const double rr = beat == m_beats.begin() ? 0.85 : beat->time - (beat - 1)->time;
        for (const Wave& wave : waves(*beat, rr)) {
            const double centre = beat->time + wave.centre;
            const double from = std::max(start, centre - 4.0 * wave.width);
            const double to = std::min(end, centre + 4.0 * wave.width);
            if (from >= to)
                continue;
            const auto i0 = static_cast<std::size_t>(std::ceil(from * sampleRate)) - first;
            const auto i1 = std::min(count, static_cast<std::size_t>(std::ceil(to * sampleRate)) - first);
            for (std::size_t i = i0; i < i1; ++i) {
                const double d = (static_cast<double>(first + i) / sampleRate - centre) / wave.width;
                out[i] += wave.amplitude * std::exp(-0.5 * d * d);
            }
        }
    }
    const Span* span = nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(first + i) / sampleRate;
        if (!span || t >= span->to || t < span->from)
            span = spanAt(t);
        if (span && span->leadOff) {
            out[i] = 0.0;
            continue;
        }
        double extra = m_breathAmplitude * std::sin(kTwoPi * m_breathFrequency * t + m_breathPhase);
        if (span && span->fibrillation)
            extra += 0.05 * (std::sin(kTwoPi * 5.6 * t + m_fibPhase1) + 0.6 * std::sin(kTwoPi * 7.1 * t + m_fibPhase2));
        out[i] += extra + m_noiseRandom.normal(0.0, span ? span->noise : 0.006);
    }
    return out;
}

int SyntheticEcg::qrsMilliseconds(double widening) const
{
    return static_cast<int>(std::lround(1000.0 * (kQrsOnset + kQrsEnd) * m_qrsWidth * widening));
}

int SyntheticEcg::qtMilliseconds(double rr, double widening, double lengthening) const
{
    const double qt =
        kQrsOnset * m_qrsWidth * widening + (m_tOffset + lengthening + kTHalfLength) * std::sqrt(boundedInterval(rr));
    return static_cast<int>(std::lround(1000.0 * qt));
}

int SyntheticEcg::qtcMilliseconds(int qt, double rr)
{
    return static_cast<int>(std::lround(qt / std::sqrt(boundedInterval(rr))));
}

int SyntheticEcg::stHundredths() const
{
    return static_cast<int>(std::lround(m_st * 100.0));
}
