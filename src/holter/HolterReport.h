#pragma once

#include "files/HolterHeader.h"
#include "holter/HolterMinute.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVector>

class Config;
struct CheckUser;

// One Holter recording: the device's header statistics, its per-minute
// analysis and the ECG samples (125 per second), plus the screening of
// minutes against the criteria the user ticks. Nothing is diagnosed here:
// every figure comes from the file.
class HolterReport : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSamplesPerSecond = HolterHeader::kSamplesPerSecond;
    static constexpr int kSamplesPerMinute = 60 * kSamplesPerSecond;
    // No device records anywhere near this much; a bigger file is refused
    // rather than read into memory.
    static constexpr qint64 kMaxFileSize = 512LL * 1024 * 1024;

    explicit HolterReport(QObject* parent = nullptr);

    // Reads the recording at path; false for an empty path, a file that
    // cannot be opened or one whose size does not match its header.
    bool load(const QString& path);
    // The same for a recording already held in memory; the path is kept.
    bool loadData(const QByteArray& bytes);

    bool isLoaded() const { return m_loaded; }
    QString filePath() const { return m_filePath; }
    const HolterHeader& header() const { return m_header; }

    QDateTime startTime() const { return m_startTime; }
    // Start of minute record k: start time + 60 * k seconds.
    QDateTime minuteStart(int minute) const { return m_startTime.addSecs(60LL * minute); }
    quint32 duration() const { return m_header.duration; }
    QString durationText() const { return durationText(m_header.duration); }
    // "%1h%2m" from an hour, "%1m%2s" from a minute, else "%1s".
    static QString durationText(qint64 seconds);
    QString leadText() const;

    QString maxHrText() const;
    QString minHrText() const;
    QString avgHrText() const;
    QString qrsCountText() const;
    QString pvcCountText() const;
    QString sdnnText() const;
    QString rmssdText() const;
    QString meanText() const;
    QString pnn50Text() const;

    const QVector<qint16>& samples() const { return m_samples; }
    const QVector<HolterMinute>& minutes() const { return m_minutes; }
    int minuteCount() const { return m_minutes.size(); }

    // Minutes flagged by the device with a pause longer than 3 s.
    int pauseStripCount() const;
    // Indexes of the minutes matching any switched-on criterion; a numeric
    // criterion below 0 is switched off. The result is also kept as
    // matchedMinutes().
    QVector<int> matchStrips(int hrLow, int hrHigh, int qrsMin, int qtcMin, int pvcMin, bool irregular, bool pause);
    const QVector<int>& matchedMinutes() const { return m_matched; }

    // Supplied by whoever opens the recording, for the report painters.
    Config* config() const { return m_config; }
    void setConfig(Config* config) { m_config = config; }
    const CheckUser* userInfo() const { return m_userInfo; }
    void setUserInfo(const CheckUser* user) { m_userInfo = user; }

private:
    void clear();
    bool parse(const QByteArray& bytes);
    void unpackSamples(const uchar* data);

    bool m_loaded = false;
    QVector<qint16> m_samples;
    QVector<HolterMinute> m_minutes;
    QVector<int> m_matched;
    QString m_filePath;
    QDateTime m_startTime;
    HolterHeader m_header;
    Config* m_config = nullptr;
    const CheckUser* m_userInfo = nullptr;
};
