#include "files/CheckRecord.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/DailyRecord.h"
#include "files/DeviceInfo.h"
#include "files/EcgRecord.h"
#include "files/GlucoseRecord.h"
#include "files/HolterHeader.h"
#include "files/MultiTestFile.h"
#include "files/MultiTestRecord.h"
#include "files/NibpRecord.h"
#include "files/OxiRecord.h"
#include "files/PedoRecord.h"
#include "files/RecordFile.h"
#include "files/SlmRecord.h"
#include "files/Spo2TempRecord.h"
#include "files/SpotRecord.h"
#include "files/TempRecord.h"
#include "files/UserRecord.h"
#include "files/XUserRecord.h"
#include "support/ByteFixture.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
    return path;
}

// Decodes a fixture and checks that encoding the value gives it back byte for byte.
template <class R>
R decodeChecked(const QByteArray& fixture, const char* file, int line)
{
    const R record = RecordCodec::decode<R>(fixture);
    QTest::qVerify(RecordCodec::encode(record) == fixture, "encode(decode(fixture)) == fixture", "", file, line);
    return record;
}
#define decodeRoundTrip(R, fixture) decodeChecked<R>(fixture, __FILE__, __LINE__)

} // namespace

class TestRecordFiles : public QObject
{
    Q_OBJECT
private slots:
    void checkTimeText();
    void ecgOxiTemp();
    void sleep();
    void dailyAndCorvisetDaily();
    void nibpYearCountsFrom2000();
    void pedometer();
    void spotCheck();
    void spo2TempAndGlucose();
    void multiTestRecord();
    void recordFileDropsPartialRecord();
    void recordFileMissingOrEmpty();
    void userList();
    void userIdsReadValidUtf8ElseLatin1_data();
    void userIdsReadValidUtf8ElseLatin1();
    void extendedUserSex_data();
    void extendedUserSex();
    void extendedUser();
    void deviceFile();
    void deviceFileBranchCodeLine_data();
    void deviceFileBranchCodeLine();
    void deviceFileEmptyOrShort();
    void multiTestFileHeaderRule();
    void waveFileHeader();
    void storedRecordCarriesFullYear();
};

void TestRecordFiles::checkTimeText()
{
    const CheckTime t{2024, 3, 4, 21, 5, 7};
    QCOMPARE(t.text(), QString("20240304210507"));
    QCOMPARE(CheckTime::fromText("20240304210507"), t);
    QCOMPARE(t.toDateTime(), QDateTime(QDate(2024, 3, 4), QTime(21, 5, 7)));
    // An impossible stamp still gets its own name.
    const CheckTime garbage{65535, 13, 32, 25, 61, 99};
    QCOMPARE(garbage.text(), QString("655351332256199"));
    QCOMPARE(CheckTime::fromText(garbage.text()), garbage);
    QCOMPARE(CheckTime::fromText(""), CheckTime());
}

void TestRecordFiles::ecgOxiTemp()
{
    const auto ecg = decodeRoundTrip(EcgRecord, ByteFixture().stamp(2023, 12, 31, 23, 59, 58).u8(3).u8(0xFF).u8(1));
    QCOMPARE(ecg.checkTime, (CheckTime{2023, 12, 31, 23, 59, 58}));
    QCOMPARE(ecg.way, qint8(3));
    QCOMPARE(ecg.face, qint8(-1));
    QCOMPARE(ecg.voice, qint8(1));

    const auto oxi =
        decodeRoundTrip(OxiRecord, ByteFixture().stamp(2024, 1, 2, 3, 4, 5).u8(200).u8(98).u8(210).u8(250).u8(0xFE));
    QCOMPARE(oxi.way, quint8(200));
    QCOMPARE(oxi.spo2, qint8(98));
    QCOMPARE(oxi.PR, quint8(210));
    QCOMPARE(oxi.PI, quint8(250));
    QCOMPARE(oxi.face, qint8(-2));

    const auto tmp = decodeRoundTrip(TempRecord, ByteFixture().stamp(2024, 1, 2, 3, 4, 5).u8(1).u16(-12).u8(0));
    QCOMPARE(tmp.target, qint8(1));
    QCOMPARE(tmp.temp, qint16(-12));
    QCOMPARE(tmp.tempFace, qint8(0));
    QCOMPARE(decodeRoundTrip(TempRecord, ByteFixture().stamp(2024, 1, 2, 3, 4, 5).u8(0).u16(365).u8(1)).temp,
             qint16(365));
}

void TestRecordFiles::sleep()
{
    const auto slm = decodeRoundTrip(
        SlmRecord, ByteFixture().stamp(2024, 5, 6, 22, 0, 0).u32(0x89ABCDEF).u16(600).u16(12).u8(81).u8(95).u8(1));
    QCOMPARE(slm.totalTime, quint32(0x89ABCDEF));
    QCOMPARE(slm.lowOxiTime, quint16(600));
    QCOMPARE(slm.lowOxiCount, quint16(12));
    QCOMPARE(slm.lowestOxi, quint8(81));
    QCOMPARE(slm.averageOxi, quint8(95));
    QCOMPARE(slm.smile, quint8(1));
}

void TestRecordFiles::dailyAndCorvisetDaily()
{
    const QByteArray fixture =
        ByteFixture().stamp(2024, 2, 29, 8, 30, 0).u16(72).u8(1).u8(97).u8(45).u8(0).u8(0x85).u8(200).u8(0xFF).u8(1);
    QCOMPARE(fixture.size(), DailyRecord::kSize);
    const auto daily = decodeRoundTrip(DailyRecord, fixture);
    QCOMPARE(daily.HR, qint16(72));
    QCOMPARE(daily.ECGFace, qint8(1));
    QCOMPARE(daily.SpO2, qint8(97));
    QCOMPARE(daily.PI, qint8(45));
    QCOMPARE(daily.SpO2Face, qint8(0));
    QCOMPARE(daily.BPFlag, quint8(0x85));
    QCOMPARE(daily.BP, quint8(200));
    QCOMPARE(daily.BPIFace, qint8(-1));
    QCOMPARE(daily.voice, qint8(1));

    const auto corviset = decodeRoundTrip(CorvisetDailyRecord, fixture);
    QCOMPARE(corviset.HR, qint16(72));
    QCOMPARE(corviset.PR, quint8(0x85));
    QCOMPARE(corviset.BP, qint8(-56));
    QCOMPARE(corviset.unusual, qint8(-1));
    QCOMPARE(corviset.voice, qint8(1));
}

void TestRecordFiles::nibpYearCountsFrom2000()
{
    const QByteArray fixture = ByteFixture().stamp(25, 6, 1, 7, 45, 30).u16(135).u8(88).u8(0xB4);
    const auto nibp = decodeRoundTrip(NibpRecord, fixture);
    QCOMPARE(nibp.checkTime.year, quint16(2025));
    QCOMPARE(nibp.checkTime.text(), QString("20250601074530"));
    QCOMPARE(nibp.sys, qint16(135));
    QCOMPARE(nibp.dia, qint8(88));
    QCOMPARE(nibp.pr, qint8(-76));
}

void TestRecordFiles::pedometer()
{
    const auto ped = decodeRoundTrip(
        PedoRecord,
        ByteFixture().stamp(2024, 7, 1, 18, 0, 0).u32(12345).u32(161).u32(-5).u32(987654).u16(250).u32(3600));
    QCOMPARE(ped.Steps, 12345);
    QCOMPARE(ped.Distance, 161);
    QCOMPARE(ped.AvgSpeed, -5);
    QCOMPARE(ped.TotalCal, 987654);
    QCOMPARE(ped.Fat, qint16(250));
    QCOMPARE(ped.time, 3600);
}

void TestRecordFiles::spotCheck()
{
    const QByteArray fixture = ByteFixture()
                                   .stamp(2024, 8, 9, 10, 11, 12)
                                   .u16(7)
                                   .u16(65)
                                   .u16(96)
                                   .u16(-91)
                                   .u8(0x03)
                                   .u8(1)
                                   .u8(99)
                                   .u8(120)
                                   .u8(0)
                                   .u16(365)
                                   .u8(1)
                                   .u8(1)
                                   .u16(400)
                                   .u16(420);
    QCOMPARE(fixture.size(), SpotRecord::kSize);
    const auto spot = decodeRoundTrip(SpotRecord, fixture);
    QCOMPARE(spot.checkFunc, quint16(7));
    QCOMPARE(spot.HR, quint16(65));
    QCOMPARE(spot.QRS, quint16(96));
    QCOMPARE(spot.ST, qint16(-91));
    QCOMPARE(spot.ECGResult, quint8(3));
    QCOMPARE(spot.ECGFace, quint8(1));
    QCOMPARE(spot.Oxi, quint8(99));
    QCOMPARE(spot.PI, quint8(120));
    QCOMPARE(spot.OxiFace, quint8(0));
    QCOMPARE(spot.temp, quint16(365));
    QCOMPARE(spot.tempFace, quint8(1));
    QCOMPARE(spot.voice, quint8(1));
    QCOMPARE(spot.QT, quint16(400));
    QCOMPARE(spot.QTc, quint16(420));
}

void TestRecordFiles::spo2TempAndGlucose()
{
    const auto history = decodeRoundTrip(
        Spo2TempRecord, ByteFixture().stamp(2024, 1, 1, 0, 0, 1).u8(2).u8(95).u8(80).u8(33).u16(368).zeros(4));
    QCOMPARE(history.way, quint8(2));
    QCOMPARE(history.spo2, qint8(95));
    QCOMPARE(history.PR, quint8(80));
    QCOMPARE(history.PI, quint8(33));
    QCOMPARE(history.temp, quint16(368));

    const QByteArray fixture =
        ByteFixture().stamp(2024, 1, 1, 7, 0, 0).u16(100).u8(1).zeros(2).text("after \xE9 meal", 20);
    QCOMPARE(fixture.size(), GlucoseRecord::kSize);
    const auto glucose = decodeRoundTrip(GlucoseRecord, fixture);
    QCOMPARE(glucose.glucose, quint16(100));
    QCOMPARE(glucose.type, quint8(1));
    QCOMPARE(glucose.note, QByteArray("after \xE9 meal"));

    // A note filling its whole field has no terminator and still ends there.
    const auto full = RecordCodec::decode<GlucoseRecord>(
        ByteFixture().stamp(2024, 1, 1, 7, 0, 0).u16(1).u8(0).zeros(2).text("12345678901234567890", 20).raw("XY"));
    QCOMPARE(full.note, QByteArray("12345678901234567890"));
}

void TestRecordFiles::multiTestRecord()
{
    const QByteArray fixture = ByteFixture()
                                   .stamp(2024, 9, 10, 11, 12, 13)
                                   .u8(2) // mode
                                   .u16(0x1F) // func_selected
                                   .zeros(2)
                                   .text("fasting", 20)
                                   .u8(1) // ecg_way
                                   .u16(75) // ecg_hr
                                   .u16(98) // ecg_qrs
                                   .u16(-12) // ecg_st
                                   .u8(0x40) // ecg_result
                                   .u8(1) // ecg_face
                                   .u16(380) // ecg_qt
                                   .u16(410) // ecg_qtc
                                   .u8(1) // ecg_waveVaild
                                   .zeros(2)
                                   .u8(3) // oxi_way
                                   .u8(97) // oxi_spo2
                                   .u16(300) // oxi_pr
                                   .u8(52) // oxi_pi
                                   .u8(0) // oxi_face
                                   .zeros(2)
                                   .u8(1) // temp_way
                                   .u16(371) // temp_temperature
                                   .u8(1) // temp_face
                                   .u8(4) // bp_deviceType
                                   .u16(300) // bp_sys
                                   .u8(100) // bp_mean
                                   .u8(85) // bp_dia
                                   .u8(1) // bp_arrhythmia
                                   .u16(280) // bp_pr
                                   .u8(1) // glucose_deviceType
                                   .u16(1000) // glucose_glucose
                                   .zeros(1);
    QCOMPARE(fixture.size(), MultiTestRecord::kSize);
    const auto m = decodeRoundTrip(MultiTestRecord, fixture);
    QCOMPARE(m.checkTime.text(), QString("20240910111213"));
    QCOMPARE(m.func_selected, quint16(0x1F));
    QCOMPARE(m.note, QByteArray("fasting"));
    QCOMPARE(m.ecg_way, quint8(1));
    QCOMPARE(m.ecg_st, qint16(-12));
    QCOMPARE(m.ecg_waveVaild, quint8(1));
    QCOMPARE(m.oxi_way, quint8(3));
    QCOMPARE(m.oxi_pr, quint16(300));
    QCOMPARE(m.temp_way, quint8(1));
    QCOMPARE(m.temp_temperature, quint16(371));
    QCOMPARE(m.bp_sys, quint16(300));
    QCOMPARE(m.bp_dia, quint8(85));
    QCOMPARE(m.bp_pr, quint16(280));
    QCOMPARE(m.glucose_glucose, quint16(1000));
}

void TestRecordFiles::recordFileDropsPartialRecord()
{
    QTemporaryDir dir;
    const QByteArray first = ByteFixture().stamp(2024, 1, 1, 1, 1, 1).u8(1).u8(0).u8(0);
    const QByteArray second = ByteFixture().stamp(2024, 1, 1, 1, 1, 2).u8(2).u8(1).u8(1);
    const QString path = writeFile(dir, "ecg.dat", first + second + QByteArray("\x07\xE8\x01\x01\x01", 5));
    const QList<QByteArray> raw = RecordFile::read(path, EcgRecord::kSize);
    QCOMPARE(raw, (QList<QByteArray>{first, second}));
    const QList<EcgRecord> typed = RecordFile::read<EcgRecord>(path);
    QCOMPARE(typed.size(), 2);
    QCOMPARE(typed.at(1).checkTime.second, quint8(2));
    QCOMPARE(typed.at(1).way, qint8(2));
    QCOMPARE(RecordFile::split(first + second, 7).size(), 2);
    QVERIFY(RecordFile::split(first, 0).isEmpty());
    QVERIFY(RecordFile::split(first, -4).isEmpty());
}

void TestRecordFiles::recordFileMissingOrEmpty()
{
    QTemporaryDir dir;
    QVERIFY(RecordFile::read(dir.filePath("absent.dat"), 10).isEmpty());
    QVERIFY(RecordFile::read(writeFile(dir, "empty.dat", {}), 10).isEmpty());
    QVERIFY(RecordFile::read(writeFile(dir, "short.dat", "123456789"), 10).isEmpty());
    QVERIFY(RecordFile::read(dir.path(), 10).isEmpty()); // a folder is not readable as a file
}

void TestRecordFiles::userList()
{
    QTemporaryDir dir;
    const QByteArray anna = ByteFixture().u8(12).text("Anna", 17).u8(1).u16(1980).u8(2).u8(29).u16(655).u16(168);
    const QByteArray juergen = ByteFixture().u8(3).text("J\xC3\xBCrgen", 17).u8(7).u16(1975).u8(13).u8(1).u16(0).u16(0);
    QCOMPARE(anna.size(), UserRecord::kSize);
    const QList<UserRecord> users = RecordFile::read<UserRecord>(writeFile(dir, "usr.dat", anna + juergen));
    QCOMPARE(users.size(), 2);

    const CheckUser a = users.at(0).toCheckUser("SN1");
    QCOMPARE(users.at(0).index, quint8(12));
    QCOMPARE(CheckType::perUserFileName(users.at(0).index, CheckType::DailyCheck), QString("12dlc.dat"));
    QCOMPARE(a.userid, QString("SN1Anna"));
    QCOMPARE(a.name, QString("Anna"));
    QVERIFY(a.medicalid.isEmpty());
    QCOMPARE(a.sex, 1);
    QCOMPARE(a.birthday, QDate(1980, 2, 29));
    QCOMPARE(a.weight, 655);
    QCOMPARE(a.height, 168);
    QCOMPARE(a.age, 0);
    QVERIFY(!a.isXUser);

    // The id reads the name as UTF-8, the shown name as Latin-1; an unknown sex is kept.
    const CheckUser j = users.at(1).toCheckUser("SN1");
    QCOMPARE(j.userid, QString::fromUtf8("SN1J\xC3\xBCrgen"));
    QCOMPARE(j.name, QString::fromLatin1("J\xC3\xBCrgen"));
    QCOMPARE(j.sex, 7);
    QVERIFY(!j.birthday.isValid());
}

void TestRecordFiles::userIdsReadValidUtf8ElseLatin1_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("id");
    QTest::newRow("ASCII") << QByteArray("Anna") << QString("SN1Anna");
    QTest::newRow("valid UTF-8") << QByteArray("J\xC3\xBCrgen") << QString::fromUtf8("SN1J\xC3\xBCrgen");
    QTest::newRow("Latin-1 u umlaut") << QByteArray("J\xFCrgen") << QString::fromLatin1("SN1J\xFCrgen");
    QTest::newRow("Latin-1 o umlaut") << QByteArray("J\xF6rgen") << QString::fromLatin1("SN1J\xF6rgen");
    QTest::newRow("cut UTF-8 sequence") << QByteArray("Jo\xC3") << QString::fromLatin1("SN1Jo\xC3");
}

void TestRecordFiles::userIdsReadValidUtf8ElseLatin1()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, id);
    const QByteArray user = ByteFixture().u8(1).text(name, 17).u8(0).u16(1970).u8(1).u8(1).u16(0).u16(0);
    QCOMPARE(RecordCodec::decode<UserRecord>(user).toCheckUser("SN1").userid, id);
    const QByteArray xuser =
        ByteFixture().u8(1).text(name, 32).text("Bob", 32).u8(1).u8(0).u16(0).u16(0).u16(1990).u8(1).u8(1);
    QCOMPARE(RecordCodec::decode<XUserRecord>(xuser).toCheckUser("SN1").userid, id);
}

void TestRecordFiles::extendedUserSex_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("sex");
    QTest::newRow("1 male") << 1 << 0;
    QTest::newRow("2 female") << 2 << 1;
    QTest::newRow("0 unknown") << 0 << 2;
    QTest::newRow("3 unknown") << 3 << 2;
    QTest::newRow("255 unknown") << 255 << 2;
}

void TestRecordFiles::extendedUserSex()
{
    QFETCH(int, stored);
    const QByteArray fixture =
        ByteFixture().u8(1).text("MID-1", 32).text("Bob", 32).u8(stored).u8(0).u16(180).u16(800).u16(1990).u8(5).u8(6);
    QFETCH(int, sex);
    QCOMPARE(RecordCodec::decode<XUserRecord>(fixture).toCheckUser("SN").sex, sex);
}

void TestRecordFiles::extendedUser()
{
    const QByteArray fixture = ByteFixture()
                                   .u8(4)
                                   .text("ID\xC3\xA9-7", 32)
                                   .text("O'Neil", 32)
                                   .u8(2)
                                   .u8(0)
                                   .u16(172)
                                   .u16(615)
                                   .u16(1988)
                                   .u8(12)
                                   .u8(24);
    QCOMPARE(fixture.size(), XUserRecord::kSize);
    const XUserRecord record = decodeRoundTrip(XUserRecord, fixture);
    QCOMPARE(record.index, quint8(4));
    const CheckUser user = record.toCheckUser("SN9");
    QCOMPARE(user.userid, QString::fromUtf8("SN9ID\xC3\xA9-7"));
    QCOMPARE(user.medicalid, QString::fromLatin1("ID\xC3\xA9-7"));
    QCOMPARE(user.name, QString("O'Neil"));
    QCOMPARE(user.sex, 1);
    QCOMPARE(user.height, 172);
    QCOMPARE(user.weight, 615);
    QCOMPARE(user.birthday, QDate(1988, 12, 24));
    QVERIFY(user.isXUser);
    QCOMPARE(user.age, 0);
}

void TestRecordFiles::deviceFile()
{
    QTemporaryDir dir;
    const QByteArray block = ByteFixture()
                                 .u8(7)
                                 .u8(2)
                                 .u16(0x0103)
                                 .u8(1)
                                 .text("VC2024000001", 13)
                                 .u16(-2)
                                 .u32(0x01020304)
                                 .u32(0xF0000001)
                                 .u16(3);
    QCOMPARE(block.size(), DeviceInfo::kSize);
    const auto info = DeviceInfo::readFile(writeFile(dir, "dev.dat", block + QByteArray("13070001", 8) + '\0'));
    QVERIFY(info);
    QCOMPARE(info->modelType, quint8(7));
    QCOMPARE(info->hwMinor, quint8(2));
    QCOMPARE(info->bootloaderVer, quint16(0x0103));
    QCOMPARE(info->lockBit, quint8(1));
    QCOMPARE(info->sn, QString("VC2024000001"));
    QCOMPARE(info->dispname, QString("VC2024000001"));
    QCOMPARE(info->hardwareVer, qint16(-2));
    QCOMPARE(info->appVer, quint32(0x01020304));
    QCOMPARE(info->languageVer, quint32(0xF0000001));
    QCOMPARE(info->agreementVer, quint16(3));
    QCOMPARE(info->branchcode, QString("13070001"));
    QCOMPARE(info->toFileBytes(), block + QByteArray("13070001", 8) + '\0');

    // A serial number filling all 13 bytes has no terminator.
    const QByteArray full = ByteFixture().u8(1).zeros(4).text("ABCDEFGHIJKLM", 13).zeros(12);
    QCOMPARE(DeviceInfo::fromBytes(full)->sn, QString("ABCDEFGHIJKLM"));
    QVERIFY(!DeviceInfo::readFile(dir.filePath("absent.dat")));
}

void TestRecordFiles::deviceFileBranchCodeLine_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("branch");
    QTest::newRow("zero byte only") << QByteArray("\0", 1) << "";
    QTest::newRow("nothing") << QByteArray() << "";
    QTest::newRow("code and zero") << QByteArray("13050001\0", 9) << "13050001";
    QTest::newRow("junk after zero") << QByteArray("13050001\0junk\nmore", 18) << "13050001";
    QTest::newRow("line end") << QByteArray("1305\nsecond line", 16) << "1305";
    QTest::newRow("CR LF") << QByteArray("1305\r\n", 6) << "1305";
    QTest::newRow("CR LF after zero") << QByteArray("1305\0\r\n", 7) << "1305";
    QTest::newRow("CR before zero is text") << QByteArray("1305\r\0", 6) << "1305\r";
    QTest::newRow("no terminator") << QByteArray("99") << "99";
    QTest::newRow("Latin-1") << QByteArray("\xE9t\xE9\0", 4) << QString::fromLatin1("\xE9t\xE9");
}

void TestRecordFiles::deviceFileBranchCodeLine()
{
    QFETCH(QByteArray, tail);
    const QByteArray block = ByteFixture().u8(53).zeros(4).text("SN53", 13).zeros(12);
    const auto info = DeviceInfo::fromBytes(block + tail);
    QVERIFY(info);
    QFETCH(QString, branch);
    QCOMPARE(info->branchcode, branch);
    QCOMPARE(info->sn, QString("SN53"));
    // What the download writes back reads the same again.
    QCOMPARE(DeviceInfo::fromBytes(info->toFileBytes())->branchcode, branch);
}

void TestRecordFiles::deviceFileEmptyOrShort()
{
    QVERIFY(!DeviceInfo::fromBytes({}));
    // A short block keeps what it has; the missing fields read as zero.
    const auto info = DeviceInfo::fromBytes(ByteFixture().u8(19).u8(4).u16(9).u8(0).text("SHORT", 8));
    QVERIFY(info);
    QCOMPARE(info->modelType, quint8(19));
    QCOMPARE(info->sn, QString("SHORT"));
    QCOMPARE(info->appVer, quint32(0));
    QVERIFY(info->branchcode.isEmpty());
}

void TestRecordFiles::multiTestFileHeaderRule()
{
    QTemporaryDir dir;
    const QByteArray header("HEADER0123", 10);
    QByteArray records;
    for (int i = 0; i < 3; ++i)
        records += ByteFixture().stamp(2024, 1, 1, 0, 0, i).zeros(65);

    QCOMPARE(MultiTestFile::read(dir.filePath("1rec.dat")).status, MultiTestFile::Status::Unreadable);
    QVERIFY(!MultiTestFile::read(dir.filePath("1rec.dat")).endsReading());

    const MultiTestFile shortHeader = MultiTestFile::read(writeFile(dir, "2rec.dat", header.left(9)));
    QCOMPARE(shortHeader.status, MultiTestFile::Status::ShortHeader);
    QVERIFY(shortHeader.endsReading());

    const MultiTestFile headerOnly = MultiTestFile::fromBytes(header);
    QCOMPARE(headerOnly.status, MultiTestFile::Status::Complete);
    QVERIFY(!headerOnly.hasData);
    QVERIFY(headerOnly.records.isEmpty());

    const MultiTestFile complete = MultiTestFile::fromBytes(header + records);
    QCOMPARE(complete.status, MultiTestFile::Status::Complete);
    QVERIFY(complete.hasData);
    QCOMPARE(complete.records.size(), 3);
    QCOMPARE(RecordCodec::decode<MultiTestRecord>(complete.records.at(2)).checkTime.second, quint8(2));

    // 10 + 72 * 3 + 5 bytes: three records, then the reading ends.
    const MultiTestFile cut = MultiTestFile::fromBytes(header + records + "12345");
    QCOMPARE(cut.status, MultiTestFile::Status::CutRecord);
    QVERIFY(cut.endsReading());
    QCOMPARE(cut.records.size(), 3);

    const MultiTestFile partialOnly = MultiTestFile::fromBytes(header + "1");
    QCOMPARE(partialOnly.status, MultiTestFile::Status::CutRecord);
    QVERIFY(partialOnly.hasData);
    QVERIFY(partialOnly.records.isEmpty());
}

void TestRecordFiles::waveFileHeader()
{
    QTemporaryDir dir;
    const QByteArray header =
        ByteFixture().u32(1234).u32(512).u16(2024).u8(3).u8(4).u8(5).u8(6).u8(7).u32(86399).u8(12).zeros(42);
    QCOMPARE(header.size(), HolterHeader::kSize);
    const auto parsed = HolterHeader::readFile(writeFile(dir, "waveFile", header + QByteArray(4096, '\x55')));
    QVERIFY(parsed);
    QCOMPARE(parsed->checkTimeText(), QString("20240304050607"));
    QCOMPARE(parsed->duration, 86399);
    QCOMPARE(parsed->userIndex, quint8(12));
    QCOMPARE(HolterHeader::fileName(), QString("waveFile"));
    QVERIFY(!HolterHeader::fromBytes(header.left(61)));
    QVERIFY(!HolterHeader::readFile(dir.filePath("absent")));
}

// Records handed back by the record store hold the full year, also for blood pressure.
void TestRecordFiles::storedRecordCarriesFullYear()
{
    NibpRecord nibp;
    nibp.checkTime = CheckTime{2025, 6, 1, 7, 45, 30};
    nibp.sys = 120;
    CheckRecord stored;
    stored.checkType = CheckType::BloodPressure;
    stored.bytes = RecordCodec::encode(nibp, RecordCodec::Layout::Stored);
    QCOMPARE(stored.bytes.left(2), QByteArray("\xE9\x07", 2));
    QCOMPARE(stored.checkTimeText(), QString("20250601074530"));
    QCOMPARE(stored.as<NibpRecord>().checkTime.year, quint16(2025));
    QCOMPARE(stored.as<NibpRecord>().sys, qint16(120));
    QCOMPARE(RecordCodec::encode(nibp).left(2), QByteArray("\x19\x00", 2));
}

QTEST_GUILESS_MAIN(TestRecordFiles)
#include "TestRecordFiles.moc"
