#include "report/ResultText.h"

#include <QCoreApplication>

namespace ResultText {

namespace {

const char* const kContext = "ResultText";

QString localized(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

const char* const kEcgResults[] = {
    QT_TRANSLATE_NOOP("ResultText", "Regular ECG Rhythm"),
    QT_TRANSLATE_NOOP("ResultText", "High Heart Rate"),
    QT_TRANSLATE_NOOP("ResultText", "Low Heart Rate"),
    QT_TRANSLATE_NOOP("ResultText", "High QRS Value"),
    QT_TRANSLATE_NOOP("ResultText", "High ST Value"),
    QT_TRANSLATE_NOOP("ResultText", "Low ST Value"),
    QT_TRANSLATE_NOOP("ResultText", "Irregular ECG Rhythm"),
    QT_TRANSLATE_NOOP("ResultText", "Suspected Premature Beat"),
    QT_TRANSLATE_NOOP("ResultText", "Unable to Analyze"),
};
constexpr int kUnableIndex = 8;

const char* const kPulseResults[] = {
    QT_TRANSLATE_NOOP("ResultText", "Poor signal"),        QT_TRANSLATE_NOOP("ResultText", "Poor pulse signal"),
    QT_TRANSLATE_NOOP("ResultText", "Regular heart beat"), QT_TRANSLATE_NOOP("ResultText", "Irregular heart beat"),
    QT_TRANSLATE_NOOP("ResultText", "Fast heart rate"),    QT_TRANSLATE_NOOP("ResultText", "Slow heart rate"),
};

const QString kHappy = QStringLiteral(":/happy");
const QString kSad = QStringLiteral(":/sad");

} // namespace

QStringList ecgResults(int resultByte, int maxCount)
{
    const int code = resultByte & 0xFF;
    if (code == 0)
        return {localized(kEcgResults[0])};
    if (code == 0xFF)
        return {localized(kEcgResults[kUnableIndex])};
    QStringList results;
    for (int bit = 0; bit < 7 && results.size() < maxCount; ++bit) {
        if (code & (1 << bit))
            results << localized(kEcgResults[bit + 1]);
    }
    return results;
}

QString ecg(int resultByte, int maxCount)
{
    return ecgResults(resultByte, maxCount).join(QLatin1Char(','));
}

QString pulse(int flagByte)
{
    const qint8 flag = qint8(flagByte);
    int index = 5;
    if (flag == -1)
        index = 0;
    else if (flag == -2)
        index = 1;
    else if (flag == 0)
        index = 2;
    else if (quint8(flag) & 0xFC)
        index = 3;
    else if (flag & 0x01)
        index = 4;
    return localized(kPulseResults[index]);
}

QString bloodPressure(int systolic, int diastolic)
{
    if (systolic >= 140 || diastolic >= 90)
        return localized(QT_TRANSLATE_NOOP("ResultText", "High range blood pressure"));
    if (systolic <= 0 || diastolic <= 0)
        return localized(kEcgResults[kUnableIndex]);
    return localized(QT_TRANSLATE_NOOP("ResultText", "Normal range blood pressure"));
}

QString spo2(int resultByte)
{
    switch (resultByte) {
    case 0: return localized(QT_TRANSLATE_NOOP("ResultText", "Normal Blood Oxygen"));
    case 1: return localized(QT_TRANSLATE_NOOP("ResultText", "Low Blood Oxygen"));
    default: return localized(kEcgResults[kUnableIndex]);
    }
}

Verdict sleep(int resultByte)
{
    switch (resultByte) {
    case 0: return {localized(QT_TRANSLATE_NOOP("ResultText", "No abnormalities detected")), kHappy};
    case 1: return {localized(QT_TRANSLATE_NOOP("ResultText", "Blood Oxygen drops detected")), kSad};
    default: return {localized(kEcgResults[kUnableIndex]), QString()};
    }
}

QString facePicture(int faceByte)
{
    switch (faceByte) {
    case 0: return kHappy;
    case 1: return kSad;
    default: return QString();
    }
}

Verdict glucose(int tenthsMmol)
{
    if (tenthsMmol >= 11 && tenthsMmol <= 38)
        return {localized(QT_TRANSLATE_NOOP("ResultText", "Low range blood glucose")), kSad};
    if (tenthsMmol >= 39 && tenthsMmol <= 72)
        return {localized(QT_TRANSLATE_NOOP("ResultText", "normal range blood glucose")), kHappy};
    if (tenthsMmol >= 73 && tenthsMmol <= 333)
        return {localized(QT_TRANSLATE_NOOP("ResultText", "High range blood glucose")), kSad};
    return {localized(QT_TRANSLATE_NOOP("ResultText", "Unable to analyze")), QString()};
}

} // namespace ResultText
