// Report patient details and the multi-test tables of DbOperator.
#include "db/DbOperator.h"

#include "app/Constants.h"
#include "db/SqlRecordValues.h"
#include "db/SqlSavepoint.h"
#include "files/CheckType.h"
#include "files/MultiTestRecord.h"

#include <QDebug>
#include <QSqlQuery>

namespace {

QString dateText(const QDate& date)
{
    return date.toString("yyyyMMdd");
}

} // namespace

bool DbOperator::saveReportUser(const QString& flowid, const CheckUser& user)
{
    QMutexLocker lock(&m_lock);
    return exec("insert or replace into tb_reportuser (flowid, userid, name, sex, birthday, age, remarks, "
                "medicalid,physician, indication) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {flowid, user.userid, user.name, user.sex, dateText(user.birthday), user.age, user.remarks,
                 user.medicalid, user.physician, user.indication},
                "update user info error: ");
}

bool DbOperator::reportUser(const QString& flowid, CheckUser* user)
{
    QMutexLocker lock(&m_lock);
    if (!exec("select * from tb_reportuser where flowid = ?", {flowid}, "query report user error: ") ||
        !m_query->next())
        return false;
    *user = userFromRow();
    m_query->finish();
    return true;
}

bool DbOperator::insertMultiTest(const QString& sn, const CheckUser& xuser, const QByteArray& record)
{
    QMutexLocker lock(&m_lock);
    if (sn.isEmpty())
        return false;
    const MultiTestRecord multiTest = RecordCodec::decode<MultiTestRecord>(record);
    QVariantList values = SqlRecordValues::of(multiTest);
    values.insert(1, sn);
    values.insert(2, xuser.medicalid);
    const QString columns = QStringLiteral("checktime,dev_sn,userid,") + "mode,func_selected,note," +
        "ecg_way,ecg_hr,ecg_qrs,ecg_st,ecg_result,ecg_face,ecg_qt,ecg_qtc,ecg_waveVaild," +
        "oxi_way,oxi_spo2,oxi_pr,oxi_pi,oxi_face," + "temp_way,temp_temperature,temp_face," +
        "bp_deviceType,bp_sys,bp_mean,bp_dia,bp_arrhythmia,bp_pr," + "glucose_deviceType,glucose_glucose";
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    const QString checkTime = multiTest.checkTime.text();

    SqlSavepoint savepoint(m_query.get());
    return savepoint.isOpen() &&
        exec("INSERT OR REPLACE INTO " + m_multitestTable + " (" + columns + ") VALUES (" + marks.join(", ") + ");",
             values, "insert multitest failed: ") &&
        exec(Vitacor::kInsertDevCheckPrefix + "(?, ?, ?)", {checkTime + sn, sn, int(CheckType::MultiTest)},
             "insert multitest dev check failed: ") &&
        savepoint.release();
}

bool DbOperator::ensureMultiTestReportUser(const QString& sn, const CheckUser& xuser)
{
    QMutexLocker lock(&m_lock);
    const char* message = "ensure multitest report user failed: ";
    const QVariant count = scalar("SELECT COUNT(*) FROM tb_multitest_reportusr WHERE dev_sn = ? AND medicalid = ?",
                                  {sn, xuser.medicalid}, message);
    if (!count.isValid())
        return false;
    if (count.toInt() != 0)
        return true;
    return exec("INSERT OR REPLACE INTO tb_multitest_reportusr (dev_sn, medicalid, name, sex, birthday, height, "
                "weight, physician, indication) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {sn, xuser.medicalid, xuser.name, xuser.sex, dateText(xuser.birthday), xuser.height, xuser.weight,
                 xuser.physician, xuser.indication},
                message);
}

bool DbOperator::ensureMultiTestRemark(const QString& sn, const QByteArray& record)
{
    QMutexLocker lock(&m_lock);
    const char* message = "ensure multitest remark failed: ";
    const MultiTestRecord multiTest = RecordCodec::decode<MultiTestRecord>(record);
    const QString checkTime = multiTest.checkTime.text();
    const QVariant count = scalar("SELECT COUNT(*) FROM tb_multitest_reportremark WHERE checktime = ? AND dev_sn = ?",
                                  {checkTime, sn}, message);
    if (!count.isValid())
        return false;
    if (count.toInt() != 0)
        return true;
    return exec("INSERT OR REPLACE INTO tb_multitest_reportremark (checktime, dev_sn, remark) VALUES (?, ?, ?)",
                {checkTime, sn, QString::fromLatin1(multiTest.note)}, message);
}

bool DbOperator::updateMultiTestReportUser(const QString& sn, const CheckUser& user)
{
    QMutexLocker lock(&m_lock);
    return exec("UPDATE tb_multitest_reportusr SET name = ?, sex = ?, birthday = ?, height = ?, weight = ?, "
                "physician = ?, indication = ? WHERE dev_sn = ? AND medicalid = ?",
                {user.name, user.sex, dateText(user.birthday), user.height, user.weight, user.physician,
                 user.indication, sn, user.medicalid},
                "update multitest report user failed: ");
}

bool DbOperator::updateMultiTestRemark(const QString& sn, const QString& checkTime, const QString& remark)
{
    QMutexLocker lock(&m_lock);
    return exec("UPDATE tb_multitest_reportremark SET remark = ? WHERE dev_sn = ? AND checktime = ?",
                {remark, sn, checkTime}, "update multitest remark failed: ");
}

bool DbOperator::multiTestReportUser(const QString& sn, const QString& checkTime, CheckUser* user)
{
    QMutexLocker lock(&m_lock);
    if (!exec("SELECT * FROM tb_multitest_reportusr WHERE dev_sn = ? AND medicalid = (SELECT userid FROM "
              "tb_multitest WHERE checktime = ? AND dev_sn = ?)",
              {sn, checkTime, sn}, "query multitest report user failed: ") ||
        !m_query->next())
        return false;
    *user = userFromRow();
    m_query->finish();
    user->userid = sn + user->medicalid;
    user->isXUser = true;
    return true;
}

QString DbOperator::multiTestRemark(const QString& sn, const QString& checkTime)
{
    QMutexLocker lock(&m_lock);
    return scalar("SELECT remark FROM tb_multitest_reportremark WHERE checktime = ? AND dev_sn = ?", {checkTime, sn},
                  "query multitest remark failed: ")
        .toString();
}

QString DbOperator::multiTestUserName(const QString& sn, const QString& medicalid)
{
    QMutexLocker lock(&m_lock);
    return scalar("SELECT name FROM tb_multitest_reportusr WHERE dev_sn = ? AND medicalid = ?", {sn, medicalid},
                  "query multitest user name failed: ")
        .toString();
}

int DbOperator::multiTestCount(const QString& sn, const QString& medicalid)
{
    QMutexLocker lock(&m_lock);
    return scalar("SELECT count(T.checktime) FROM tb_multitest as T WHERE T.dev_sn = ? AND T.userid = ?",
                  {sn, medicalid}, "query multitest count failed: ")
        .toInt();
}

bool DbOperator::isMultiTestUserHidden(const QString& sn, const QString& medicalid)
{
    QMutexLocker lock(&m_lock);
    return scalar("SELECT hide_usr FROM tb_multitest_hide WHERE dev_sn = ? AND medicalid = ?", {sn, medicalid},
                  "query multitest hide flag failed: ")
               .toInt() != 0;
}

bool DbOperator::setMultiTestUserHidden(const QString& sn, const QString& medicalid, bool hidden)
{
    QMutexLocker lock(&m_lock);
    return exec("INSERT OR REPLACE INTO tb_multitest_hide (dev_sn, medicalid, hide_usr) VALUES (?, ?, ?)",
                {sn, medicalid, int(hidden)}, "set multitest hide flag failed: ");
}
