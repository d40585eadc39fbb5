#include "emulator/DemoHolterRecording.h"

#include "emulator/DemoEcgStrip.h"
#include "emulator/DemoRecord.h"
#include "emulator/SyntheticEcg.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kAbsent16 = 0xFFFF;
constexpr qint64 kAbsent32 = 0xFFFFFFFFLL;
constexpr int kNotMeasured = 9999;
constexpr int kIrregularFlag = 0x800;
constexpr int kPauseFlag = 0x4000;
constexpr double kPauseSeconds = 3.0;

struct MinutePlan
{
    SyntheticEcg::Rhythm rhythm;
    bool busy = false;
};

// 0 awake, 1 asleep, with an hour's ramp at bedtime (22:30-23:30) and waking (06:00-07:00).
double sleepiness(double hour)
{
    auto ramp = [](double x) { return std::min(1.0, std::max(0.0, x)); };
    if (hour >= 12.0)
        return ramp(hour - 22.5);
    return 1.0 - ramp(hour - 6.0);
}

class Planner
{
public:
    Planner(DemoRandom& random, std::vector<MinutePlan>& plan, int wholeMinutes)
        : m_random(random)
        , m_plan(plan)
        , m_wholeMinutes(wholeMinutes)
    {}
    // Finds a free run of `length` whole minutes and applies `apply(rhythm, k)` to
    // its k-th minute; a recording without room left gets no such episode.
    template <typename Apply>
    void place(int length, Apply apply)
    {
        for (int attempt = 0; attempt < 50 && length <= m_wholeMinutes; ++attempt) {
            const int first = m_random.integer(0, m_wholeMinutes - length);
            bool free = true;
            for (int k = first; k < first + length; ++k)
                free = free && !m_plan[k].busy;
            if (free) {
                for (int k = 0; k < length; ++k) {
                    m_plan[first + k].busy = true;
                    apply(m_plan[first + k].rhythm, k);
                }
                return;
            }
        }
    }

private:
    DemoRandom& m_random;
    std::vector<MinutePlan>& m_plan;
    int m_wholeMinutes;
};

std::vector<MinutePlan> planDay(DemoRandom& random, const QDateTime& start, int durationSeconds)
{
    const int minutes = (durationSeconds + 59) / 60;
    const int wholeMinutes = durationSeconds / 60;
    const double hours = durationSeconds / 3600.0;
    std::vector<MinutePlan> plan(static_cast<std::size_t>(minutes));
    const double awakeRate = random.uniform(66.0, 80.0);
    const double asleepRate = random.uniform(52.0, 60.0);
    double activity = 0.0;
    const double startHour = start.time().hour() + start.time().minute() / 60.0;
    for (int k = 0; k < minutes; ++k) {
        const double hour = std::fmod(startHour + k / 60.0, 24.0);
        const double asleep = sleepiness(hour);
        activity = 0.9 * activity + random.normal(0.0, 2.5);
        auto& rhythm = plan[k].rhythm;
        rhythm.heartRate = std::min(
            110.0, std::max(50.0, awakeRate + (asleepRate - awakeRate) * asleep + activity * (1.0 - 0.6 * asleep)));
        rhythm.prematureChance = 0.002;
    }

    Planner planner(random, plan, wholeMinutes);
    auto count = [hours](double perHour, int least) {
        return std::max(least, static_cast<int>(std::lround(hours * perHour)));
    };
    for (int e = count(1.0 / 12.0, 1); e > 0; --e) {
        // Exercise: the rate climbs above 120/min; in the first bout the QRS widens at the peak.
        const int length = random.integer(6, 12);
        const double peak = random.uniform(122.0, 140.0);
        planner.place(length, [=](SyntheticEcg::Rhythm& rhythm, int k) {
            const int edge = std::min(k, length - 1 - k);
            rhythm.heartRate = edge >= 2 ? peak : 95.0 + (peak - 95.0) * edge / 2.0;
            if (e == 1 && edge >= 2)
                rhythm.qrsWidening = 1.45;
        });
    }
    for (int e = count(1.0 / 12.0, 1); e > 0; --e) {
        const double rate = random.uniform(44.0, 49.0);
        planner.place(random.integer(3, 6), [rate](SyntheticEcg::Rhythm& rhythm, int) { rhythm.heartRate = rate; });
    }
    for (int e = count(1.0 / 8.0, 1); e > 0; --e) {
        const double rate = random.uniform(95.0, 118.0);
        planner.place(random.integer(3, 8), [rate](SyntheticEcg::Rhythm& rhythm, int) {
            rhythm.fibrillation = true;
            rhythm.heartRate = rate;
        });
    }
    for (int e = count(1.0 / 6.0, 1); e > 0; --e) {
        const double pause = random.uniform(3.2, 4.2);
        planner.place(1, [pause](SyntheticEcg::Rhythm& rhythm, int) { rhythm.pauseSeconds = pause; });
    }
    for (int e = count(1.5, 2); e > 0; --e) {
        const double chance = random.uniform(0.08, 0.15);
        planner.place(random.integer(1, 3),
                      [chance](SyntheticEcg::Rhythm& rhythm, int) { rhythm.prematureChance = chance; });
    }
    planner.place(count(1.0, 3), [](SyntheticEcg::Rhythm& rhythm, int) { rhythm.qtLengthening = 0.11; });
    for (int e = count(1.0 / 5.0, 1); e > 0; --e)
        planner.place(random.integer(1, 2), [](SyntheticEcg::Rhythm& rhythm, int) { rhythm.leadOff = true; });
    return plan;
}

struct MinuteTally
{
    double rrSum = 0.0;
    int intervals = 0;
    double sinusRrSum = 0.0;
    int sinusIntervals = 0;
    double successiveSum = 0.0;
    int successive = 0;
    int beats = 0;
    int premature = 0;
    bool pause = false;
};

// Packs 4 samples into 5 bytes: the low bytes, then the four high bit pairs.
void appendPacked(QByteArray& out, const int* steps)
{
    int high = 0;
    for (int i = 0; i < 4; ++i) {
        out.append(static_cast<char>(steps[i] & 0xFF));
        high |= ((steps[i] >> 8) & 0x3) << (2 * i);
    }
    out.append(static_cast<char>(high));
}

} // namespace

QByteArray DemoHolterRecording::make(const DemoRandom& random, const QDateTime& start, int durationSeconds,
                                     int userIndex)
{
    DemoRandom planRandom = random.fork(0);
    const std::vector<MinutePlan> plan = planDay(planRandom, start, durationSeconds);
    const int wholeMinutes = durationSeconds / 60;
    // Whole groups of 4 samples; the last group may run a few samples past the end.
    const std::size_t sampleCount = (static_cast<std::size_t>(durationSeconds) * kSampleRate + 3) / 4 * 4;
    const double end = static_cast<double>(sampleCount) / kSampleRate;

    SyntheticEcg ecg(random.fork(1));
    for (std::size_t k = 0; k < plan.size(); ++k)
        ecg.addBeats(std::min(end, 60.0 * static_cast<double>(k + 1)), plan[k].rhythm);

    // Measure every whole minute on the beats.
    std::vector<MinuteTally> tally(static_cast<std::size_t>(wholeMinutes));
    const auto& beats = ecg.beats();
    auto analysed = [&](double time) {
        const int minute = static_cast<int>(time / 60.0);
        return minute < wholeMinutes && !plan[minute].rhythm.leadOff;
    };
    double previousRegular = -1.0;
    for (std::size_t i = 0; i < beats.size(); ++i) {
        const int minute = static_cast<int>(beats[i].time / 60.0);
        if (minute >= wholeMinutes)
            break;
        MinuteTally& t = tally[minute];
        ++t.beats;
        if (beats[i].kind == SyntheticEcg::BeatKind::Premature)
            ++t.premature;
        // A beat during a detached electrode left no trace: no interval starts there.
        if (i == 0 || ecg.isLeadOff(beats[i - 1].time))
            continue;
        const double rr = beats[i].time - beats[i - 1].time;
        t.rrSum += rr;
        ++t.intervals;
        t.pause = t.pause || rr > kPauseSeconds;
        const bool regular = beats[i].kind != SyntheticEcg::BeatKind::Premature &&
            beats[i - 1].kind != SyntheticEcg::BeatKind::Premature && rr <= kPauseSeconds;
        if (regular) {
            t.sinusRrSum += rr;
            ++t.sinusIntervals;
            if (previousRegular > 0.0) {
                t.successiveSum += std::fabs(rr - previousRegular);
                ++t.successive;
            }
        }
        previousRegular = regular ? rr : -1.0;
    }

    DemoRecord minutes;
    int maxRate = -1, minRate = 100000;
    double totalRr = 0.0;
    int totalIntervals = 0, totalBeats = 0, totalPremature = 0;
    for (int k = 0; k < wholeMinutes; ++k) {
        const MinuteTally& t = tally[k];
        const SyntheticEcg::Rhythm& rhythm = plan[k].rhythm;
        if (rhythm.leadOff || t.intervals == 0) {
            minutes.u32(-1).u16(kAbsent16).u16(0).u16(kAbsent16).u16(kAbsent16).u16(kAbsent16).u16(kAbsent16).u32(0);
            continue;
        }
        const double meanRr = t.rrSum / t.intervals;
        const double sinusRr = t.sinusIntervals ? t.sinusRrSum / t.sinusIntervals : meanRr;
        const bool irregular = t.successive > 0 && t.successiveSum / t.successive > 0.1 * sinusRr;
        const int rate = static_cast<int>(std::lround(60.0 / meanRr));
        int flags = 0;
        if (irregular)
            flags |= kIrregularFlag;
        if (t.pause)
            flags |= kPauseFlag;
        // Without a regular rhythm the QT cannot be measured.
        const int qt = irregular ? kNotMeasured : ecg.qtMilliseconds(sinusRr, rhythm.qrsWidening, rhythm.qtLengthening);
        const int qtc = irregular ? kNotMeasured : SyntheticEcg::qtcMilliseconds(qt, sinusRr);
        minutes.u32(flags)
            .u16(rate)
            .u16(0)
            .u16(ecg.qrsMilliseconds(rhythm.qrsWidening))
            .u16(t.premature)
            .u16(qt)
            .u16(qtc)
            .u32(0);
        maxRate = std::max(maxRate, rate);
        minRate = std::min(minRate, rate);
        totalRr += t.rrSum;
        totalIntervals += t.intervals;
        totalBeats += t.beats;
        totalPremature += t.premature;
    }

    // Heart-rate variability over normal-to-normal intervals of analysed minutes.
    std::vector<double> nn;
    double sumSquares = 0.0;
    int pairs = 0, over50 = 0;
    double previousNn = -1.0;
    for (std::size_t i = 1; i < beats.size(); ++i) {
        const bool normal = beats[i].kind == SyntheticEcg::BeatKind::Sinus &&
            beats[i - 1].kind == SyntheticEcg::BeatKind::Sinus && analysed(beats[i].time) &&
            analysed(beats[i - 1].time);
        if (!normal) {
            previousNn = -1.0;
            continue;
        }
        const double rr = beats[i].time - beats[i - 1].time;
        nn.push_back(rr);
        if (previousNn > 0.0) {
            const double d = rr - previousNn;
            sumSquares += d * d;
            ++pairs;
            over50 += std::fabs(d) > 0.05 ? 1 : 0;
        }
        previousNn = rr;
    }
    qint64 sdnn = kAbsent32, rmssd = kAbsent32, mean = kAbsent32, pnn50 = kAbsent32;
    if (nn.size() > 1) {
        double sum = 0.0;
        for (double v : nn)
            sum += v;
        const double average = sum / nn.size();
        double variance = 0.0;
        for (double v : nn)
            variance += (v - average) * (v - average);
        variance /= static_cast<double>(nn.size() - 1);
        mean = std::llround(1000.0 * average);
        sdnn = std::llround(1000.0 * std::sqrt(variance));
    }
    if (pairs > 0) {
        rmssd = std::llround(1000.0 * std::sqrt(sumSquares / pairs));
        pnn50 = std::llround(100.0 * over50 / pairs);
    }
    const bool anyMinute = maxRate >= 0;
    DemoRandom leadRandom = random.fork(2);
    const int lead = leadRandom.chance(0.7) ? 0 : leadRandom.integer(1, 2);

    std::vector<int> steps;
    steps.reserve(sampleCount);
    const std::size_t chunk = 60 * kSampleRate;
    for (std::size_t first = 0; first < sampleCount; first += chunk) {
        const std::vector<double> signal = ecg.render(kSampleRate, first, std::min(chunk, sampleCount - first));
        for (double mv : signal) {
            const double step = std::round(mv * DemoEcgStrip::kCountsPerMillivolt / kCountsPerStep);
            steps.push_back(static_cast<int>(std::min(511.0, std::max(-512.0, step))));
        }
    }
    QByteArray packed;
    packed.reserve(static_cast<int>(sampleCount / 4 * 5));
    for (std::size_t i = 0; i < sampleCount; i += 4)
        appendPacked(packed, &steps[i]);

    DemoRecord header;
    header.u32(packed.size()).u32(kHeaderSize + kMinuteRecordSize * wholeMinutes);
    header.stamp(start).u32(durationSeconds).u8(userIndex).u8(lead).u16(kPackedFormat).u8(0);
    header.u16(anyMinute ? maxRate : kAbsent16).u16(anyMinute ? minRate : kAbsent16).u32(0).u32(0);
    header.u16(anyMinute ? static_cast<int>(std::lround(60.0 * totalIntervals / totalRr)) : kAbsent16).u16(0);
    header.u32(sdnn).u32(rmssd).u32(mean).u32(pnn50);
    // A day holds more beats than the 16-bit count can; absent then rather than wrapped.
    header.u16(anyMinute && totalBeats < kAbsent16 ? totalBeats : kAbsent16).u16(0);
    header.u16(anyMinute ? totalPremature : kAbsent16);
    return header.bytes() + minutes.bytes() + packed;
}
