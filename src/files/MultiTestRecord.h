#pragma once

#include "files/CheckTime.h"

#include <QByteArray>

// One record of an extended user's "rec.dat" (multi-test), after the file's
// 10-byte header.
struct MultiTestRecord
{
    static constexpr int kSize = 72;
    static constexpr int kNoteWidth = 20;

    CheckTime checkTime;
    quint8 mode = 0;
    quint16 func_selected = 0;
    QByteArray note;
    quint8 ecg_way = 0;
    quint16 ecg_hr = 0;
    quint16 ecg_qrs = 0;
    qint16 ecg_st = 0;
    quint8 ecg_result = 0;
    quint8 ecg_face = 0;
    quint16 ecg_qt = 0;
    quint16 ecg_qtc = 0;
    quint8 ecg_waveVaild = 0;
    quint8 oxi_way = 0;
    quint8 oxi_spo2 = 0;
    quint16 oxi_pr = 0;
    quint8 oxi_pi = 0;
    quint8 oxi_face = 0;
    quint8 temp_way = 0;
    quint16 temp_temperature = 0;
    quint8 temp_face = 0;
    quint8 bp_deviceType = 0;
    quint16 bp_sys = 0;
    quint8 bp_mean = 0;
    quint8 bp_dia = 0;
    quint8 bp_arrhythmia = 0;
    quint16 bp_pr = 0;
    quint8 glucose_deviceType = 0;
    quint16 glucose_glucose = 0;

    template <class V>
    void visit(V& v)
    {
        v.time(checkTime);
        v.field("mode", mode);
        v.field("func_selected", func_selected);
        v.skip(2);
        v.text("note", note, kNoteWidth);
        v.field("ecg_way", ecg_way);
        v.field("ecg_hr", ecg_hr);
        v.field("ecg_qrs", ecg_qrs);
        v.field("ecg_st", ecg_st);
        v.field("ecg_result", ecg_result);
        v.field("ecg_face", ecg_face);
        v.field("ecg_qt", ecg_qt);
        v.field("ecg_qtc", ecg_qtc);
        v.field("ecg_waveVaild", ecg_waveVaild);
        v.skip(2);
        v.field("oxi_way", oxi_way);
        v.field("oxi_spo2", oxi_spo2);
        v.field("oxi_pr", oxi_pr);
        v.field("oxi_pi", oxi_pi);
        v.field("oxi_face", oxi_face);
        v.skip(2);
        v.field("temp_way", temp_way);
        v.field("temp_temperature", temp_temperature);
        v.field("temp_face", temp_face);
        v.field("bp_deviceType", bp_deviceType);
        v.field("bp_sys", bp_sys);
        v.field("bp_mean", bp_mean);
        v.field("bp_dia", bp_dia);
        v.field("bp_arrhythmia", bp_arrhythmia);
        v.field("bp_pr", bp_pr);
        v.field("glucose_deviceType", glucose_deviceType);
        v.field("glucose_glucose", glucose_glucose);
        v.skip(1);
    }
};
