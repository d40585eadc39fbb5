#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/RecordCodec.h"
#include "files/RecordTypes.h"
#include "files/ValueRange.h"

#include <QtTest>

class TestCheckType : public QObject
{
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void unknownCodeIsEmpty();
    void perUserFileName();
    void recordTypesMatchTheirSize();
    void modelMask_data();
    void modelMask();
    void dailyOnlyAndUnknownModels();
    void validRangeLimits();
};

void TestCheckType::table_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("users");
    const int none = int(CheckType::UserList::None);
    const int users = int(CheckType::UserList::Users);
    const int xusers = int(CheckType::UserList::ExtendedUsers);
    QTest::newRow("1") << 1 << "ECG Recorder"
                       << "ecg.dat"
                       << "tb_ecg" << 10 << none;
    QTest::newRow("2") << 2 << "Pulse Oximeter"
                       << "oxi.dat"
                       << "tb_oxi" << 12 << none;
    QTest::newRow("4") << 4 << "Thermometer"
                       << "tmp.dat"
                       << "tb_temperature" << 11 << none;
    QTest::newRow("8") << 8 << "Pedometer"
                       << "ped.dat"
                       << "tb_pedo" << 29 << users;
    QTest::newRow("16") << 16 << "Daily Check"
                        << "dlc.dat"
                        << "tb_dailycheck" << 17 << users;
    QTest::newRow("32") << 32 << "Spot Check"
                        << "spc.dat"
                        << "tb_spotcheck" << 28 << xusers;
    QTest::newRow("64") << 64 << "Sleep Monitor"
                        << "slm.dat"
                        << "tb_slm" << 18 << none;
    QTest::newRow("128") << 128 << "Blood Pressure"
                         << "nibp.dat"
                         << "tb_nibp" << 11 << users;
    QTest::newRow("256") << 256 << "Blood Pressure"
                         << "nibp.dat"
                         << "tb_nibp" << 11 << none;
    QTest::newRow("512") << 512 << "ZoravIvide"
                         << "dlc.dat"
                         << "tb_dailycheck_corviset" << 17 << none;
    QTest::newRow("1024") << 1024 << "ECG Holter"
                          << ""
                          << "tb_holter" << 0 << none;
    QTest::newRow("2048") << 2048 << "History"
                          << "oxi_T.dat"
                          << "tb_spo2temp" << 17 << none;
    QTest::newRow("4096") << 4096 << "Blood Glucose"
                          << "glu.dat"
                          << "tb_glucose" << 32 << users;
    QTest::newRow("8192") << 8192 << "Blood Glucose"
                          << "glu.dat"
                          << "tb_glucose" << 32 << none;
    QTest::newRow("16384") << 16384 << "Multi Test"
                           << "rec.dat"
                           << "tb_multitest" << 72 << xusers;
}

void TestCheckType::table()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(CheckType::name(code), name);
    QFETCH(QString, file);
    QCOMPARE(CheckType::fileName(code), file);
    QFETCH(QString, table);
    QCOMPARE(CheckType::tableName(code), table);
    QFETCH(int, size);
    QCOMPARE(CheckType::recordSize(code), size);
    QFETCH(int, users);
    QCOMPARE(int(CheckType::userList(code)), users);
    QVERIFY(CheckType::all().contains(code));
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
