#include "files/CheckType.h"
#include "files/CheckUser.h"
#include "files/EcgRecord.h"
#include "holter/HolterReport.h"
#include "holter/HolterScreening.h"
#include "report/EdfRecording.h"
#include "report/EdfWriter.h"
#include "report/ReportData.h"
#include "support/HolterFileBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>

namespace {

// What an independent EDF reader (BioSig's save2gdf) finds in a file.
struct ReadBack
{
    QJsonObject header;
    QVector<double> microvolts;
};

bool readBack(const QString& edf, ReadBack* out)
{
    QProcess json;
    json.start("save2gdf", {"-JSON", edf});
    if (!json.waitForFinished(60000) || json.exitCode() != 0)
        return false;
    const QByteArray text = json.readAllStandardOutput();
    out->header = QJsonDocument::fromJson(text.mid(text.indexOf('{'))).object();

    const QString csv = edf + ".csv";
    if (QProcess::execute("save2gdf", {"-CSV", edf, csv}) != 0)
        return false;
    QFile file(csv);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.readLine(); // the column title
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.isEmpty())
            out->microvolts.append(line.toDouble());
    }
    return !out->header.isEmpty();
}

QVector<qint16> testWave(int count)
{
    QVector<qint16> samples(count);
    for (int i = 0; i < count; ++i)
        samples[i] = qint16(30000 * std::sin(i * 0.013) + (i % 7) * 300 - 900);
    return samples;
}

// Every sample within one quantisation step of ours, in microvolts.
void compareSamples(const QVector<double>& read, const QVector<qint16>& ours)
{
    QCOMPARE(read.size(), ours.size());
    const double step = 2 * EdfWriter::physicalMaximum() / 65535.0;
    for (int i = 0; i < ours.size(); ++i) {
        const double expected = ours.at(i) * EdfWriter::microvoltsPerCount();
        if (std::abs(read.at(i) - expected) > step)
            QFAIL(qPrintable(QString("sample %1: read %2 uV, wrote %3 uV").arg(i).arg(read.at(i)).arg(expected)));
    }
}

QStringList events(const QJsonObject& header)
{
    QStringList list;
    for (const QJsonValue& e : header.value("EVENT").toArray()) {
        const QJsonObject o = e.toObject();
        list << QString("%1@%2+%3")
                    .arg(o.value("Description").toString())
                    .arg(o.value("POS").toDouble())
                    .arg(o.value("DUR").toDouble());
    }
    return list;
}

HolterMinute minute(qint32 flags, int heartRate, int pvcs)
{
    HolterMinute m;
    m.flags = flags;
    m.heartRate = heartRate;
    m.pvcCount = pvcs;
    return m;
}

} // namespace

class TestEdfExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("save2gdf").isEmpty())
            QSKIP("save2gdf (biosig-tools) is not installed; scripts/install-deps.sh installs it");
    }

    void holterRecordingReadsBack_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("expected");
        const QStringList flagged{"Pause@0+120", "Irregular rhythm@60+60"};
        QTest::newRow("flagged minutes only") << QString() << flagged;
        QTest::newRow("with screening") << QString("hr120,hr50,pvc2")
                                        << QStringList{"Pause@0+120", "Irregular rhythm@60+60", "Tachycardia@120+120",
                                                       "PVC@180+60", "Bradycardia@240+60"};
    }

    void holterRecordingReadsBack()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, expected);
        HolterFileBuilder file;
        file.header.year = 2024;
        file.header.month = 3;
        file.header.day = 20;
        file.header.hour = 9;
        file.header.minute = 5;
        file.header.second = 30;
        file.header.duration = 300;
        file.header.lead = 0;
        file.minutes = {minute(HolterMinute::kPauseBit, 70, 0),
                        minute(HolterMinute::kPauseBit | HolterMinute::kIrregularRrBit, 72, 0), minute(0, 130, 0),
                        minute(0, 125, 3), minute(0, 45, 0)};
        const QVector<qint16> samples = testWave(300 * 125);
        file.data = QByteArray(reinterpret_cast<const char*>(samples.constData()), samples.size() * 2);
        HolterReport report;
        QVERIFY(report.loadData(file.layOut().bytes()));

        HolterScreening screening;
        QString error;
        QVERIFY(HolterScreening::fromNames(screen, &screening, &error));
        CheckUser user;
        user.name = QString::fromUtf8("Zoë Müller");
        user.sex = 1;
        user.birthday = QDate(1950, 2, 3);
        const QString path = m_dir.filePath("holter.edf");
        QVERIFY2(EdfWriter::write(EdfRecording::fromHolter(report, user, screening), path, &error), qPrintable(error));

        ReadBack read;
        QVERIFY(readBack(path, &read));
        const QJsonObject signal = read.header.value("CHANNEL").toArray().at(0).toObject();
        QCOMPARE(signal.value("Label").toString(), QString("ECG II"));
        QCOMPARE(signal.value("PhysicalUnit").toString(), QString("uV"));
        QCOMPARE(signal.value("Samplingrate").toDouble(), 125.0);
        QCOMPARE(signal.value("PhysicalMaximum").toDouble(), -signal.value("PhysicalMinimum").toDouble());
        QVERIFY(read.header.value("StartOfRecording").toString().startsWith("2024-03-20 09:05:"));
        QCOMPARE(read.header.value("Patient").toObject().value("Gender").toString(), QString("Female"));
        compareSamples(read.microvolts, samples);
        QCOMPARE(events(read.header), expected);
    }

    void ecgCheckReadsBack_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("label");
        // The export gets a new file's mode under the process's mask.
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("mode");
        QTest::newRow("lead I") << 1 << "ECG I" << 022 << 0644;
        QTest::newRow("lead II with cable") << 4 << "ECG II" << 077 << 0600;
        QTest::newRow("unknown lead") << 0 << "ECG" << 002 << 0664;
    }

    void ecgCheckReadsBack()
    {
        QFETCH(int, way);
        QFETCH(QString, label);
        QFETCH(int, umask);
        QFETCH(int, mode);
        EcgRecord ecg;
        ecg.way = qint8(way);
        ReportData data;
        data.checkType = CheckType::Ecg;
        data.record.checkType = CheckType::Ecg;
        data.record.bytes = RecordCodec::encode(ecg, RecordCodec::Layout::Stored);
        data.samples = testWave(30 * 250);
        data.header.heartRate = 72;
        data.header.qrs = 96;
        data.header.qt = 380;
        data.header.qtc = 0; // out of range: left out
        data.user.name = "Ann";
        const QString path = m_dir.filePath(QString("ecg-%1.edf").arg(way));
        QString error;
        const mode_t before = ::umask(mode_t(umask));
        const bool written = EdfWriter::write(EdfRecording::fromCheck(data), path, &error);
        ::umask(before);
        QVERIFY2(written, qPrintable(error));
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), mode);

        ReadBack read;
        QVERIFY(readBack(path, &read));
        const QJsonObject signal = read.header.value("CHANNEL").toArray().at(0).toObject();
        QCOMPARE(signal.value("Label").toString(), label);
        QCOMPARE(signal.value("Samplingrate").toDouble(), 250.0);
        compareSamples(read.microvolts, data.samples);
        QCOMPARE(events(read.header), (QStringList{"HR 72/min@0+30", "QRS 96 ms@0+30", "QT 380 ms@0+30"}));
    }

    void headerTextsAreAscii_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("ascii");
        QTest::newRow("accents dropped") << QString::fromUtf8("Zoë Müller-Ñúñez") << 40 << "Zoe Muller-Nunez";
        QTest::newRow("other scripts") << QString::fromUtf8("李雷 Li") << 40 << "__ Li";
        QTest::newRow("control characters") << QString("a\tb\nc") << 40 << "a_b_c";
        QTest::newRow("cut to the field") << QString(50, 'x') << 40 << QString(40, 'x');
    }

    void headerTextsAreAscii()
    {
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QFETCH(QString, ascii);
        QCOMPARE(EdfWriter::ascii(text, maxLength), ascii);
    }

    void failedWriteKeepsTheOldFile()
    {
        const QString path = m_dir.filePath("kept.edf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        EdfRecording empty;
        empty.sampleRate = 250;
        QString error;
        QVERIFY(!EdfWriter::write(empty, path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!EdfWriter::write(EdfRecording::fromCheck(ReportData()), m_dir.filePath("no/such/dir.edf"), &error));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".kept.edf"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestEdfExport)
#include "TestEdfExport.moc"
