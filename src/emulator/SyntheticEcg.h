#pragma once

#include "emulator/DemoRandom.h"

#include <cstddef>
#include <vector>

// A synthetic single-lead ECG after the dynamical model of McSharry et al.
// (ECGSYN, 2003): each beat is a sum of Gaussian waves P, Q, R, S and T, the
// form ECGSYN's z-equation takes along its limit cycle. The wave positions
// follow the beat's R-R interval (QT after Bazett), the R-R intervals carry the
// model's low- and high-frequency heart-rate variability, and the rhythm of a
// stretch can add premature ventricular beats, atrial fibrillation, a sinus
// pause, QRS widening, QT prolongation or a detached electrode.
// Times are seconds from the start of the recording, amplitudes millivolts.
class SyntheticEcg
{
public:
    enum class BeatKind { Sinus, Premature, Fibrillation };

    struct Beat
    {
        double time;
        BeatKind kind;
        double qrsWidening;
        double qtLengthening;
    };

    struct Rhythm
    {
        double heartRate = 70.0;
        double prematureChance = 0.0; // per beat
        bool fibrillation = false;
        double pauseSeconds = 0.0; // a sinus arrest of this length in the middle of the stretch
        double qrsWidening = 1.0; // factor on the QRS duration
        double qtLengthening = 0.0; // seconds added to the QT interval
        bool leadOff = false; // the electrode is off: no signal
        double noise = 0.006; // white noise, mV
    };

    explicit SyntheticEcg(const DemoRandom& random);

    // Adds the beats of the stretch from the end of the previous one up to `until`.
    void addBeats(double until, const Rhythm& rhythm);
    const std::vector<Beat>& beats() const { return m_beats; }
    bool isLeadOff(double time) const;

    // The signal sampled at `sampleRate` from sample `first` on; successive calls
    // must ask for successive ranges, as the noise goes on from call to call.
    std::vector<double> render(double sampleRate, std::size_t first, std::size_t count);

    // What the monitor's analysis reports for this heart.
    int qrsMilliseconds(double widening) const;
    int qtMilliseconds(double rr, double widening, double lengthening) const;
    static int qtcMilliseconds(int qt, double rr);
    int stHundredths() const;
    void setStLevel(double millivolts) { m_st = millivolts; }

private:
    struct Wave
    {
        double centre;
        double width;
        double amplitude;
    };
    struct Span
    {
        double from;
        double to;
        double noise;
        bool fibrillation;
        bool leadOff;
    };

    double variability(double time) const;
    double nextInterval(const Rhythm& rhythm);
    std::vector<Wave> waves(const Beat& beat, double rr) const;
    const Span* spanAt(double time) const;

    DemoRandom m_random;
    DemoRandom m_noiseRandom;
    std::vector<Beat> m_beats;
    std::vector<Span> m_spans;
    double m_end = 0.0;
    double m_lastBeat = 0.0;
    double m_pendingSinus = -1.0;
    bool m_started = false;
    // Morphology of this heart.
    double m_p, m_q, m_r, m_s, m_t, m_st = 0.0;
    double m_qrsWidth;
    double m_tOffset;
    // Heart-rate variability: sinusoids of the LF and HF bands with random phases.
    std::vector<double> m_hrvFrequency, m_hrvAmplitude, m_hrvPhase;
    double m_breathFrequency, m_breathAmplitude, m_breathPhase;
    double m_fibPhase1, m_fibPhase2;
};
