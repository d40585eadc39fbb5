#pragma once

#include "emulator/DemoRandom.h"

#include <QByteArray>

// A voice note as the monitor records it: a RIFF/WAVE file, 8 kHz, 16-bit
// mono PCM. The content is a few seconds of speech-like sound from a small
// formant synthesiser: a glottal pulse train with a falling intonation, vowel
// formants, syllable envelopes and short fricative noise between syllables.
class DemoVoiceNote
{
public:
    static constexpr int kSampleRate = 8000;

    static QByteArray make(const DemoRandom& random);
};
