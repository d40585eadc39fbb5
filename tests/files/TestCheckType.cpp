#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/RecordCodec.h"
#include "files/RecordTypes.h"
#include "files/ValueRange.h"

#include <QSet>
#include <QtTest>

class TestCheckType : public QObject
{
    Q_OBJECT
private slots:
    void everyTypeIsComplete();
    void sharedEntries();
    void unknownCodeIsEmpty();
    void perUserFileName();
    void recordTypesMatchTheirSize();
    void modelMask_data();
    void modelMask();
    void dailyOnlyAndUnknownModels();
    void validRangeLimits();
};

// What every row of the check-type table must hold, whatever is added to it.
void TestCheckType::everyTypeIsComplete()
{
    QSet<int> offered;
    for (int model : DeviceModel::modelTypes()) {
        // A model of unknown offer stands for every type there is.
        if (DeviceModel::of(model).checkTypes() == 0xFFFFFFFF)
            continue;
        for (int bit = 0; bit < 32; ++bit) {
            if (DeviceModel::of(model).offers(1 << bit))
                offered << (1 << bit);
        }
    }
    for (int code : offered)
        QVERIFY2(CheckType::all().contains(code), qPrintable(QString::number(code)));
    for (int code : CheckType::all()) {
        const QString what = QString::number(code);
        QVERIFY2(!CheckType::name(code).isEmpty(), qPrintable(what));
        QVERIFY2(CheckType::tableName(code).startsWith("tb_"), qPrintable(what));
        QVERIFY2(CheckType::treeIcon(code).startsWith(":/"), qPrintable(what));
        // A printable type always has a report to print.
        QVERIFY2(!CheckType::isPrintable(code) || CheckType::hasReport(code), qPrintable(what));
        // An index file, a record size and a record type come together; only Holter has none.
        const bool hasRecordType = RecordTypes::dispatch(code, [&](auto record) {
            using R = decltype(record);
            QCOMPARE(CheckType::hasVoice(code), RecordTypes::HasVoiceByte<R>::value);
        });
        QCOMPARE(hasRecordType, code != CheckType::Holter);
        QCOMPARE(CheckType::fileName(code).isEmpty(), !hasRecordType);
        QCOMPARE(CheckType::recordSize(code) > 0, hasRecordType);
    }
}

// Types that share a file, a table or a name: the monitor's and a user's
// variant, and the Corviset daily check's file of the daily check.
void TestCheckType::sharedEntries()
{
    QCOMPARE(CheckType::fileName(CheckType::CorvisetDailyCheck), CheckType::fileName(CheckType::DailyCheck));
    QVERIFY(CheckType::tableName(CheckType::CorvisetDailyCheck) != CheckType::tableName(CheckType::DailyCheck));
    for (auto pair : {qMakePair(CheckType::UserBloodPressure, CheckType::BloodPressure),
                      qMakePair(CheckType::UserGlucose, CheckType::Glucose)}) {
        QCOMPARE(CheckType::tableName(pair.first), CheckType::tableName(pair.second));
        QCOMPARE(CheckType::name(pair.first), CheckType::name(pair.second));
        QVERIFY(CheckType::userList(pair.first) != CheckType::userList(pair.second));
    }
    QVERIFY(CheckType::hasReport(CheckType::Holter));
    QVERIFY(CheckType::isPrintable(CheckType::Holter));
}

void TestCheckType::unknownCodeIsEmpty()
{
    for (int code : {0, 3, 32768, -1}) {
        QVERIFY(CheckType::name(code).isEmpty());
        QVERIFY(CheckType::fileName(code).isEmpty());
        QVERIFY(CheckType::tableName(code).isEmpty());
        QCOMPARE(CheckType::recordSize(code), 0);
    }
    QCOMPARE(CheckType::all().size(), 15);
}

void TestCheckType::perUserFileName()
{
    QCOMPARE(CheckType::perUserFileName(12, CheckType::DailyCheck), QString("12dlc.dat"));
    QCOMPARE(CheckType::perUserFileName(1, CheckType::MultiTest), QString("1rec.dat"));
    QCOMPARE(CheckType::perUserFileName(0, CheckType::UserGlucose), QString("0glu.dat"));
    QCOMPARE(CheckType::perUserFileName(255, CheckType::UserBloodPressure), QString("255nibp.dat"));
}

// Every record value lists exactly the bytes of its file record.
void TestCheckType::recordTypesMatchTheirSize()
{
    for (int code : CheckType::all()) {
        const bool known = RecordTypes::dispatch(code, [code](auto record) {
            using R = decltype(record);
            QCOMPARE(R::kSize, CheckType::recordSize(code));
            QCOMPARE(RecordCodec::encode(record).size(), R::kSize);
        });
        QCOMPARE(known, code != CheckType::Holter);
    }
}

void TestCheckType::modelMask_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QList<int>>("types");
    QTest::newRow("0") << 0 << QList<int>{1, 2, 4, 8, 16, 64, 128, 1024, 4096};
    QTest::newRow("1") << 1 << QList<int>{1, 2, 16};
    QTest::newRow("2") << 2 << QList<int>{1, 2, 4, 8, 16, 32, 64};
    QTest::newRow("5") << 5 << QList<int>{512};
    QTest::newRow("6") << 6 << QList<int>{1, 2, 16};
    QTest::newRow("7") << 7 << QList<int>{1, 2, 4, 8, 16, 32, 64};
    QTest::newRow("8") << 8 << QList<int>{1, 2, 4, 8, 16, 32};
    QTest::newRow("9") << 9 << QList<int>{1, 2, 4, 8, 16, 32, 64};
    QTest::newRow("18") << 18 << QList<int>{1, 2, 4, 8, 16, 32, 64};
    QTest::newRow("19") << 19 << QList<int>{1, 2, 4, 256, 8192, 16384};
    QTest::newRow("49") << 49 << QList<int>{1};
    QTest::newRow("53") << 53 << QList<int>{16};
    QTest::newRow("54") << 54 << QList<int>{2048};
}

void TestCheckType::modelMask()
{
    QFETCH(int, model);
    QFETCH(QList<int>, types);
    for (int code : CheckType::all())
        QCOMPARE(DeviceModel::of(model).offers(code), types.contains(code));
}

void TestCheckType::dailyOnlyAndUnknownModels()
{
    QCOMPARE(DeviceModel::of(53).checkTypes(), quint32(0x0010));
    QCOMPARE(DeviceModel::of(0).checkTypes(), quint32(0x14DF));
    QCOMPARE(DeviceModel::of(19).checkTypes(), quint32(0x6107));
    for (int unknown : {3, 4, 50, 255}) {
        QCOMPARE(DeviceModel::of(unknown).checkTypes(), quint32(0xFFFFFFFF));
        for (int code : CheckType::all())
            QVERIFY(DeviceModel::of(unknown).offers(code));
    }
}

// Both limits are inclusive: HR 27 is "--" and 28 shown, ST -91 is "--" and -90 shown.
void TestCheckType::validRangeLimits()
{
    QVERIFY(!ValueRange::ecgHeartRate().contains(27));
    QVERIFY(ValueRange::ecgHeartRate().contains(28));
    QVERIFY(ValueRange::ecgHeartRate().contains(255));
    QVERIFY(!ValueRange::ecgHeartRate().contains(256));
    QVERIFY(ValueRange::st().contains(-90));
    QVERIFY(!ValueRange::st().contains(-91));
    QVERIFY(ValueRange::st().contains(90));
    QVERIFY(!ValueRange::st().contains(91));
    QVERIFY(!ValueRange::zoravHeartRate().contains(28));
    QVERIFY(ValueRange::zoravHeartRate().contains(29));
    QVERIFY(!ValueRange::perfusionIndex().contains(0));
    QVERIFY(!ValueRange::spo2().contains(57));
    QVERIFY(!ValueRange::qt().contains(180));
    QVERIFY(!ValueRange::qtc().contains(601));
}

QTEST_GUILESS_MAIN(TestCheckType)
#include "TestCheckType.moc"
