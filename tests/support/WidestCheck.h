#pragma once

#include "app/Constants.h"
#include "files/CheckRecord.h"
#include "files/CheckType.h"
#include "files/CheckUser.h"
#include "files/EcgDetail.h"
#include "files/RecordCodec.h"
#include "files/RecordTypes.h"

#include <QDate>

// A check of each type with every value present and as wide as it gets, so
// that rows and report pages show their longest texts.
namespace WidestCheck {

template <class R>
CheckRecord stored(int checkType, R typed, const CheckTime& time)
{
    typed.checkTime = time;
    CheckRecord record;
    record.checkType = checkType;
    record.userid = Vitacor::kNoUserId;
    record.bytes = RecordCodec::encode(typed, RecordCodec::Layout::Stored);
    return record;
}

inline CheckRecord record(int checkType, const CheckTime& time)
{
    switch (checkType) {
    case CheckType::Ecg: {
        EcgRecord r;
        r.way = 3;
        r.face = 1;
        return stored(checkType, r, time);
    }
    case CheckType::Oxi: {
        OxiRecord r;
        r.spo2 = 100;
        r.PR = 250;
        r.PI = 200;
        r.face = 1;
        return stored(checkType, r, time);
    }
    case CheckType::Temperature: {
        TempRecord r;
        r.temp = 398;
        r.tempFace = 1;
        return stored(checkType, r, time);
    }
    case CheckType::Pedometer: {
        PedoRecord r;
        r.Steps = 99999;
        r.Distance = 99999;
        r.AvgSpeed = 999;
        r.TotalCal = 999999;
        r.Fat = 32000;
        r.time = 99 * 3600;
        return stored(checkType, r, time);
    }
    case CheckType::DailyCheck: {
        DailyRecord r;
        r.SpO2 = 100;
        r.PI = 200;
        r.SpO2Face = 1;
        r.ECGFace = 1;
        r.BPFlag = 2;
        return stored(checkType, r, time);
    }
    case CheckType::SpotCheck: {
        SpotRecord r;
        r.checkFunc = 7;
        r.HR = 255;
        r.QRS = 205;
        r.QT = 900;
        r.QTc = 600;
        r.ECGResult = 0x40;
        r.Oxi = 100;
        r.PI = 20;
        r.OxiFace = 2;
        r.temp = 398;
        return stored(checkType, r, time);
    }
    case CheckType::Sleep: {
        SlmRecord r;
        r.totalTime = 35999;
        r.lowOxiTime = 35999;
        r.lowOxiCount = 9999;
        r.lowestOxi = 100;
        r.averageOxi = 100;
        r.smile = 1;
        return stored(checkType, r, time);
    }
    case CheckType::UserBloodPressure: {
        NibpRecord r;
        r.sys = 300;
        r.dia = 127;
        r.pr = 127;
        return stored(checkType, r, time);
    }
    case CheckType::CorvisetDailyCheck: {
        CorvisetDailyRecord r;
        r.HR = 254;
        r.PR = 100;
        r.PI = 120;
        return stored(checkType, r, time);
    }
    case CheckType::Spo2Temp: {
        Spo2TempRecord r;
        r.spo2 = 100;
        r.PR = 250;
        r.PI = 200;
        r.temp = 398;
        return stored(checkType, r, time);
    }
    case CheckType::UserGlucose: {
        GlucoseRecord r;
        r.glucose = 333;
        r.type = 0;
        r.note = "After breakfast walk";
        return stored(checkType, r, time);
    }
    default: {
        MultiTestRecord r;
        r.ecg_way = 3;
        r.ecg_hr = 255;
        r.ecg_qrs = 205;
        r.ecg_qt = 900;
        r.ecg_qtc = 600;
        r.ecg_result = 0x60;
        r.oxi_spo2 = 100;
        r.oxi_pr = 250;
        r.oxi_face = 2;
        r.temp_temperature = 398;
        r.temp_face = 1;
        r.bp_sys = 300;
        r.bp_dia = 200;
        r.glucose_glucose = 333;
        return stored(CheckType::MultiTest, r, time);
    }
    }
}

// An ECG detail header with the widest figures; the result byte chooses the verdicts.
inline EcgHeader header(quint32 result)
{
    EcgHeader h;
    h.waveLength = 45000;
    h.heartRate = 255;
    h.qrs = 205;
    h.qt = 900;
    h.qtc = 600;
    h.st = -90;
    h.result = result;
    h.leadMode = 6;
    h.bandwidth = 1;
    return h;
}

inline CheckUser user()
{
    CheckUser user;
    user.userid = "fit";
    user.medicalid = "MRN-12345678901234";
    user.name = "Maximiliane Wolkenstein";
    user.sex = 1;
    user.birthday = QDate(1958, 9, 30);
    user.height = 188;
    user.weight = 1587;
    user.remarks = QString("Felt dizzy after climbing the stairs; took the reading seated. ").repeated(2);
    return user;
}

} // namespace WidestCheck
