#pragma once

#include "device/DownloadStrategy.h"

// The download of every Vitacor model: file count, user lists, the index file
// of each offered check type with its detail files and voice notes, the
// per-user files, the Holter recording and, in the simplified-Chinese edition,
// the multi-test files.
class VitacorProDownloadStrategy : public DownloadStrategy
{
    Q_OBJECT
public:
    using DownloadStrategy::DownloadStrategy;

    bool download(const QString& folder) override;

private:
    bool offers(int checkType) const;
    bool fetchUserList(const QString& folder, const QString& name);
    // An index file, then each record's detail file (those already in the device
    // folder only counted when `skipStored`) and its voice note where flagged.
    template <class R>
    bool fetchWithDetails(const QString& folder, const QString& indexName, bool skipStored);
    // Each user's index file of a check type with its detail files and voice notes, if the model offers the type.
    template <class R>
    bool fetchUserDetails(const QString& folder, const QList<quint8>& users, int checkType);
    // Each user's index file of a check type, without detail files, if the model offers the type.
    bool fetchUserIndexes(const QString& folder, const QList<quint8>& users, int checkType);
    bool fetchHolter(const QString& folder);
    bool fetchMultiTests(const QString& folder, const QList<quint8>& users);
};
