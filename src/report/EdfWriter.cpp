#include "report/EdfWriter.h"

#include "report/EdfRecording.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <edflib.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace {

constexpr int kDigitalMin = -32768;
constexpr int kDigitalMax = 32767;
constexpr int kMaxAnnotationLength = 40;
constexpr int kMaxAnnotationSignals = 64;
// EDFlib takes annotation times in units of 100 microseconds.
constexpr double kAnnotationUnitsPerSecond = 10000.0;

QByteArray header(const QString& text, int maxLength)
{
    return EdfWriter::ascii(text, maxLength).toLatin1();
}

QString systemReason(const QString& fallback)
{
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : fallback;
}

// Every call below returns 0 on success; the first failure ends the file.
class EdfHandle
{
public:
    explicit EdfHandle(const QString& path)
        : m_handle(edfopen_file_writeonly(QFile::encodeName(path).constData(), EDFLIB_FILETYPE_EDFPLUS, 1))
    {}
    ~EdfHandle()
    {
        if (m_handle >= 0)
            edfclose_file(m_handle);
    }
    EdfHandle(const EdfHandle&) = delete;
    EdfHandle& operator=(const EdfHandle&) = delete;

    bool isOpen() const { return m_handle >= 0; }
    int handle() const { return m_handle; }
    bool close()
    {
        const int result = edfclose_file(m_handle);
        m_handle = -1;
        return result == 0;
    }

private:
    int m_handle = -1;
};

// One annotation signal carries one event per data record.
int annotationSignals(const EdfRecording& r)
{
    const int records = (r.samples.size() + r.sampleRate - 1) / r.sampleRate;
    const int needed = (r.annotations.size() + records - 1) / qMax(1, records);
    return qBound(1, needed, kMaxAnnotationSignals);
}

bool writeHeader(int h, const EdfRecording& r)
{
    const QDateTime start = r.start.isValid() ? r.start : QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    const QDate date = start.date();
    const QTime time = start.time();
    bool ok = edf_set_samplefrequency(h, 0, r.sampleRate) == 0 &&
        edf_set_physical_maximum(h, 0, EdfWriter::physicalMaximum()) == 0 &&
        edf_set_physical_minimum(h, 0, -EdfWriter::physicalMaximum()) == 0 &&
        edf_set_digital_maximum(h, 0, kDigitalMax) == 0 && edf_set_digital_minimum(h, 0, kDigitalMin) == 0 &&
        edf_set_label(h, 0, header(r.label, 16).constData()) == 0 && edf_set_physical_dimension(h, 0, "uV") == 0 &&
        edf_set_startdatetime(h, date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()) ==
            0 &&
        edf_set_patientname(h, header(r.patientName, 40).constData()) == 0 &&
        edf_set_patientcode(h, header(r.patientCode, 40).constData()) == 0 &&
        edf_set_equipment(h, header(r.equipment, 40).constData()) == 0 &&
        edf_set_number_of_annotation_signals(h, annotationSignals(r)) == 0;
    if (ok && (r.sex == 0 || r.sex == 1))
        ok = edf_set_gender(h, r.sex == 0 ? 1 : 0) == 0; // EDFlib: 1 male, 0 female
    if (ok && r.birthday.isValid())
        ok = edf_set_birthdate(h, r.birthday.year(), r.birthday.month(), r.birthday.day()) == 0;
    return ok;
}

// Whole data records of one second; a last partial second is padded with
// its final sample so no recorded sample is left out.
bool writeSamples(int h, const EdfRecording& r)
{
    QVector<short> record(r.sampleRate);
    const int total = r.samples.size();
    for (int first = 0; first < total; first += r.sampleRate) {
        const int count = qMin(r.sampleRate, total - first);
        for (int i = 0; i < r.sampleRate; ++i)
            record[i] = r.samples.at(first + qMin(i, count - 1));
        if (edfwrite_digital_short_samples(h, record.data()) != 0)
            return false;
    }
    return true;
}

bool writeAnnotations(int h, const EdfRecording& r)
{
    for (const EdfRecording::Annotation& a : r.annotations) {
        const long long onset = qRound64(a.onsetSeconds * kAnnotationUnitsPerSecond);
        const long long duration = a.durationSeconds < 0 ? -1 : qRound64(a.durationSeconds * kAnnotationUnitsPerSecond);
        if (edfwrite_annotation_latin1(h, onset, duration, header(a.text, kMaxAnnotationLength).constData()) != 0)
            return false;
    }
    return true;
}

// The process's file-creation mask, read without changing it: umask() reads
// it only by setting it, which would race with files other threads create.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 022;
}

} // namespace

namespace EdfWriter {

double microvoltsPerCount()
{
    return 1000.0 / EdfRecording::kCountsPerMillivolt;
}

double physicalMaximum()
{
    // Symmetric around 0 with one count per step of the 65535 steps of the
    // digital range: 42011.06 uV, kept as the whole 42011 because EDFlib cuts
    // the 8-character header field and "-42011.0" would lose a digit that
    // "42011.06" keeps. Readers then scale within 0.0002 % of a count.
    return std::round((kDigitalMax - kDigitalMin) / 2.0 * microvoltsPerCount());
}

QString ascii(const QString& text, int maxLength)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        folded += (c.unicode() >= 0x20 && c.unicode() < 0x7F) ? c : QChar('_');
    }
    return folded.trimmed().left(maxLength);
}

bool write(const EdfRecording& recording, const QString& path, QString* error)
{
    if (recording.sampleRate <= 0 || recording.samples.isEmpty()) {
        *error = QStringLiteral("the recording holds no ECG samples");
        return false;
    }
    const QFileInfo target(path);
    QTemporaryFile scratch(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!scratch.open()) {
        *error = scratch.errorString();
        return false;
    }
    scratch.close();

    errno = 0;
    EdfHandle edf(scratch.fileName());
    if (!edf.isOpen()) {
        *error = systemReason(QStringLiteral("the file cannot be created"));
        return false;
    }
    if (!writeHeader(edf.handle(), recording)) {
        *error = QStringLiteral("the EDF header cannot be set");
        return false;
    }
    errno = 0;
    if (!writeSamples(edf.handle(), recording) || !writeAnnotations(edf.handle(), recording) || !edf.close()) {
        *error = systemReason(QStringLiteral("the file cannot be written"));
        return false;
    }
    // The scratch file is private to its maker; the export gets a new file's usual mode.
    ::chmod(QFile::encodeName(scratch.fileName()).constData(), 0666 & ~currentUmask());
    if (std::rename(QFile::encodeName(scratch.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        *error = systemReason(QStringLiteral("the file cannot be renamed into place"));
        return false;
    }
    scratch.setAutoRemove(false);
    return true;
}

} // namespace EdfWriter
