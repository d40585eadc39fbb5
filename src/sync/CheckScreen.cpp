#include "sync/CheckScreen.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/RecordTypes.h"

CheckScreen::CheckScreen(const QString& sn, DownloadNotes* notes)
    : m_sn(sn)
    , m_notes(notes)
{}

QList<QByteArray> CheckScreen::admit(int checkType, const QList<QByteArray>& records, const QString& flowSuffix)
{
    QList<QByteArray> admitted;
    for (const QByteArray& bytes : records) {
        CheckTime time;
        RecordTypes::dispatch(checkType,
                              [&](auto record) { time = RecordCodec::decode<decltype(record)>(bytes).checkTime; });
        if (admits(checkType, time, flowSuffix))
            admitted << bytes;
    }
    return admitted;
}

bool CheckScreen::admits(int checkType, const CheckTime& time, const QString& flowSuffix)
{
    if (!time.isValid()) {
        ++m_notes->invalidTimes;
        return false;
    }
    const int stored = DbOperator::instance()->storedCheckType(m_sn, time.text() + m_sn + flowSuffix);
    if (stored == 0 || stored == checkType)
        return true;
    if (checkType == CheckType::Holter)
        m_notes->holterClash = true;
    m_notes->conflicts << QString("%1 check at %2 not stored: the %3 check stored under the same time is kept.")
                              .arg(CheckType::name(checkType), time.text(), CheckType::name(stored));
    return false;
}
