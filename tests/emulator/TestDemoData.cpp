#include "emulator/DemoBusWriter.h"
#include "emulator/DemoHolterRecording.h"
#include "emulator/DemoMonitorWriter.h"
#include "emulator/DemoRandom.h"
#include "files/DeviceModel.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

// The demo bus is checked with decoding written here from the file layouts,
// independent of the generator's code.
namespace {

int u8(const QByteArray& b, int at)
{
    return static_cast<quint8>(b[at]);
}
int s8(const QByteArray& b, int at)
{
    return static_cast<qint8>(b[at]);
}
int u16(const QByteArray& b, int at)
{
    return u8(b, at) | (u8(b, at + 1) << 8);
}
int s16(const QByteArray& b, int at)
{
    return static_cast<qint16>(u16(b, at));
}
qint64 u32(const QByteArray& b, int at)
{
    return static_cast<qint64>(static_cast<quint32>(u16(b, at)) | (static_cast<quint32>(u16(b, at + 2)) << 16));
}
QByteArray cText(const QByteArray& b, int at, int width)
{
    const QByteArray field = b.mid(at, width);
    const int end = field.indexOf('\0');
    return end < 0 ? field : field.left(end);
}

QString stampName(const QByteArray& record, int yearBase = 0)
{
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", u16(record, 0) + yearBase, u8(record, 2), u8(record, 3),
                             u8(record, 4), u8(record, 5), u8(record, 6));
}

bool validStamp(const QByteArray& record, int yearBase = 0)
{
    const QDate date(u16(record, 0) + yearBase, u8(record, 2), u8(record, 3));
    return date.isValid() && date.year() == 2024 && QTime(u8(record, 4), u8(record, 5), u8(record, 6)).isValid();
}

QList<QByteArray> records(const QByteArray& file, int size, int headerSize = 0)
{
    QList<QByteArray> list;
    for (int at = headerSize; at + size <= file.size(); at += size)
        list.append(file.mid(at, size));
    return list;
}

// Model masks of the check types each model offers.
quint32 maskOf(int modelType)
{
    static const QMap<int, quint32> masks{{0, 0x14DF}, {1, 0x13},  {2, 0x7F},  {5, 0x200}, {6, 0x13},
                                          {7, 0x7F},   {8, 0x3F},  {9, 0x7F},  {18, 0x7F}, {19, 0x6107},
                                          {49, 0x1},   {53, 0x10}, {54, 0x800}};
    return masks.value(modelType, 0xFFFFFFFF);
}

QMap<QString, QByteArray> readTree(const QString& dir)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        tree.insert(QDir(dir).relativeFilePath(path), file.readAll());
    }
    return tree;
}

// R peaks: the QRS is found by its steep slopes (far steeper than P or T
// waves), the peak is the highest point near the slope; complexes are at least
// 200 ms apart.
std::vector<double> rPeaks(const std::vector<int>& x, double rate)
{
    const int n = static_cast<int>(x.size());
    std::vector<int> slope(x.size(), 0);
    for (int i = 1; i + 1 < n; ++i)
        slope[i] = std::abs(x[i + 1] - x[i - 1]);
    std::vector<int> sorted(slope);
    std::sort(sorted.begin(), sorted.end());
    const double threshold = 0.4 * sorted[sorted.size() * 998 / 1000];
    std::vector<double> peaks;
    const int refractory = static_cast<int>(0.2 * rate);
    for (int i = 0; i < n; ++i) {
        if (slope[i] < threshold || threshold <= 0.0)
            continue;
        const int from = std::max(0, i - static_cast<int>(0.05 * rate));
        const int to = std::min(n, i + static_cast<int>(0.1 * rate));
        const int peak = static_cast<int>(std::max_element(x.begin() + from, x.begin() + to) - x.begin());
        peaks.push_back(peak / rate);
        i = std::max(i, peak) + refractory;
    }
    return peaks;
}

int rateOf(const std::vector<double>& peaks)
{
    return static_cast<int>(std::lround(60.0 * (peaks.size() - 1) / (peaks.back() - peaks.front())));
}

struct Ecg
{
    int headerSize = 0;
    int dataOffset = 0;
    qint64 waveLength = 0;
    int heartRate = 0, st = 0, qrs = 0, qtc = 0, result = 0, lead = 0, qt = 0;
    std::vector<int> samples;
};

Ecg parseEcg(const QByteArray& file, bool longForm)
{
    Ecg ecg;
    ecg.headerSize = longForm ? 44 : 29;
    ecg.dataOffset = u16(file, 0);
    ecg.waveLength = u32(file, 2);
    ecg.heartRate = u16(file, 6);
    ecg.st = s16(file, 8);
    ecg.qrs = u16(file, 10);
    ecg.qtc = u16(file, 14);
    ecg.result = u8(file, 16);
    ecg.lead = u8(file, longForm ? 20 : 17);
    ecg.qt = u16(file, longForm ? 22 : 19);
    for (int at = ecg.headerSize + ecg.dataOffset; at + 1 < file.size(); at += 2)
        ecg.samples.push_back(s16(file, at));
    return ecg;
}

std::vector<int> unpackHolter(const QByteArray& data)
{
    std::vector<int> samples;
    for (int at = 0; at + 5 <= data.size(); at += 5) {
        const int high = u8(data, at + 4);
        for (int k = 0; k < 4; ++k) {
            int v = u8(data, at + k) | (((high >> (2 * k)) & 3) << 8);
            if (v & 0x200)
                v -= 1024;
            samples.push_back(static_cast<int>(v * 8.42));
        }
    }
    return samples;
}

constexpr int kHolterSeconds = 3600;

} // namespace

class TestDemoData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameSeedWritesTheSameBytes();
    void differentSeedWritesOtherBytes();
    void rewritingReplacesAMonitorButNotAForeignFolder();
    void randomDistributionsAreFixed();
    void folderHoldsExactlyWhatADownloadAsksFor_data();
    void folderHoldsExactlyWhatADownloadAsksFor();
    void identityBlock_data();
    void identityBlock();
    void indexFilesAreWholeRecordsWithValidTimes();
    void someValuesAreOutOfRange();
    void ecgDetailFilesMatchTheirHeadersAndIndexes();
    void sleepTrendsAgreeWithTheirSummaries();
    void voiceNotesAreValidWaveFiles();
    void holterHeaderAndMinutesAgreeWithTheWaveform();
    void holterOfADayAndOfUnderAMinute_data();
    void holterOfADayAndOfUnderAMinute();

private:
    QString folderOf(int modelType) const;
    QByteArray file(int modelType, const QString& name) const;
    QList<int> m_codes;
    QTemporaryDir m_dir;
    QString m_bus;
};

void TestDemoData::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_bus = m_dir.filePath("bus");
    m_codes = DeviceModel::modelTypes();
    QCOMPARE(m_codes, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18, 19, 49, 53, 54}));
    const DemoBusWriter bus(m_bus, 7, kHolterSeconds);
    for (int code : m_codes) {
        QString error;
        QVERIFY2(!bus.writeMonitor(code, &error).isEmpty(), qPrintable(error));
    }
    QCOMPARE(QDir(m_bus).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size(), m_codes.size());
}

QString TestDemoData::folderOf(int modelType) const
{
    const QStringList match =
        QDir(m_bus).entryList({QString::asprintf("%02d-*", modelType)}, QDir::Dirs | QDir::NoDotAndDotDot);
    return match.size() == 1 ? m_bus + "/" + match.first() : QString();
}

QByteArray TestDemoData::file(int modelType, const QString& name) const
{
    QFile f(folderOf(modelType) + "/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestDemoData::sameSeedWritesTheSameBytes()
{
    const QString again = m_dir.filePath("again");
    const DemoBusWriter bus(again, 7, kHolterSeconds);
    QString error;
    for (int code : m_codes)
        QVERIFY2(!bus.writeMonitor(code, &error).isEmpty(), qPrintable(error));
    const QMap<QString, QByteArray> first = readTree(m_bus);
    QVERIFY(first.size() > 500);
    QVERIFY(first == readTree(again));
    QDir(again).removeRecursively();
    // A monitor written alone equals the same monitor of a full bus.
    const DemoMonitorWriter alone(19, 7, kHolterSeconds);
    const QMap<QString, QByteArray> files = alone.files();
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY(first.value(alone.folderName() + "/" + it.key()) == it.value());
}

void TestDemoData::differentSeedWritesOtherBytes()
{
    for (int code : m_codes) {
        const DemoMonitorWriter other(code, 8, kHolterSeconds);
        const QMap<QString, QByteArray> files = other.files();
        QVERIFY(other.folderName() != QDir(folderOf(code)).dirName());
        int differing = 0;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            differing += file(code, it.key()) != it.value() ? 1 : 0;
        QVERIFY2(differing == files.size(), qPrintable(QString("model %1").arg(code)));
    }
}

void TestDemoData::rewritingReplacesAMonitorButNotAForeignFolder()
{
    const QString bus = m_dir.filePath("rewrite");
    const DemoBusWriter writer(bus, 3, 60);
    QString error;
    const QString folder = writer.writeMonitor(49, &error);
    QVERIFY(!folder.isEmpty());
    QFile stray(folder + "/stray");
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();
    QCOMPARE(writer.writeMonitor(49, &error), folder);
    QVERIFY(!QFile::exists(folder + "/stray"));
    QCOMPARE(QDir(bus).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);

    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(folder + "/photos"));
    QVERIFY(writer.writeMonitor(49, &error).isEmpty());
    QVERIFY(error.contains("is not a monitor folder"));
    QVERIFY(QFile::exists(folder + "/photos"));
    QDir(bus).removeRecursively();
}

void TestDemoData::randomDistributionsAreFixed()
{
    // The engine is fixed by the standard and the distributions are our own, so these hold everywhere.
    DemoRandom random(42);
    const DemoRandom fork = random.fork(3);
    QCOMPARE(random.next(), DemoRandom(42).next());
    QVERIFY(fork.fork(1).fork(2).uniform() != fork.fork(2).fork(1).uniform());
    double sum = 0.0, squares = 0.0;
    int low = 0, high = 0;
    for (int i = 0; i < 20000; ++i) {
        const double v = random.normal(5.0, 2.0);
        sum += v;
        squares += v * v;
        const int k = random.integer(-3, 3);
        QVERIFY(k >= -3 && k <= 3);
        low += k == -3 ? 1 : 0;
        high += k == 3 ? 1 : 0;
        const double u = random.uniform();
        QVERIFY(u >= 0.0 && u < 1.0);
    }
    const double mean = sum / 20000;
    QVERIFY(std::fabs(mean - 5.0) < 0.05);
    QVERIFY(std::fabs(std::sqrt(squares / 20000 - mean * mean) - 2.0) < 0.05);
    QVERIFY(low > 2500 && high > 2500);
}

void TestDemoData::folderHoldsExactlyWhatADownloadAsksFor_data()
{
    QTest::addColumn<int>("modelType");
    for (int code : DeviceModel::modelTypes())
        QTest::addRow("model %d", code) << code;
}

void TestDemoData::folderHoldsExactlyWhatADownloadAsksFor()
{
    QFETCH(int, modelType);
    const quint32 mask = maskOf(modelType);
    QVERIFY(!folderOf(modelType).isEmpty());
    QSet<QString> expected{"identity.dat"};
    QStringList problems;
    auto need = [&](const QString& name) {
        if (file(modelType, name).isEmpty())
            problems << "missing or empty: " + name;
        expected.insert(name);
    };
    auto optional = [&](const QString& name) {
        if (!file(modelType, name).isEmpty())
            expected.insert(name);
        return file(modelType, name);
    };
    // Detail files named by the record's time, and the voice note when its byte is set.
    auto details = [&](const QByteArray& index, int size, int voiceAt) {
        for (const QByteArray& r : records(index, size)) {
            need(stampName(r));
            if (voiceAt >= 0 && r[voiceAt] != 0)
                need(stampName(r) + ".wav");
        }
    };
    if (modelType == 5) {
        need("1dlc.dat");
        details(file(modelType, "1dlc.dat"), 17, -1);
    } else {
        const QList<QByteArray> users = records(optional("usr.dat"), 27);
        const QList<QByteArray> xusers = records(optional("xusr.dat"), 75);
        auto perUser = [&](const QList<QByteArray>& list, const QString& suffix) {
            int present = 0;
            for (const QByteArray& user : list)
                present += optional(QString::number(u8(user, 0)) + suffix).isEmpty() ? 0 : 1;
            if (present == 0)
                problems << "no per-user file " + suffix;
        };
        if (mask & 1) {
            need("ecg.dat");
            details(file(modelType, "ecg.dat"), 10, 9);
        }
        if (mask & 64) {
            need("slm.dat");
            details(file(modelType, "slm.dat"), 18, -1);
        }
        if (mask & 2)
            need("oxi.dat");
        if (mask & 4)
            need("tmp.dat");
        if (mask & 2048)
            need("oxi_T.dat");
        if (mask & 16) {
            perUser(users, "dlc.dat");
            for (const QByteArray& user : users)
                details(file(modelType, QString::number(u8(user, 0)) + "dlc.dat"), 17, 16);
        }
        if (mask & 256)
            need("nibp.dat");
        if (mask & 128)
            perUser(users, "nibp.dat");
        if (mask & 8)
            perUser(users, "ped.dat");
        if (mask & 32) {
            perUser(xusers, "spc.dat");
            // Only spot checks that measured an ECG have a detail file.
            for (const QByteArray& user : xusers) {
                for (const QByteArray& r : records(file(modelType, QString::number(u8(user, 0)) + "spc.dat"), 28)) {
                    if (u16(r, 7) & 1)
                        need(stampName(r));
                    if (r[23] != 0)
                        need(stampName(r) + ".wav");
                }
            }
        }
        if (mask & 8192)
            need("glu.dat");
        if (mask & 4096)
            perUser(users, "glu.dat");
        if (mask & 1024)
            need("waveFile");
        if (mask & 16384) {
            perUser(xusers, "rec.dat");
            for (const QByteArray& user : xusers) {
                for (const QByteArray& r : records(file(modelType, QString::number(u8(user, 0)) + "rec.dat"), 72, 10)) {
                    if (r[45] != 0)
                        need(stampName(r));
                }
            }
        }
    }
    const QStringList present = QDir(folderOf(modelType)).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : present) {
        if (!expected.contains(name))
            problems << "not asked for by a download: " + name;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    QCOMPARE(present.size(), expected.size());
}

void TestDemoData::identityBlock_data()
{
    folderHoldsExactlyWhatADownloadAsksFor_data();
}

void TestDemoData::identityBlock()
{
    QFETCH(int, modelType);
    const QByteArray identity = file(modelType, "identity.dat");
    QVERIFY(identity.size() >= 31);
    QCOMPARE(u8(identity, 0), modelType);
    const QByteArray serial = cText(identity, 5, 13);
    QCOMPARE(QDir(folderOf(modelType)).dirName(), QString::asprintf("%02d-", modelType) + serial);
    // As long as the serial the program assumes for the model when a monitor reports none.
    QCOMPARE(serial.size(), modelType == 5 ? 6 : (modelType == 1 ? 7 : 8));
    QVERIFY(u8(identity, 22) >= 1); // firmware major version
    QCOMPARE(identity.back(), '\0');
    const QByteArray branch = identity.mid(30, identity.size() - 31);
    QVERIFY(!branch.contains('\0'));
    QCOMPARE(branch, QByteArray(modelType == 54 ? "13070001" : (modelType == 49 ? "" : "13050001")));
}

void TestDemoData::indexFilesAreWholeRecordsWithValidTimes()
{
    const QList<QPair<QString, int>> layouts{{"ecg.dat", 10},   {"oxi.dat", 12},  {"tmp.dat", 11}, {"slm.dat", 18},
                                             {"dlc.dat", 17},   {"nibp.dat", 11}, {"ped.dat", 29}, {"spc.dat", 28},
                                             {"oxi_T.dat", 17}, {"glu.dat", 32},  {"usr.dat", 27}, {"xusr.dat", 75}};
    int checked = 0;
    QSet<QString> names;
    for (int code : m_codes) {
        names.clear();
        for (const QString& name : QDir(folderOf(code)).entryList(QDir::Files)) {
            const QByteArray data = file(code, name);
            if (name.endsWith("rec.dat")) {
                QVERIFY(data.size() >= 10);
                QCOMPARE((data.size() - 10) % 72, 0);
                for (const QByteArray& r : records(data, 72, 10)) {
                    QVERIFY(validStamp(r));
                    QVERIFY(!names.contains(stampName(r)));
                    names.insert(stampName(r));
                }
                ++checked;
                continue;
            }
            for (const auto& layout : layouts) {
                if (!name.endsWith(layout.first) || (layout.first == "usr.dat" && name == "xusr.dat"))
                    continue;
                const int size = layout.second;
                QVERIFY2(data.size() % size == 0 && !data.isEmpty(), qPrintable(name));
                if (!name.endsWith("usr.dat")) {
                    const int yearBase = name.endsWith("nibp.dat") ? 2000 : 0;
                    QString previous;
                    for (const QByteArray& r : records(data, size)) {
                        QVERIFY2(validStamp(r, yearBase), qPrintable(name));
                        QVERIFY(stampName(r, yearBase) > previous); // in order, and unique in the monitor
                        QVERIFY(!names.contains(stampName(r, yearBase)));
                        previous = stampName(r, yearBase);
                        names.insert(previous);
                    }
                }
                ++checked;
                break;
            }
        }
    }
    QVERIFY(checked > 80);
    // User lists: names, sexes and birthdays by their layouts.
    for (const QByteArray& user : records(file(0, "usr.dat"), 27)) {
        QVERIFY(!cText(user, 1, 17).isEmpty());
        QVERIFY(u8(user, 18) <= 1);
        QVERIFY(QDate(u16(user, 19), u8(user, 21), u8(user, 22)).isValid());
        QVERIFY(u16(user, 25) > 140 && u16(user, 25) < 200);
        QVERIFY(u16(user, 23) > 350 && u16(user, 23) < 1300); // tenths of kg
    }
    for (const QByteArray& user : records(file(2, "xusr.dat"), 75)) {
        QVERIFY(cText(user, 1, 32).startsWith("MRN-"));
        QVERIFY(cText(user, 33, 32).contains(' '));
        QVERIFY(u8(user, 65) == 1 || u8(user, 65) == 2);
        QVERIFY(QDate(u16(user, 71), u8(user, 73), u8(user, 74)).isValid());
    }
    const QList<QByteArray> pair = records(file(53, "usr.dat"), 27);
    QCOMPARE(pair.size(), 2);
    QCOMPARE(u8(pair[0], 0), 1);
    QCOMPARE(u8(pair[1], 0), 2);
}

void TestDemoData::someValuesAreOutOfRange()
{
    // Every kind of value appears both within its valid range and outside it, for the "--" display.
    QMap<QString, QPair<int, int>> seen; // in range, out of range
    auto note = [&seen](const QString& what, int value, int low, int high) {
        auto& pair = seen[what];
        (value >= low && value <= high ? pair.first : pair.second)++;
    };
    for (int code : m_codes) {
        for (const QString& name : QDir(folderOf(code)).entryList(QDir::Files)) {
            const QByteArray data = file(code, name);
            if (name == "oxi.dat") {
                for (const QByteArray& r : records(data, 12)) {
                    note("SpO2", s8(r, 8), 58, 100);
                    note("pulse rate", u8(r, 9), 25, 250);
                    note("perfusion", u8(r, 10), 1, 200);
                }
            } else if (name == "tmp.dat") {
                for (const QByteArray& r : records(data, 11))
                    note("temperature", s16(r, 8), 1, 450);
            } else if (name.endsWith("nibp.dat")) {
                for (const QByteArray& r : records(data, 11))
                    note("systolic", s16(r, 7), 1, 300);
            } else if (name.endsWith("glu.dat")) {
                for (const QByteArray& r : records(data, 32)) {
                    const int g = u8(r, 9) == 0 ? u16(r, 7) : u16(r, 7) / 18 * 10;
                    note("glucose", g, 11, 333);
                }
            } else if (name == "slm.dat") {
                for (const QByteArray& r : records(data, 18))
                    note("sleep SpO2", u8(r, 15), 67, 100);
            } else if (name == "ecg.dat") {
                for (const QByteArray& r : records(data, 10))
                    note("ECG heart rate", u16(file(code, stampName(r)), 6), 28, 255);
            }
        }
    }
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        QVERIFY2(it.value().first > it.value().second && it.value().second > 0, qPrintable(it.key()));
    }
    QCOMPARE(seen.size(), 8);
}

void TestDemoData::ecgDetailFilesMatchTheirHeadersAndIndexes()
{
    int strips = 0, analysed = 0;
    auto check = [&](int code, const QByteArray& record, bool longForm, int indexRate) {
        const QString name = stampName(record);
        const QByteArray data = file(code, name);
        const Ecg ecg = parseEcg(data, longForm);
        ++strips;
        const qint64 rest = data.size() - ecg.headerSize - ecg.dataOffset;
        QVERIFY(rest >= 0);
        QCOMPARE(ecg.waveLength, rest);
        QCOMPARE(static_cast<qint64>(ecg.samples.size()), rest / 2);
        const int seconds = static_cast<int>(ecg.samples.size() / 250);
        QCOMPARE(static_cast<int>(ecg.samples.size()), seconds * 250);
        QVERIFY2(QList<int>({20, 30, 60, 90}).contains(seconds), qPrintable(name));
        QCOMPARE(ecg.waveLength / 500, static_cast<qint64>(seconds));
        if (indexRate >= 0)
            QCOMPARE(ecg.heartRate, indexRate);
        if (ecg.result == 0xFF) {
            QCOMPARE(ecg.heartRate, 0); // unanalysable: no values
            QCOMPARE(ecg.qt, 0);
            return;
        }
        ++analysed;
        const std::vector<double> peaks = rPeaks(ecg.samples, 250.0);
        QVERIFY(peaks.size() > 10);
        QVERIFY2(std::abs(rateOf(peaks) - ecg.heartRate) <= 3,
                 qPrintable(QString("%1: detected %2, header %3").arg(name).arg(rateOf(peaks)).arg(ecg.heartRate)));
        QVERIFY(ecg.qrs >= 80 && ecg.qrs <= 170);
        QVERIFY(ecg.qt > 250 && ecg.qt < 560);
        const double rr = 60.0 / ecg.heartRate;
        QVERIFY(std::abs(ecg.qtc - ecg.qt / std::sqrt(rr)) < 12.0); // Bazett
        if (!longForm || code == 5) {
            QCOMPARE(bool(ecg.result & 0x01), ecg.heartRate > 100);
            QCOMPARE(bool(ecg.result & 0x02), ecg.heartRate < 50);
            QCOMPARE(bool(ecg.result & 0x04), ecg.qrs > 120);
            QCOMPARE(bool(ecg.result & 0x08), ecg.st > 20);
            QCOMPARE(bool(ecg.result & 0x10), ecg.st < -20);
        } else {
            QCOMPARE(ecg.result & 0x1C, 0); // a pulse flag: rate and rhythm bits only
        }
    };
    for (int code : m_codes) {
        const quint32 mask = maskOf(code);
        for (const QByteArray& r : records(file(code, "ecg.dat"), 10)) {
            check(code, r, false, -1);
            QVERIFY(s8(r, 7) >= 1 && s8(r, 7) <= 5);
        }
        if (code == 5) {
            for (const QByteArray& r : records(file(code, "1dlc.dat"), 17))
                check(code, r, true, s16(r, 7));
        }
        if (mask & 16) {
            for (const QByteArray& user : records(file(code, "usr.dat"), 27)) {
                for (const QByteArray& r : records(file(code, QString::number(u8(user, 0)) + "dlc.dat"), 17))
                    check(code, r, code == 53, s16(r, 7));
            }
        }
        for (const QByteArray& user : records(file(code, "xusr.dat"), 75)) {
            for (const QByteArray& r : records(file(code, QString::number(u8(user, 0)) + "spc.dat"), 28)) {
                if (!(u16(r, 7) & 1))
                    continue;
                check(code, r, false, u16(r, 9));
                const Ecg ecg = parseEcg(file(code, stampName(r)), false);
                QCOMPARE(ecg.dataOffset, 16);
                QCOMPARE(u16(r, 11), ecg.qrs);
                QCOMPARE(s16(r, 13), ecg.st);
                QCOMPARE(u8(r, 15), ecg.result);
                QCOMPARE(u16(r, 24), ecg.qt);
                QCOMPARE(u16(r, 26), ecg.qtc);
            }
            for (const QByteArray& r : records(file(code, QString::number(u8(user, 0)) + "rec.dat"), 72, 10)) {
                if (r[45] == 0)
                    continue;
                check(code, r, false, u16(r, 33));
                const Ecg ecg = parseEcg(file(code, stampName(r)), false);
                QCOMPARE(u16(r, 35), ecg.qrs);
                QCOMPARE(s16(r, 37), ecg.st);
                QCOMPARE(u8(r, 39), ecg.result);
                QCOMPARE(u16(r, 41), ecg.qt);
                QCOMPARE(u16(r, 43), ecg.qtc);
            }
        }
    }
    QVERIFY(strips > 150);
    QVERIFY(analysed > strips * 3 / 4 && analysed < strips);
}

void TestDemoData::sleepTrendsAgreeWithTheirSummaries()
{
    int nights = 0;
    for (int code : m_codes) {
        for (const QByteArray& r : records(file(code, "slm.dat"), 18)) {
            const QByteArray trend = file(code, stampName(r));
            QCOMPARE(trend.size() % 2, 0);
            QCOMPARE(u32(r, 7), static_cast<qint64>(trend.size())); // two bytes per 2 s
            int lowest = 0, lowTime = 0, drops = 0, valid = 0;
            long long sum = 0;
            bool wasLow = false;
            for (int i = 0; i < trend.size(); i += 2) {
                const int spo2 = u8(trend, i);
                if (spo2 == 255) {
                    QCOMPARE(u8(trend, i + 1), 255);
                    continue;
                }
                QVERIFY(spo2 >= 70 && spo2 <= 100);
                QVERIFY(u8(trend, i + 1) >= 35 && u8(trend, i + 1) <= 200);
                lowest = lowest == 0 ? spo2 : std::min(lowest, spo2);
                sum += spo2;
                ++valid;
                drops += spo2 < 90 && !wasLow ? 1 : 0;
                lowTime += spo2 < 90 ? 2 : 0;
                wasLow = spo2 < 90;
            }
            QCOMPARE(u16(r, 11), lowTime);
            QCOMPARE(u16(r, 13), drops);
            QCOMPARE(u8(r, 15), lowest);
            QCOMPARE(u8(r, 16), valid ? static_cast<int>(std::lround(double(sum) / valid)) : 0);
            QCOMPARE(u8(r, 17), valid == 0 ? 2 : (drops > 0 ? 1 : 0));
            ++nights;
        }
    }
    QVERIFY(nights >= 15);
}

void TestDemoData::voiceNotesAreValidWaveFiles()
{
    int notes = 0;
    for (int code : m_codes) {
        for (const QString& name : QDir(folderOf(code)).entryList({"*.wav"}, QDir::Files)) {
            const QByteArray wav = file(code, name);
            QCOMPARE(wav.left(4), QByteArray("RIFF"));
            QCOMPARE(u32(wav, 4), static_cast<qint64>(wav.size() - 8));
            QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
            QCOMPARE(u32(wav, 16), 16);
            QCOMPARE(u16(wav, 20), 1); // PCM
            QCOMPARE(u16(wav, 22), 1); // mono
            QCOMPARE(u32(wav, 24), 8000);
            QCOMPARE(u32(wav, 28), 16000);
            QCOMPARE(u16(wav, 32), 2);
            QCOMPARE(u16(wav, 34), 16);
            QCOMPARE(wav.mid(36, 4), QByteArray("data"));
            QCOMPARE(u32(wav, 40), static_cast<qint64>(wav.size() - 44));
            const double seconds = (wav.size() - 44) / 16000.0;
            QVERIFY(seconds > 0.8 && seconds < 6.0);
            double energy = 0.0;
            int peak = 0;
            for (int at = 44; at < wav.size(); at += 2) {
                energy += double(s16(wav, at)) * s16(wav, at);
                peak = std::max(peak, std::abs(s16(wav, at)));
            }
            QVERIFY(std::sqrt(energy / ((wav.size() - 44) / 2)) > 1000.0);
            QVERIFY(peak <= 16000 && peak > 15000);
            ++notes;
        }
    }
    QVERIFY(notes > 20);
}

void TestDemoData::holterHeaderAndMinutesAgreeWithTheWaveform()
{
    int recordings = 0;
    for (int code : m_codes) {
        if (!(maskOf(code) & 1024))
            continue;
        ++recordings;
        const QByteArray holter = file(code, "waveFile");
        const qint64 length = u32(holter, 0);
        const qint64 offset = u32(holter, 4);
        const qint64 duration = u32(holter, 15);
        QCOMPARE(duration, static_cast<qint64>(kHolterSeconds));
        const int minutes = static_cast<int>(duration / 60);
        QCOMPARE(offset, 62 + 20LL * minutes);
        QCOMPARE(static_cast<qint64>(holter.size()), offset + length);
        QCOMPARE(u16(holter, 21), 192);
        QVERIFY(QDateTime(QDate(s16(holter, 8), u8(holter, 10), u8(holter, 11)),
                          QTime(u8(holter, 12), u8(holter, 13), u8(holter, 14)))
                    .isValid());
        QVERIFY(s8(holter, 20) >= 0 && s8(holter, 20) <= 3);
        // The user index names a user of the user list.
        bool userFound = false;
        for (const QByteArray& user : records(file(code, "usr.dat"), 27))
            userFound = userFound || u8(user, 0) == u8(holter, 19);
        QVERIFY(userFound);

        const std::vector<int> samples = unpackHolter(holter.mid(static_cast<int>(offset)));
        QCOMPARE(static_cast<qint64>(samples.size()), length / 5 * 4);
        QVERIFY(samples.size() >= static_cast<std::size_t>(duration * 125));
        const std::vector<double> peaks = rPeaks(samples, 125.0);

        int maxRate = 0, minRate = 1000, pvcs = 0, beats = 0;
        double rrSum = 0.0, regularSum = 0.0;
        int rrCount = 0, regularCount = 0;
        QSet<QString> episodes;
        for (int k = 0; k < minutes; ++k) {
            const QByteArray m = holter.mid(62 + 20 * k, 20);
            const qint64 flags = static_cast<qint32>(u32(m, 0));
            const std::size_t from = static_cast<std::size_t>(k) * 7500;
            if (flags == -1) {
                episodes.insert("no analysis");
                QVERIFY(
                    std::all_of(samples.begin() + from, samples.begin() + from + 7500, [](int v) { return v == 0; }));
                continue;
            }
            std::vector<double> intervals;
            for (std::size_t i = 1; i < peaks.size(); ++i) {
                const double rr = peaks[i] - peaks[i - 1];
                if (static_cast<int>(peaks[i] / 60.0) == k && rr < 6.0)
                    intervals.push_back(rr);
            }
            for (double p : peaks)
                beats += static_cast<int>(p / 60.0) == k ? 1 : 0;
            double sum = 0.0;
            for (double rr : intervals)
                sum += rr;
            const int detected = static_cast<int>(std::lround(60.0 * intervals.size() / sum));
            const int rate = u16(m, 4);
            QVERIFY2(
                std::abs(detected - rate) <= 2,
                qPrintable(
                    QString("model %1 minute %2: detected %3, record %4").arg(code).arg(k).arg(detected).arg(rate)));
            const bool pause = std::any_of(intervals.begin(), intervals.end(), [](double rr) { return rr > 3.0; });
            QCOMPARE(bool(flags & 0x4000), pause);
            maxRate = std::max(maxRate, rate);
            minRate = std::min(minRate, rate);
            pvcs += u16(m, 10);
            rrSum += sum;
            rrCount += static_cast<int>(intervals.size());
            if (!(flags & 0x800)) {
                regularSum += sum;
                regularCount += static_cast<int>(intervals.size());
            }
            if (rate >= 120)
                episodes.insert("HR>=120");
            if (rate <= 50)
                episodes.insert("HR<=50");
            if (u16(m, 8) >= 120)
                episodes.insert("QRS>=120");
            if (u16(m, 14) >= 480 && u16(m, 14) != 9999)
                episodes.insert("QTc>=480");
            if (u16(m, 10) >= 2)
                episodes.insert("PVCs>=2");
            if (flags & 0x800)
                episodes.insert("irregular");
            if (flags & 0x4000)
                episodes.insert("pause");
        }
        QVERIFY2(episodes.size() == 8, qPrintable(QStringList(episodes.values()).join(",")));
        QCOMPARE(u16(holter, 24), maxRate);
        QCOMPARE(u16(holter, 26), minRate);
        QVERIFY(std::abs(u16(holter, 36) - 60.0 * rrCount / rrSum) <= 2.0);
        QCOMPARE(u16(holter, 60), pvcs);
        QVERIFY2(std::abs(u16(holter, 56) - beats) <= beats / 200 + 2,
                 qPrintable(QString("QRS count %1, detected %2").arg(u16(holter, 56)).arg(beats)));
        const qint64 mean = u32(holter, 48);
        QVERIFY(std::abs(mean - 1000.0 * regularSum / regularCount) < 0.03 * mean); // without fibrillation
        QVERIFY(u32(holter, 40) > 20 && u32(holter, 40) < 300); // SDNN
        QVERIFY(u32(holter, 44) > 5 && u32(holter, 44) < 150); // RMSSD
        QVERIFY(u32(holter, 52) <= 100); // PNN50
    }
    QCOMPARE(recordings, 4);
}

void TestDemoData::holterOfADayAndOfUnderAMinute_data()
{
    QTest::addColumn<int>("seconds");
    QTest::newRow("24 hours") << 24 * 3600;
    QTest::newRow("59 seconds") << 59;
    QTest::newRow("1 second") << 1;
}

void TestDemoData::holterOfADayAndOfUnderAMinute()
{
    QFETCH(int, seconds);
    const QDateTime start(QDate(2024, 2, 1), QTime(9, 0), Qt::UTC);
    const QByteArray holter = DemoHolterRecording::make(DemoRandom(5), start, seconds, 3);
    const int minutes = seconds / 60;
    QCOMPARE(u32(holter, 4), 62LL + 20 * minutes);
    QCOMPARE(static_cast<qint64>(holter.size()), u32(holter, 4) + u32(holter, 0));
    QCOMPARE(u32(holter, 0) % 5, 0LL);
    QVERIFY(u32(holter, 0) / 5 * 4 >= seconds * 125LL);
    QCOMPARE(u32(holter, 15), static_cast<qint64>(seconds));
    QCOMPARE(u8(holter, 19), 3);
    if (minutes == 0) {
        // Nothing analysed: every statistic absent.
        for (int at : {24, 26, 36, 56, 60})
            QCOMPARE(u16(holter, at), 0xFFFF);
        for (int at : {40, 44, 48, 52})
            QCOMPARE(u32(holter, at), 0xFFFFFFFFLL);
        return;
    }
    // A day is slower asleep than awake, and holds more beats than the 16-bit count.
    double day = 0.0, night = 0.0;
    int dayCount = 0, nightCount = 0;
    for (int k = 0; k < minutes; ++k) {
        const QByteArray m = holter.mid(62 + 20 * k, 20);
        if (static_cast<qint32>(u32(m, 0)) == -1)
            continue;
        const int hour = (9 + k / 60) % 24;
        if (hour >= 1 && hour < 5) {
            night += u16(m, 4);
            ++nightCount;
        } else if (hour >= 10 && hour < 20) {
            day += u16(m, 4);
            ++dayCount;
        }
    }
    QVERIFY(night / nightCount + 8.0 < day / dayCount);
    QCOMPARE(u16(holter, 56), 0xFFFF);
    QVERIFY(u16(holter, 26) < 50 && u16(holter, 24) >= 120);
}

QTEST_GUILESS_MAIN(TestDemoData)
#include "TestDemoData.moc"
