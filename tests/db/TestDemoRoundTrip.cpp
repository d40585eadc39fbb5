#include "db/DbOperator.h"
#include "emulator/DemoMonitorWriter.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/EcgDetail.h"
#include "files/HolterHeader.h"
#include "files/MultiTestFile.h"
#include "files/RecordFile.h"
#include "files/SleepTrend.h"
#include "files/UserRecord.h"
#include "files/XUserRecord.h"
#include "support/DbTestSupport.h"

#include <QtTest>

using namespace DbTestSupport;

namespace {

struct Expected
{
    QByteArray bytes;
    QString userid;
};

// Same-second checks of one device share a row, except per-user glucose.
QString key(int checkType, const QString& checkTime, const QString& userid)
{
    return checkType == CheckType::UserGlucose ? checkTime + userid : checkTime;
}

} // namespace

// Every monitor model of the demo data generator: its files read with the
// readers, stored, and queried back record for record.
class TestDemoRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void model_data();
    void model();
};

void TestDemoRoundTrip::initTestCase()
{
    freshDataDir();
    QVERIFY(DbOperator::instance());
}

void TestDemoRoundTrip::model_data()
{
    QTest::addColumn<int>("modelType");
    for (int code : DeviceModel::modelTypes())
        QTest::newRow(qPrintable(QString::number(code))) << code;
}

void TestDemoRoundTrip::model()
{
    QFETCH(int, modelType);
    DbOperator* db = DbOperator::instance();
    const DemoMonitorWriter writer(modelType, 2024, 180);
    const QMap<QString, QByteArray> files = writer.files();

    const auto info = DeviceInfo::fromBytes(files.value("identity.dat"));
    QVERIFY(info);
    QCOMPARE(int(info->modelType), modelType);
    const QString sn = info->sn;
    QCOMPARE(sn, writer.serialNumber());
    QVERIFY(db->storeDevice(*info));

    const QList<UserRecord> userRecords =
        RecordCodec::decodeAll<UserRecord>(RecordFile::split(files.value("usr.dat"), UserRecord::kSize));
    const QList<XUserRecord> xuserRecords =
        RecordCodec::decodeAll<XUserRecord>(RecordFile::split(files.value("xusr.dat"), XUserRecord::kSize));
    QList<CheckUser> users, xusers;
    for (const UserRecord& record : userRecords)
        users << record.toCheckUser(sn);
    for (const XUserRecord& record : xuserRecords)
        xusers << record.toCheckUser(sn);
    if (!users.isEmpty())
        QVERIFY(db->storeUsers(sn, users));
    if (!xusers.isEmpty())
        QVERIFY(db->storeUsers(sn, xusers));

    int stored = 0;
    for (int code : CheckType::all()) {
        if (!DeviceModel::of(modelType).offers(code))
            continue;
        QMap<QString, Expected> expected;
        auto store = [&](const QByteArray& file, const CheckUser& owner) {
            const QList<QByteArray> records = RecordFile::split(file, CheckType::recordSize(code));
            QVERIFY(db->insertChecks(sn, code, records, owner));
            const bool perUser = CheckType::userList(code) != CheckType::UserList::None;
            for (const QByteArray& record : records) {
                const QByteArray bytes = storedForm(code, record);
                CheckRecord check;
                check.bytes = bytes;
                QVERIFY2(check.checkTime().year >= 2000 && check.checkTime().year < 2100,
                         qPrintable(check.checkTimeText()));
                expected[key(code, check.checkTimeText(), owner.userid)] =
                    Expected{bytes, perUser ? owner.userid : QString(Vitacor::kNoUserId)};
            }
        };

        if (code == CheckType::Holter) {
            const auto header = HolterHeader::fromBytes(files.value(HolterHeader::fileName()));
            QVERIFY(header);
            CheckUser owner;
            for (const UserRecord& record : userRecords) {
                if (record.index == header->userIndex) {
                    owner = record.toCheckUser(sn);
                    break;
                }
            }
            QVERIFY(db->insertHolter(sn, owner, header->checkTimeText(), header->duration));
            const QList<HolterCheck> holter = db->holterChecks(sn);
            QCOMPARE(holter.size(), 1);
            QCOMPARE(holter.at(0).checkTime, header->checkTimeText());
            QCOMPARE(holter.at(0).duration, int(header->duration));
            QCOMPARE(holter.at(0).userid, owner.userid);
            ++stored;
            continue;
        }
        if (code == CheckType::MultiTest) {
            for (int i = 0; i < xuserRecords.size(); ++i) {
                const QString name = CheckType::perUserFileName(xuserRecords.at(i).index, code);
                if (!files.contains(name))
                    continue;
                const MultiTestFile file = MultiTestFile::fromBytes(files.value(name));
                QVERIFY(!file.endsReading());
                for (const QByteArray& record : file.records) {
                    QVERIFY(db->insertMultiTest(sn, xusers.at(i), record));
                    expected[RecordCodec::decode<MultiTestRecord>(record).checkTime.text()] =
                        Expected{record, xusers.at(i).medicalid};
                }
            }
        } else if (CheckType::userList(code) == CheckType::UserList::Users) {
            for (int i = 0; i < userRecords.size(); ++i)
                store(files.value(CheckType::perUserFileName(userRecords.at(i).index, code)), users.at(i));
        } else if (CheckType::userList(code) == CheckType::UserList::ExtendedUsers) {
            for (int i = 0; i < xuserRecords.size(); ++i)
                store(files.value(CheckType::perUserFileName(xuserRecords.at(i).index, code)), xusers.at(i));
        } else {
            store(files.value(code == CheckType::CorvisetDailyCheck ? "1dlc.dat" : CheckType::fileName(code)),
                  CheckUser());
        }

        const QList<CheckRecord> back = db->checks(sn, code);
        QCOMPARE(back.size(), expected.size());
        for (int i = 0; i < back.size(); ++i) {
            const CheckRecord& record = back.at(i);
            if (i > 0)
                QVERIFY(back.at(i - 1).checkTimeText() >= record.checkTimeText());
            const Expected want = expected.value(key(code, record.checkTimeText(), record.userid));
            QCOMPARE(record.bytes, want.bytes);
            QCOMPARE(record.userid, want.userid);

            const bool hasEcg = code == CheckType::Ecg || code == CheckType::DailyCheck ||
                code == CheckType::SpotCheck || code == CheckType::CorvisetDailyCheck;
            if (hasEcg && files.contains(record.checkTimeText())) {
                const EcgDetail detail =
                    EcgDetail::fromBytes(files.value(record.checkTimeText()), EcgDetail::formFor(code, modelType));
                QVERIFY(detail.isRead());
                QVERIFY(detail.sampleCount() > 0);
            }
            if (code == CheckType::Sleep)
                QVERIFY(!SleepTrend::fromBytes(files.value(record.checkTimeText())).isEmpty());
        }
        stored += back.size();
    }
    QVERIFY(stored > 0);
}

QTEST_GUILESS_MAIN(TestDemoRoundTrip)
#include "TestDemoRoundTrip.moc"
