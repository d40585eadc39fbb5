#pragma once

#include "files/CheckRecord.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/DailyRecord.h"
#include "files/EcgRecord.h"
#include "files/GlucoseRecord.h"
#include "files/MultiTestRecord.h"
#include "files/NibpRecord.h"
#include "files/OxiRecord.h"
#include "files/PedoRecord.h"
#include "files/SlmRecord.h"
#include "files/Spo2TempRecord.h"
#include "files/SpotRecord.h"
#include "files/TempRecord.h"

#include <type_traits>

namespace RecordTypes {

// Calls f with a default record of the type that check type stores, e.g.
// dispatch(16, [](auto r) { using R = decltype(r); ... }). False for Holter
// (no index file) and unknown codes, which call nothing.
template <class F>
bool dispatch(int checkType, F&& f)
{
    switch (checkType) {
    case CheckType::Ecg: f(EcgRecord()); return true;
    case CheckType::Oxi: f(OxiRecord()); return true;
    case CheckType::Temperature: f(TempRecord()); return true;
    case CheckType::Pedometer: f(PedoRecord()); return true;
    case CheckType::DailyCheck: f(DailyRecord()); return true;
    case CheckType::SpotCheck: f(SpotRecord()); return true;
    case CheckType::Sleep: f(SlmRecord()); return true;
    case CheckType::UserBloodPressure:
    case CheckType::BloodPressure: f(NibpRecord()); return true;
    case CheckType::CorvisetDailyCheck: f(CorvisetDailyRecord()); return true;
    case CheckType::Spo2Temp: f(Spo2TempRecord()); return true;
    case CheckType::UserGlucose:
    case CheckType::Glucose: f(GlucoseRecord()); return true;
    case CheckType::MultiTest: f(MultiTestRecord()); return true;
    default: return false;
    }
}

// Whether a record type has the voice byte that marks a check with a voice note.
template <class R, class = void>
struct HasVoiceByte : std::false_type
{
};
template <class R>
struct HasVoiceByte<R, std::void_t<decltype(R::voice)>> : std::true_type
{
};

// Whether the stored check says a voice note was recorded with it.
inline bool hasVoiceNote(const CheckRecord& record)
{
    bool voice = false;
    dispatch(record.checkType, [&](auto typed) {
        using R = decltype(typed);
        if constexpr (HasVoiceByte<R>::value)
            voice = record.as<R>().voice != 0;
    });
    return voice;
}

} // namespace RecordTypes
