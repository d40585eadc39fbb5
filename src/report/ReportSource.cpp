#include "report/ReportSource.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/MultiTestRecord.h"

namespace ReportSource {

bool hasReport(int checkType)
{
    return CheckType::hasReport(checkType) && checkType != CheckType::Holter;
}

QList<int> reportTypes()
{
    QList<int> types;
    for (int code : CheckType::all()) {
        if (hasReport(code))
            types << code;
    }
    return types;
}

bool load(const QString& sn, int checkType, const QString& checkTime, ReportData* data, QString* error)
{
    if (!hasReport(checkType)) {
        *error = QString("checks of type %1 have no report.").arg(checkType);
        return false;
    }
    const QList<CheckRecord> records = DbOperator::instance()->checks(sn, checkType);
    for (const CheckRecord& record : records) {
        if (record.checkTimeText() == checkTime)
            return fromRecord(sn, record, data, error);
    }
    *error = QString("no check of type %1 at %2 is stored for the monitor '%3'.").arg(checkType).arg(checkTime, sn);
    return false;
}

bool fromRecord(const QString& sn, const CheckRecord& record, ReportData* data, QString* error)
{
    if (!hasReport(record.checkType)) {
        *error = QString("checks of type %1 have no report of these pages.").arg(record.checkType);
        return false;
    }
    DbOperator* db = DbOperator::instance();
    ReportData result;
    result.checkType = record.checkType;
    result.sn = sn;
    result.record = record;
    // A check without a user shows no gender.
    result.user.sex = -1;
    DeviceInfo device;
    if (db->device(sn, &device))
        result.modelType = device.modelType;
    const QString checkTime = record.checkTimeText();
    const QString path = DetailPath::of(Config::instance()->dataDir(), sn, checkTime);

    if (record.checkType == CheckType::MultiTest) {
        db->multiTestReportUser(sn, checkTime, &result.user);
        result.userHidden = db->isMultiTestUserHidden(sn, record.userid);
        result.remark = db->multiTestRemark(sn, checkTime);
        if (record.as<MultiTestRecord>().ecg_waveVaild) {
            const EcgDetail detail = EcgDetail::read(path, EcgDetail::Form::Short);
            result.header = detail.header();
            result.samples = detail.samples();
        }
    } else {
        if (record.userid != Vitacor::kNoUserId)
            db->user(record.userid, &result.user);
        CheckUser edited;
        if (db->reportUser(checkTime + sn, &edited))
            result.user = edited;
        if (record.checkType == CheckType::Sleep) {
            result.trend = SleepTrend::read(path);
        } else {
            const EcgDetail detail = EcgDetail::read(path, EcgDetail::formFor(record.checkType, result.modelType));
            if (!detail.isRead()) {
                *error = QString("the detail file '%1' of the check cannot be read.").arg(path);
                return false;
            }
            result.header = detail.header();
            result.samples = detail.samples();
        }
    }
    *data = result;
    return true;
}

} // namespace ReportSource
