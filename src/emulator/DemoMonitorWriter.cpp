#include "emulator/DemoMonitorWriter.h"

#include "app/Constants.h"
#include "emulator/DemoEcgStrip.h"
#include "emulator/DemoHolterRecording.h"
#include "emulator/DemoRandom.h"
#include "emulator/DemoRecord.h"
#include "emulator/DemoSleepNight.h"
#include "emulator/DemoVoiceNote.h"
#include "emulator/EmulatedMonitor.h"
#include "files/DeviceModel.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The check-type bits as the monitor writes them, kept apart from the readers' own table so the demo checks them.
enum CheckType : quint32 {
    Ecg = 1,
    Oximeter = 2,
    Thermometer = 4,
    Pedometer = 8,
    DailyCheck = 16,
    SpotCheck = 32,
    SleepMonitor = 64,
    UserBloodPressure = 128,
    BloodPressure = 256,
    Corviset = 512,
    Holter = 1024,
    OximeterWithTemperature = 2048,
    UserGlucose = 4096,
    Glucose = 8192,
    MultiTest = 16384
};

struct User
{
    int index;
    QByteArray name;
    QByteArray medicalId;
    bool female;
    QDate birth;
    int weight; // tenths of kg
    int height; // cm
};

struct Oximetry
{
    int spo2;
    int pulse;
    int perfusion; // tenths of %
    int face;
};

QString checkName(const QDateTime& time)
{
    return time.toString("yyyyMMddHHmmss");
}

// Builds the files of one monitor. Each part draws from a generator of its own,
// so the bytes of one part do not depend on the size of another.
class MonitorBuilder
{
public:
    MonitorBuilder(const DeviceModel& model, const DemoRandom& random, const QString& serial, int holterSeconds)
        : m_model(model)
        , m_random(random)
        , m_serial(serial)
        , m_holterSeconds(holterSeconds)
    {}

    QMap<QString, QByteArray> build()
    {
        identity();
        if (m_model.modelType() == DeviceModel::kCorvisetType) {
            corviset();
            return m_files;
        }
        users();
        if (offers(Ecg))
            ecgRecorder();
        if (offers(SleepMonitor))
            sleep();
        if (offers(Oximeter))
            oximeter();
        if (offers(Thermometer))
            thermometer();
        if (offers(OximeterWithTemperature))
            oximeterWithTemperature();
        if (offers(DailyCheck))
            daily();
        if (offers(BloodPressure))
            m_files.insert("nibp.dat", bloodPressure(m_random.fork(BloodPressure), 8, 15));
        if (offers(UserBloodPressure))
            perUser(m_users, UserBloodPressure, "nibp.dat", [this](DemoRandom r) { return bloodPressure(r, 4, 10); });
        if (offers(Pedometer))
            perUser(m_users, Pedometer, "ped.dat", [this](DemoRandom r) { return pedometer(r); });
        if (offers(SpotCheck))
            perUser(m_xusers, SpotCheck, "spc.dat", [this](DemoRandom r) { return spotChecks(r); });
        if (offers(Glucose))
            m_files.insert("glu.dat", glucose(m_random.fork(Glucose), 8, 15));
        if (offers(UserGlucose))
            perUser(m_users, UserGlucose, "glu.dat", [this](DemoRandom r) { return glucose(r, 4, 10); });
        if (offers(Holter))
            holter();
        if (offers(MultiTest))
            perUser(m_xusers, MultiTest, "rec.dat", [this](DemoRandom r) { return multiTests(r); });
        return m_files;
    }

private:
    bool offers(quint32 checkType) const { return (m_model.checkTypes() & checkType) != 0; }

    // Distinct check times between 2 January and 29 March 2024, in order: detail
    // files are named by them, so no two checks of a monitor share a second.
    std::vector<QDateTime> times(DemoRandom& random, int count, int fromHour, int toHour)
    {
        const QDate first(2024, 1, 2);
        std::vector<QDateTime> result;
        while (static_cast<int>(result.size()) < count) {
            const QDate day = first.addDays(random.integer(0, 86));
            const int hour = random.integer(fromHour, toHour) % 24;
            const QDateTime time(hour < fromHour ? day.addDays(1) : day,
                                 QTime(hour, random.integer(0, 59), random.integer(0, 59)), Qt::UTC);
            if (!m_usedNames.contains(checkName(time))) {
                m_usedNames.insert(checkName(time));
                result.push_back(time);
            }
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    void identity()
    {
        DemoRandom random = m_random.fork(0);
        DemoRecord info;
        const int major = random.integer(1, 4);
        const int minor = random.integer(0, 30);
        info.u8(m_model.modelType()).u8(random.integer(0, 3)).u16(0x0100 + random.integer(0, 9)).u8(0);
        info.text(m_serial.toLatin1(), 13).u16(0x0200 + random.integer(0, 5));
        info.u8(random.integer(0, 99)).u8(minor).u8(major).u8(0);
        info.u32(20240000 + random.integer(101, 1231)).u16(2);
        QByteArray branch = Vitacor::kCode13050001.latin1();
        if (m_model.modelType() == 54)
            branch = Vitacor::kCode13070001.latin1();
        else if (m_model.modelType() == 49)
            branch.clear();
        m_files.insert(EmulatedMonitor::kIdentityFileName, info.bytes() + branch + QByteArray(1, '\0'));
    }

    User makeUser(DemoRandom& random, int index)
    {
        static const std::vector<QByteArray> women{"Anna",   "Maria",  "Elena", "Sofia", "Julia", "Clara",
                                                   "Ingrid", "Louise", "Marta", "Nadia", "Rosa",  "Helen"};
        static const std::vector<QByteArray> men{"Peter", "Jonas",  "Luca",  "Marco", "David", "Henrik",
                                                 "Tomas", "Adrian", "Felix", "Oscar", "Paul",  "Victor"};
        static const std::vector<QByteArray> surnames{"Berger", "Lindqvist", "Moreau", "Rossi",  "Novak",
                                                      "Keller", "Duarte",    "Jensen", "Walker", "Costa"};
        User user;
        user.index = index;
        user.female = random.chance(0.5);
        user.name = random.pick(user.female ? women : men);
        user.birth = QDate(random.integer(1938, 2004), random.integer(1, 12), random.integer(1, 28));
        user.height = user.female ? random.integer(152, 180) : random.integer(163, 195);
        const double bmi = random.uniform(19.0, 31.0);
        user.weight = static_cast<int>(std::lround(bmi * user.height * user.height / 1000.0));
        user.medicalId = QByteArray("MRN-") + QByteArray::number(random.integer(100000, 999999));
        user.name += QByteArray(" ") + random.pick(surnames);
        return user;
    }

    std::vector<User> makeUsers(DemoRandom& random, int count)
    {
        std::vector<User> list;
        int index = 1;
        for (int i = 0; i < count; ++i) {
            list.push_back(makeUser(random, index));
            // A deleted user leaves a gap in the indexes.
            index += random.chance(0.25) ? random.integer(2, 6) : 1;
        }
        return list;
    }

    void users()
    {
        DemoRandom random = m_random.fork(1);
        if (m_model.checkTypes() & (Pedometer | DailyCheck | UserBloodPressure | Holter | UserGlucose)) {
            m_users = makeUsers(random, m_model.modelType() == DeviceModel::kQmr4Type ? 2 : random.integer(2, 4));
            if (m_model.modelType() == DeviceModel::kQmr4Type) {
                // Users A and B of the two-user monitor.
                m_users[0].index = 1;
                m_users[1].index = 2;
            }
            DemoRecord file;
            for (const User& user : m_users) {
                file.u8(user.index).text(user.name.left(16), 17).u8(user.female ? 1 : 0);
                file.u16(user.birth.year())
                    .u8(user.birth.month())
                    .u8(user.birth.day())
                    .u16(user.weight)
                    .u16(user.height);
            }
            m_files.insert(Vitacor::kUserFileName, file.bytes());
        }
        if (m_model.checkTypes() & (SpotCheck | MultiTest)) {
            m_xusers = makeUsers(random, random.integer(2, 3));
            DemoRecord file;
            for (const User& user : m_xusers) {
                file.u8(user.index).text(user.medicalId, 32).text(user.name, 32).u8(user.female ? 2 : 1).u8(0);
                file.u16(user.height)
                    .u16(user.weight)
                    .u16(user.birth.year())
                    .u8(user.birth.month())
                    .u8(user.birth.day());
            }
            m_files.insert(Vitacor::kXUserFileName, file.bytes());
        }
    }

    // Per-user index files; the last user sometimes has none, as after a fresh start.
    template <typename Make>
    void perUser(const std::vector<User>& list, quint32 checkType, const char* fileName, Make make)
    {
        DemoRandom random = m_random.fork(checkType);
        for (std::size_t i = 0; i < list.size(); ++i) {
            DemoRandom userRandom = random.fork(static_cast<std::uint64_t>(list[i].index));
            if (i + 1 == list.size() && list.size() > 1 && userRandom.chance(0.4))
                continue;
            m_currentUser = &list[i];
            m_files.insert(QString::number(list[i].index) + QLatin1String(fileName), make(userRandom));
        }
        m_currentUser = nullptr;
    }

    void addVoiceNote(DemoRandom& random, const QString& name)
    {
        m_files.insert(name + ".wav", DemoVoiceNote::make(random.fork(7)));
    }

    Oximetry oximetry(DemoRandom& random)
    {
        if (random.chance(0.1)) // finger out of the probe
            return {127, 255, 0, 2};
        Oximetry value;
        value.spo2 = random.chance(0.15) ? random.integer(86, 93) : random.integer(95, 100);
        value.pulse = random.integer(54, 104);
        value.perfusion = random.integer(4, 120);
        value.face = value.spo2 < 94 ? 1 : 0;
        return value;
    }

    int bodyTemperature(DemoRandom& random)
    {
        return random.chance(0.15) ? random.integer(378, 396) : random.integer(359, 372);
    }

    void ecgRecorder()
    {
        DemoRandom random = m_random.fork(Ecg);
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(8, 16), 7, 22)) {
            DemoRandom r = random.fork(static_cast<std::uint64_t>(time.toSecsSinceEpoch()));
            const int roll = r.integer(0, 9);
            const int seconds = roll < 7 ? 30 : (roll < 9 ? 60 : 90);
            const DemoEcgStrip strip = DemoEcgStrip::make(r.fork(1), seconds);
            const int lead = r.integer(1, 5);
            const bool voice = r.chance(0.3);
            m_files.insert(checkName(time), strip.detailFile(false, strip.result(), lead, r.integer(0, 1), 0));
            if (voice)
                addVoiceNote(r, checkName(time));
            index.stamp(time).u8(lead).u8(strip.face()).u8(voice ? 1 : 0);
        }
        m_files.insert("ecg.dat", index.bytes());
    }

    void sleep()
    {
        DemoRandom random = m_random.fork(SleepMonitor);
        const double dipsPerHour = random.uniform(1.0, 25.0);
        const std::vector<QDateTime> nights = times(random, random.integer(3, 6), 21, 24);
        DemoRecord index;
        for (std::size_t i = 0; i < nights.size(); ++i) {
            DemoRandom r = random.fork(i + 1);
            // One night the probe never made contact and the monitor stopped after a few minutes.
            const bool probeOff = i == 1;
            const int minutes = probeOff ? r.integer(4, 8) : r.integer(300, 560);
            const DemoSleepNight night = DemoSleepNight::make(r, minutes, dipsPerHour, probeOff);
            m_files.insert(checkName(nights[i]), night.trend());
            index.stamp(nights[i]).u32(night.totalSeconds()).u16(night.lowOxygenSeconds()).u16(night.lowOxygenCount());
            index.u8(night.lowest()).u8(night.average()).u8(night.result());
        }
        m_files.insert("slm.dat", index.bytes());
    }

    void oximeter()
    {
        DemoRandom random = m_random.fork(Oximeter);
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(8, 20), 6, 23)) {
            const Oximetry value = oximetry(random);
            index.stamp(time)
                .u8(random.integer(0, 1))
                .u8(value.spo2)
                .u8(value.pulse)
                .u8(value.perfusion)
                .u8(value.face);
        }
        m_files.insert("oxi.dat", index.bytes());
    }

    void thermometer()
    {
        DemoRandom random = m_random.fork(Thermometer);
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(8, 15), 6, 23)) {
            const bool object = random.chance(0.15);
            int temperature = object ? random.integer(180, 450) : bodyTemperature(random);
            if (random.chance(0.06)) // the reading failed
                temperature = 0;
            const int face = !object && temperature >= 375 ? 1 : 0;
            index.stamp(time).u8(object ? 1 : 0).u16(temperature).u8(face);
        }
        m_files.insert("tmp.dat", index.bytes());
    }

    void oximeterWithTemperature()
    {
        DemoRandom random = m_random.fork(OximeterWithTemperature);
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(10, 20), 6, 23)) {
            const Oximetry value = oximetry(random);
            index.stamp(time).u8(random.integer(0, 1)).u8(value.spo2).u8(value.pulse).u8(value.perfusion);
            index.u16(random.chance(0.06) ? 0 : bodyTemperature(random)).zeros(4);
        }
        m_files.insert("oxi_T.dat", index.bytes());
    }

    void daily()
    {
        const bool twoUserMonitor = m_model.modelType() == DeviceModel::kQmr4Type;
        perUser(m_users, DailyCheck, "dlc.dat", [this, twoUserMonitor](DemoRandom random) {
            DemoRecord index;
            for (const QDateTime& time : times(random, random.integer(5, 12), 6, 21)) {
                DemoRandom r = random.fork(static_cast<std::uint64_t>(time.toSecsSinceEpoch()));
                const DemoEcgStrip strip = DemoEcgStrip::make(r.fork(1), twoUserMonitor ? 30 : 20);
                const bool voice = r.chance(0.25);
                const int lead = r.integer(1, 6);
                // The two-user monitor measures no SpO2 and reports the rhythm by its pulse flag.
                const Oximetry value = twoUserMonitor ? Oximetry{0, 0, 0, 2} : oximetry(r);
                const int result = twoUserMonitor ? strip.pulseFlag() : strip.result();
                m_files.insert(checkName(time), strip.detailFile(twoUserMonitor, result, lead, r.integer(0, 1), 0));
                if (voice)
                    addVoiceNote(r, checkName(time));
                index.stamp(time).u16(strip.heartRate()).u8(strip.face()).u8(value.spo2).u8(value.perfusion);
                // The two-user monitor marks its user (1 or 2) where others keep the blood-pressure flag.
                index.u8(value.face).u8(twoUserMonitor ? m_currentUser->index : 0).u8(0).u8(0).u8(voice ? 1 : 0);
            }
            return index.bytes();
        });
    }

    QByteArray bloodPressure(DemoRandom random, int least, int most)
    {
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(least, most), 6, 22)) {
            int systolic = random.chance(0.2) ? random.integer(140, 172) : random.integer(102, 138);
            int diastolic = static_cast<int>(std::lround(systolic * 0.62 + random.normal(0.0, 5.0)));
            int pulse = random.integer(54, 98);
            if (random.chance(0.08)) // the cuff lost the signal
                systolic = diastolic = pulse = 0;
            index.stamp(time, 2000).u16(systolic).u8(diastolic).u8(pulse);
        }
        return index.bytes();
    }

    QByteArray pedometer(DemoRandom random)
    {
        const User& user = *m_currentUser;
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(7, 20), 21, 23)) {
            const int steps = random.integer(1500, 14000);
            const double strideKm = user.height * 0.415 / 100000.0;
            const double km = steps * strideKm;
            const int seconds = static_cast<int>(std::lround(steps / random.uniform(95.0, 115.0) * 60.0));
            const double kcal = user.weight / 10.0 * km * 0.75;
            index.stamp(time).u32(steps).u32(std::lround(km * 100.0)).u32(std::lround(km / (seconds / 3600.0) * 10.0));
            index.u32(std::lround(kcal * 100.0)).u16(static_cast<int>(std::lround(kcal / 7.7 * 100.0))).u32(seconds);
        }
        return index.bytes();
    }

    QByteArray spotChecks(DemoRandom random)
    {
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(4, 10), 7, 21)) {
            DemoRandom r = random.fork(static_cast<std::uint64_t>(time.toSecsSinceEpoch()));
            int functions = 0;
            while (functions == 0)
                functions = (r.chance(0.7) ? 1 : 0) | (r.chance(0.7) ? 2 : 0) | (r.chance(0.6) ? 4 : 0);
            const bool voice = r.chance(0.25);
            DemoEcgStrip strip;
            if (functions & 1) {
                strip = DemoEcgStrip::make(r.fork(1), 30);
                // This monitor leaves a 16-byte gap between header and samples.
                m_files.insert(checkName(time),
                               strip.detailFile(false, strip.result(), r.integer(1, 5), r.integer(0, 1), 16));
            }
            // This monitor stores the perfusion index in whole percent.
            const Oximetry value = (functions & 2) ? oximetry(r) : Oximetry{0, 0, 0, 2};
            const int perfusion = (value.perfusion + 5) / 10;
            const int temperature = (functions & 4) ? bodyTemperature(r) : 0;
            if (voice)
                addVoiceNote(r, checkName(time));
            index.stamp(time).u16(functions).u16(strip.heartRate()).u16(strip.qrs()).u16(strip.st());
            index.u8((functions & 1) ? strip.result() : 0).u8((functions & 1) ? strip.face() : 2);
            index.u8(value.spo2).u8(perfusion).u8(value.face).u16(temperature).u8(temperature >= 375 ? 1 : 0);
            index.u8(voice ? 1 : 0).u16(strip.qt()).u16(strip.qtc());
        }
        return index.bytes();
    }

    QByteArray glucose(DemoRandom random, int least, int most)
    {
        static const std::vector<QByteArray> notes{
            "Fasting",       "Before breakfast", "After breakfast", "Before lunch",   "After lunch",
            "Before dinner", "After dinner",     "Bedtime",         "After exercise", ""};
        const int unit = random.chance(0.7) ? 0 : 1;
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(least, most), 6, 22)) {
            const int roll = random.integer(0, 99);
            int tenths =
                roll < 10 ? random.integer(28, 38) : (roll < 75 ? random.integer(42, 72) : random.integer(75, 160));
            int value = unit == 0 ? tenths : static_cast<int>(std::lround(tenths * 1.8));
            if (random.chance(0.06)) // a strip error reads far out of range
                value = unit == 0 ? 600 : 0;
            index.stamp(time).u16(value).u8(unit).zeros(2).text(random.pick(notes), 20);
        }
        return index.bytes();
    }

    void holter()
    {
        DemoRandom random = m_random.fork(Holter);
        const QDateTime start = times(random, 1, 7, 9).front();
        const int userIndex = m_users.empty() ? 1 : m_users.front().index;
        m_files.insert("waveFile", DemoHolterRecording::make(random, start, m_holterSeconds, userIndex));
    }

    QByteArray multiTests(DemoRandom random)
    {
        static const std::vector<QByteArray> notes{"Morning", "After walk", "Clinic visit", "Follow-up", "", ""};
        const std::vector<QDateTime> checks = times(random, random.integer(3, 8), 7, 21);
        DemoRecord file;
        file.u16(static_cast<int>(checks.size())).u16(72).u8(m_currentUser->index).zeros(5);
        for (const QDateTime& time : checks) {
            DemoRandom r = random.fork(static_cast<std::uint64_t>(time.toSecsSinceEpoch()));
            int functions = 0;
            while (functions == 0) {
                for (int bit = 0; bit < 5; ++bit)
                    functions |= r.chance(0.65) ? 1 << bit : 0;
            }
            // Now and then every measurement of a run fails and only zeros are stored.
            const bool failed = r.chance(0.08);
            file.stamp(time).u8(r.integer(0, 1)).u16(functions).zeros(2).text(r.pick(notes), 20);
            if ((functions & 1) && !failed) {
                const DemoEcgStrip strip = DemoEcgStrip::make(r.fork(1), 30);
                const int lead = r.integer(1, 6);
                m_files.insert(checkName(time), strip.detailFile(false, strip.result(), lead, r.integer(0, 1), 0));
                file.u8(lead).u16(strip.heartRate()).u16(strip.qrs()).u16(strip.st()).u8(strip.result());
                file.u8(strip.face()).u16(strip.qt()).u16(strip.qtc()).u8(1).zeros(2);
            } else {
                file.zeros(16);
            }
            if ((functions & 2) && !failed) {
                const Oximetry value = oximetry(r);
                file.u8(r.integer(0, 1)).u8(value.spo2).u16(value.pulse).u8(value.perfusion).u8(value.face).zeros(2);
            } else {
                file.zeros(8);
            }
            if ((functions & 4) && !failed) {
                const bool object = r.chance(0.1);
                const int temperature = object ? r.integer(180, 450) : bodyTemperature(r);
                file.u8(object ? 1 : 0).u16(temperature).u8(!object && temperature >= 375 ? 1 : 0);
            } else {
                file.zeros(4);
            }
            if ((functions & 8) && !failed) {
                const int systolic = r.integer(100, 168);
                const int diastolic = static_cast<int>(std::lround(systolic * 0.62 + r.normal(0.0, 5.0)));
                file.u8(1).u16(systolic).u8(diastolic + (systolic - diastolic) / 3).u8(diastolic);
                file.u8(r.chance(0.05) ? 1 : 0).u16(r.integer(54, 98));
            } else {
                file.zeros(8);
            }
            if ((functions & 16) && !failed) {
                const int unit = r.chance(0.7) ? 0 : 1;
                const int tenths = r.integer(40, 110);
                file.u8(unit).u16(unit == 0 ? tenths : static_cast<int>(std::lround(tenths * 1.8)));
            } else {
                file.zeros(3);
            }
            file.zeros(1);
        }
        return file.bytes();
    }

    void corviset()
    {
        DemoRandom random = m_random.fork(Corviset);
        DemoRecord index;
        for (const QDateTime& time : times(random, random.integer(10, 20), 7, 21)) {
            DemoRandom r = random.fork(static_cast<std::uint64_t>(time.toSecsSinceEpoch()));
            const DemoEcgStrip strip = DemoEcgStrip::make(r.fork(1), 30);
            const Oximetry value = oximetry(r);
            // Premature beats may not reach the finger: the pulse rate then lags the heart rate.
            const bool deficit = strip.analysable() && (strip.result() & DemoEcgStrip::Premature);
            const int pulse = strip.analysable() ? strip.heartRate() - (deficit ? r.integer(3, 8) : 0) : value.pulse;
            m_files.insert(checkName(time),
                           strip.detailFile(true, strip.result(), r.integer(1, 4), r.integer(0, 1), 0));
            index.stamp(time).u16(strip.heartRate()).u8(strip.face()).u8(value.spo2).u8(value.perfusion);
            index.u8(value.face).u8(pulse).u8(0).u8(strip.result() != 0 ? 1 : 0).u8(0);
        }
        m_files.insert("1dlc.dat", index.bytes());
    }

    const DeviceModel m_model;
    DemoRandom m_random;
    QString m_serial;
    int m_holterSeconds;
    QMap<QString, QByteArray> m_files;
    QSet<QString> m_usedNames;
    std::vector<User> m_users;
    std::vector<User> m_xusers;
    const User* m_currentUser = nullptr;
};

} // namespace

DemoMonitorWriter::DemoMonitorWriter(int modelType, std::uint64_t seed, int holterSeconds)
    : m_modelType(modelType)
    , m_seed(seed)
    , m_holterSeconds(holterSeconds)
{
    DemoRandom random = DemoRandom(seed).fork(static_cast<std::uint64_t>(modelType)).fork(0);
    // The type code leads the serial number, so monitors of different models never share one.
    m_serial = QString("%1").arg(modelType, 2, 10, QLatin1Char('0'));
    const int length = DeviceModel::of(modelType).defaultSerial().size();
    while (m_serial.size() < length)
        m_serial += QChar('0' + random.integer(0, 9));
}

QString DemoMonitorWriter::folderName() const
{
    return QString("%1-%2").arg(m_modelType, 2, 10, QLatin1Char('0')).arg(m_serial);
}

QMap<QString, QByteArray> DemoMonitorWriter::files() const
{
    const DemoRandom random = DemoRandom(m_seed).fork(static_cast<std::uint64_t>(m_modelType)).fork(1);
    return MonitorBuilder(DeviceModel::of(m_modelType), random, m_serial, m_holterSeconds).build();
}

bool DemoMonitorWriter::write(const QString& dir, QString* error) const
{
    const QMap<QString, QByteArray> all = files();
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        QFile file(QDir(dir).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(it.value()) != it.value().size()) {
            *error = QString("cannot write %1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
    }
    return true;
}
