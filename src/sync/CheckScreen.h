#pragma once

#include "files/CheckTime.h"
#include "sync/DownloadNotes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Decides which downloaded checks of one monitor are stored. A record whose
// time stamp is no calendar date and time is passed over and counted; a check
// whose flow id (check time + serial number, which also names its detail
// file) is held by a stored check of another type is not stored, so the
// stored one stays; that is noted (the finisher logs the notes).
class CheckScreen
{
public:
    CheckScreen(const QString& sn, DownloadNotes* notes);

    // The records of an index file of that check type worth storing; the
    // flow id of each is its check time + serial number + `flowSuffix`.
    QList<QByteArray> admit(int checkType, const QList<QByteArray>& records, const QString& flowSuffix = QString());
    // Whether a check of that type at that time is worth storing.
    bool admits(int checkType, const CheckTime& time, const QString& flowSuffix = QString());

private:
    QString m_sn;
    DownloadNotes* m_notes;
};
