#pragma once

#include "files/CheckRecord.h"
#include "files/CheckUser.h"
#include "files/EcgDetail.h"
#include "files/SleepTrend.h"

#include <QString>
#include <QVector>

// Everything a report page shows about one stored check.
struct ReportData
{
    int checkType = -1;
    QString sn;
    int modelType = 0;
    CheckRecord record;
    // The detail file's header and samples (ECG-bearing checks).
    EcgHeader header;
    QVector<qint16> samples;
    // The samples the detail file should hold; more than `samples` when it is cut.
    int expectedSamples = 0;
    // The trend samples (sleep checks).
    QVector<SleepTrendEntry> trend;
    CheckUser user;
    // The name, gender and birth date stay blank for a hidden user.
    bool userHidden = false;
    // The multi-test's note as edited for the report.
    QString remark;

    QString checkTimeText() const { return record.checkTimeText(); }
    // The detail file ends before the samples its header announces.
    bool isStripCut() const { return samples.size() < expectedSamples; }
};
