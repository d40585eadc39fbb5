#pragma once

#include "emulator/DemoRandom.h"

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// The 250 Hz ECG of one spot measurement (ECG recorder, daily, spot, multi-test
// and Corviset checks) together with the values the monitor's own analysis
// stores in the header of the detail file. A strip shows one of several
// findings: a regular rhythm, fast or slow rates, premature beats, atrial
// fibrillation, ST changes, a wide QRS, or a signal too poor to analyse.
class DemoEcgStrip
{
public:
    static constexpr int kSampleRate = 250;
    static constexpr double kCountsPerMillivolt = 779.9732209273494;
    static constexpr int kShortHeaderSize = 29;
    static constexpr int kLongHeaderSize = 44;
    // Result bits of the monitor's analysis (an unanalysable strip has 255).
    enum ResultBit {
        HighRate = 0x01,
        LowRate = 0x02,
        WideQrs = 0x04,
        HighSt = 0x08,
        LowSt = 0x10,
        Irregular = 0x20,
        Premature = 0x40
    };

    static DemoEcgStrip make(const DemoRandom& random, int seconds);

    // The detail file: header (29 bytes, or 44 in the long form), `dataOffset`
    // zero bytes, then the samples. `resultByte` fills the result field.
    QByteArray detailFile(bool longForm, int resultByte, int leadCode, int bandwidth, int dataOffset) const;

    bool analysable() const { return m_result != 0xFF; }
    int heartRate() const { return m_heartRate; }
    int qrs() const { return m_qrs; }
    int qt() const { return m_qt; }
    int qtc() const { return m_qtc; }
    int st() const { return m_st; }
    int result() const { return m_result; }
    // The pulse flag of a monitor that reports rhythm by its pulse:
    // 0 regular, 0x01 fast, 0x02 slow, higher bits irregular, 0xFF no signal.
    int pulseFlag() const;
    // 0 happy, 1 sad, 2 nothing to judge.
    int face() const { return m_result == 0 ? 0 : (m_result == 0xFF ? 2 : 1); }
    const std::vector<qint16>& samples() const { return m_samples; }

private:
    std::vector<qint16> m_samples;
    int m_heartRate = 0;
    int m_qrs = 0;
    int m_qt = 0;
    int m_qtc = 0;
    int m_st = 0;
    int m_result = 0;
};
