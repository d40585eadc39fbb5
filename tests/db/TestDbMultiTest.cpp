#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/MultiTestRecord.h"
#include "support/ByteFixture.h"
#include "support/DbTestSupport.h"

#include <QtTest>

using namespace DbTestSupport;

namespace {

// A 72-byte multi-test record written from the layout; every field has a
// value of its own, so a field stored in another's column shows.
QByteArray multiTest(int second, const QByteArray& note)
{
    return ByteFixture()
        .stamp(2024, 9, 10, 11, 12, second)
        .u8(2) // mode
        .u16(0x1F) // func_selected
        .zeros(2)
        .text(note, 20)
        .u8(3) // ecg_way
        .u16(75) // ecg_hr
        .u16(98) // ecg_qrs
        .u16(-12) // ecg_st
        .u8(0x40) // ecg_result
        .u8(4) // ecg_face
        .u16(380) // ecg_qt
        .u16(410) // ecg_qtc
        .u8(5) // ecg_waveVaild
        .zeros(2)
        .u8(6) // oxi_way
        .u8(97) // oxi_spo2
        .u16(71) // oxi_pr
        .u8(52) // oxi_pi
        .u8(7) // oxi_face
        .zeros(2)
        .u8(8) // temp_way
        .u16(371) // temp_temperature
        .u8(9) // temp_face
        .u8(10) // bp_deviceType
        .u16(121) // bp_sys
        .u8(93) // bp_mean
        .u8(81) // bp_dia
        .u8(11) // bp_arrhythmia
        .u16(72) // bp_pr
        .u8(12) // glucose_deviceType
        .u16(1000) // glucose_glucose
        .zeros(1);
}

CheckUser xuser(const QString& medicalid, const QString& name)
{
    CheckUser u = user("M1", medicalid, true);
    u.name = name;
    u.sex = 1;
    u.birthday = QDate(1990, 5, 6);
    return u;
}

} // namespace

class TestDbMultiTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void storeAndQuery();
    void everyFieldInItsColumn_data();
    void everyFieldInItsColumn();
    void reportUserIsEnsuredOnce();
    void remarkIsEnsuredOnce();
    void usersCountsAndHideFlag();
    void deleteKeepsRemark();
    void failureLeavesNothing();
    void nestsInCallerTransaction();
};

void TestDbMultiTest::initTestCase()
{
    freshDataDir();
    QVERIFY(DbOperator::instance()->storeDevice(device("M1", 19)));
}

void TestDbMultiTest::storeAndQuery()
{
    DbOperator* db = DbOperator::instance();
    const CheckUser ann = xuser("MED'A", "Ann");
    const CheckUser ben = xuser("MED-B", "Ben");
    QCOMPARE(multiTest(1, "x").size(), MultiTestRecord::kSize);
    QVERIFY(db->insertMultiTest("M1", ann, multiTest(1, "first")));
    QVERIFY(db->insertMultiTest("M1", ann, multiTest(1, "first")));
    QVERIFY(db->insertMultiTest("M1", ann, multiTest(3, "o'clock")));
    QVERIFY(db->insertMultiTest("M1", ben, multiTest(2, "")));
    QVERIFY(!db->insertMultiTest("", ann, multiTest(4, "")));
    QCOMPARE(rows("tb_multitest"), 3);
    QCOMPARE(db->checkCount("M1", CheckType::MultiTest), 3);
    QVERIFY(db->flowIds("M1").contains("20240910111201M1"));

    const QList<CheckRecord> all = db->checks("M1", CheckType::MultiTest);
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.at(0).bytes, multiTest(3, "o'clock"));
    QCOMPARE(all.at(0).userid, QString("MED'A"));
    QCOMPARE(all.at(1).bytes, multiTest(2, ""));
    QCOMPARE(all.at(2).bytes, multiTest(1, "first"));
    QCOMPARE(all.at(0).as<MultiTestRecord>().ecg_st, qint16(-12));

    const QList<CheckRecord> ofAnn = db->checks("M1", CheckType::MultiTest, "MED'A");
    QCOMPARE(ofAnn.size(), 2);
    QCOMPARE(ofAnn.at(1).checkTimeText(), QString("20240910111201"));
    QCOMPARE(value("select userid from tb_multitest where checktime = ?", {"20240910111202"}).toString(),
             QString("MED-B"));
}

void TestDbMultiTest::everyFieldInItsColumn_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("expected");
    const QList<QPair<QString, QVariant>> columns = {{"checktime", "20240910111203"},
                                                     {"dev_sn", "M1"},
                                                     {"userid", "MED'A"},
                                                     {"mode", 2},
                                                     {"func_selected", 0x1F},
                                                     {"note", "o'clock"},
                                                     {"ecg_way", 3},
                                                     {"ecg_hr", 75},
                                                     {"ecg_qrs", 98},
                                                     {"ecg_st", -12},
                                                     {"ecg_result", 0x40},
                                                     {"ecg_face", 4},
                                                     {"ecg_qt", 380},
                                                     {"ecg_qtc", 410},
                                                     {"ecg_waveVaild", 5},
                                                     {"oxi_way", 6},
                                                     {"oxi_spo2", 97},
                                                     {"oxi_pr", 71},
                                                     {"oxi_pi", 52},
                                                     {"oxi_face", 7},
                                                     {"temp_way", 8},
                                                     {"temp_temperature", 371},
                                                     {"temp_face", 9},
                                                     {"bp_deviceType", 10},
                                                     {"bp_sys", 121},
                                                     {"bp_mean", 93},
                                                     {"bp_dia", 81},
                                                     {"bp_arrhythmia", 11},
                                                     {"bp_pr", 72},
                                                     {"glucose_deviceType", 12},
                                                     {"glucose_glucose", 1000}};
    QCOMPARE(columns.size(), 31); // every column of the table
    for (const auto& column : columns)
        QTest::newRow(qPrintable(column.first)) << column.first << column.second;
}

void TestDbMultiTest::everyFieldInItsColumn()
{
    QFETCH(QString, column);
    QFETCH(QVariant, expected);
    const QVariant stored =
        value("select " + column + " from tb_multitest where checktime = '20240910111203' and dev_sn = 'M1'");
    QCOMPARE(stored.toString(), expected.toString());
}

void TestDbMultiTest::reportUserIsEnsuredOnce()
{
    DbOperator* db = DbOperator::instance();
    CheckUser ann = xuser("MED'A", "Ann O'Neil");
    QVERIFY(db->ensureMultiTestReportUser("M1", ann));
    ann.name = "Renamed on the device";
    QVERIFY(db->ensureMultiTestReportUser("M1", ann));
    CheckUser stored;
    QVERIFY(db->multiTestReportUser("M1", "20240910111203", &stored));
    QCOMPARE(stored.name, QString("Ann O'Neil"));
    QCOMPARE(stored.medicalid, QString("MED'A"));
    QCOMPARE(stored.userid, QString("M1MED'A"));
    QCOMPARE(stored.sex, 1);
    QCOMPARE(stored.birthday, QDate(1990, 5, 6));
    QCOMPARE(stored.height, 170);
    QCOMPARE(stored.weight, 700);
    QCOMPARE(db->multiTestUserName("M1", "MED'A"), QString("Ann O'Neil"));

    stored.name = "Ann 'edited'";
    stored.physician = "Dr. Who";
    stored.indication = "check-up";
    stored.weight = 650;
    QVERIFY(db->updateMultiTestReportUser("M1", stored));
    CheckUser updated;
    QVERIFY(db->multiTestReportUser("M1", "20240910111201", &updated));
    QCOMPARE(updated.name, QString("Ann 'edited'"));
    QCOMPARE(updated.physician, QString("Dr. Who"));
    QCOMPARE(updated.indication, QString("check-up"));
    QCOMPARE(updated.weight, 650);
    QVERIFY(!db->multiTestReportUser("M1", "20240910111202", &updated)); // Ben has no report user yet
    QVERIFY(!db->multiTestReportUser("M1", "19990101000000", &updated));
}

void TestDbMultiTest::remarkIsEnsuredOnce()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->ensureMultiTestRemark("M1", multiTest(3, "o'clock")));
    QCOMPARE(db->multiTestRemark("M1", "20240910111203"), QString("o'clock"));
    QVERIFY(db->updateMultiTestRemark("M1", "20240910111203", "seen by 'the' nurse"));
    QVERIFY(db->ensureMultiTestRemark("M1", multiTest(3, "o'clock")));
    QCOMPARE(db->multiTestRemark("M1", "20240910111203"), QString("seen by 'the' nurse"));
    QVERIFY(db->multiTestRemark("M1", "20240910111202").isEmpty());
}

void TestDbMultiTest::usersCountsAndHideFlag()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->ensureMultiTestReportUser("M1", xuser("MED-B", "")));
    QList<DeviceUser> users = db->deviceUsers("M1", CheckType::MultiTest, true);
    std::sort(users.begin(), users.end(),
              [](const DeviceUser& a, const DeviceUser& b) { return a.medicalid < b.medicalid; });
    QCOMPARE(users.size(), 2);
    QCOMPARE(users.at(0).medicalid, QString("MED'A"));
    QCOMPARE(users.at(0).userid, QString("M1MED'A"));
    QCOMPARE(users.at(0).displayName, QString("Ann 'edited'"));
    QCOMPARE(users.at(0).count, 2);
    QCOMPARE(users.at(1).medicalid, QString("MED-B"));
    QCOMPARE(users.at(1).count, 1);
    QCOMPARE(db->multiTestCount("M1", "MED'A"), 2);
    QCOMPARE(db->multiTestCount("M1", "NOBODY"), 0);

    QVERIFY(!db->isMultiTestUserHidden("M1", "MED'A"));
    QVERIFY(db->setMultiTestUserHidden("M1", "MED'A", true));
    QVERIFY(db->isMultiTestUserHidden("M1", "MED'A"));
    QVERIFY(!db->isMultiTestUserHidden("M1", "MED-B"));
    QVERIFY(db->setMultiTestUserHidden("M1", "MED'A", false));
    QVERIFY(!db->isMultiTestUserHidden("M1", "MED'A"));
    QCOMPARE(rows("tb_multitest_hide"), 1);
}

void TestDbMultiTest::deleteKeepsRemark()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->deleteCheck("M1", CheckType::MultiTest, "20240910111203"));
    QCOMPARE(db->checks("M1", CheckType::MultiTest, "MED'A").size(), 1);
    QVERIFY(!db->flowIds("M1").contains("20240910111203M1"));
    QCOMPARE(db->multiTestRemark("M1", "20240910111203"), QString("seen by 'the' nurse"));
}

void TestDbMultiTest::failureLeavesNothing()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(breakTable("tb_devCheck"));
    QVERIFY(!db->insertMultiTest("M1", xuser("MED-C", "Cy"), multiTest(9, "lost")));
    QVERIFY(repairTable("tb_devCheck"));
    QCOMPARE(db->multiTestCount("M1", "MED-C"), 0);
}

// A caller's open transaction no longer makes the store fail.
void TestDbMultiTest::nestsInCallerTransaction()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->beginTransaction());
    QVERIFY(db->insertMultiTest("M1", xuser("MED-C", "Cy"), multiTest(9, "kept")));
    QVERIFY(db->ensureMultiTestRemark("M1", multiTest(9, "kept")));
    QVERIFY(db->commit());
    QCOMPARE(db->multiTestCount("M1", "MED-C"), 1);
    QCOMPARE(db->multiTestRemark("M1", "20240910111209"), QString("kept"));
}

QTEST_GUILESS_MAIN(TestDbMultiTest)
#include "TestDbMultiTest.moc"
