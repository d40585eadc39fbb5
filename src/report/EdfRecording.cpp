#include "report/EdfRecording.h"

#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/MultiTestRecord.h"
#include "files/ValueRange.h"
#include "holter/HolterReport.h"
#include "holter/HolterScreening.h"
#include "report/ReportData.h"

#include <QMap>

#include <algorithm>

namespace {

constexpr int kCheckSampleRate = 250;

// The lead codes of the ECG recorder and multi-test (1..5) and of the daily
// checks (1..6): 1 and 3 are lead I, 2 and 4 lead II (3 and 4 with the cable).
QString leadLabel(int code, bool daily)
{
    switch (code) {
    case 1:
    case 3: return QStringLiteral("ECG I");
    case 2:
    case 4: return QStringLiteral("ECG II");
    case 5: return daily ? QStringLiteral("ECG II") : QStringLiteral("ECG wrist");
    case 6: return daily ? QStringLiteral("ECG chest") : QStringLiteral("ECG");
    default: return QStringLiteral("ECG");
    }
}

QString checkLabel(const ReportData& data)
{
    switch (data.checkType) {
    case CheckType::Ecg: return leadLabel(data.record.as<EcgRecord>().way, false);
    case CheckType::MultiTest: return leadLabel(data.record.as<MultiTestRecord>().ecg_way, false);
    case CheckType::DailyCheck:
    case CheckType::CorvisetDailyCheck: return leadLabel(data.header.leadMode, true);
    default: return QStringLiteral("ECG");
    }
}

QString holterLabel(int lead)
{
    switch (lead) {
    case 0: return QStringLiteral("ECG II");
    case 1: return QStringLiteral("ECG CC5");
    case 2: return QStringLiteral("ECG CM5");
    default: return QStringLiteral("ECG");
    }
}

void setPatient(EdfRecording* recording, const CheckUser& user)
{
    recording->patientName = user.name;
    recording->patientCode = user.medicalid.isEmpty() ? user.userid : user.medicalid;
    recording->sex = user.sex;
    recording->birthday = user.birthday;
}

// Consecutive minutes with the same event become one event of their length.
void addMinuteEvents(EdfRecording* recording, const QVector<QStringList>& eventsByMinute)
{
    QMap<QString, int> openSince;
    const int minutes = eventsByMinute.size();
    for (int m = 0; m <= minutes; ++m) {
        const QStringList events = m < minutes ? eventsByMinute.at(m) : QStringList();
        for (auto it = openSince.begin(); it != openSince.end();) {
            if (events.contains(it.key())) {
                ++it;
                continue;
            }
            recording->annotations.append({60.0 * it.value(), 60.0 * (m - it.value()), it.key()});
            it = openSince.erase(it);
        }
        for (const QString& event : events) {
            if (!openSince.contains(event))
                openSince.insert(event, m);
        }
    }
    std::sort(recording->annotations.begin(), recording->annotations.end(),
              [](const EdfRecording::Annotation& a, const EdfRecording::Annotation& b) {
                  return a.onsetSeconds < b.onsetSeconds;
              });
}

} // namespace

EdfRecording EdfRecording::fromHolter(HolterReport& report, const CheckUser& user, const HolterScreening& screening)
{
    EdfRecording recording;
    recording.label = holterLabel(report.header().lead);
    recording.sampleRate = HolterReport::kSamplesPerSecond;
    recording.samples = report.samples();
    recording.start = report.startTime();
    recording.equipment = QStringLiteral("Vitacor Holter");
    setPatient(&recording, user);

    HolterScreening flagged = screening;
    flagged.irregular = true;
    flagged.pause = true;
    QVector<QStringList> eventsByMinute;
    eventsByMinute.reserve(report.minuteCount());
    for (const HolterMinute& minute : report.minutes())
        eventsByMinute.append(flagged.eventsOf(minute));
    addMinuteEvents(&recording, eventsByMinute);
    return recording;
}

EdfRecording EdfRecording::fromCheck(const ReportData& data)
{
    EdfRecording recording;
    recording.label = checkLabel(data);
    recording.sampleRate = kCheckSampleRate;
    recording.samples = data.samples;
    recording.start = data.record.checkTime().toDateTime();
    recording.equipment = DeviceModel::of(data.modelType).name();
    if (!data.userHidden)
        setPatient(&recording, data.user);

    const double span = double(data.samples.size()) / kCheckSampleRate;
    const EcgHeader& h = data.header;
    const auto add = [&](bool valid, const QString& text) {
        if (valid)
            recording.annotations.append({0, span, text});
    };
    add(ValueRange::ecgHeartRate().contains(h.heartRate), QString("HR %1/min").arg(h.heartRate));
    add(ValueRange::qrs().contains(h.qrs), QString("QRS %1 ms").arg(h.qrs));
    add(ValueRange::qt().contains(h.qt), QString("QT %1 ms").arg(h.qt));
    add(ValueRange::qtc().contains(h.qtc), QString("QTc %1 ms").arg(h.qtc));
    add(h.st != 0 && ValueRange::st().contains(h.st), QString::asprintf("ST %+.2f mV", h.st / 100.0));
    return recording;
}

bool EdfRecording::hasEcgStrip(int checkType)
{
    return checkType == CheckType::Ecg || checkType == CheckType::DailyCheck || checkType == CheckType::SpotCheck ||
        checkType == CheckType::CorvisetDailyCheck || checkType == CheckType::MultiTest;
}
