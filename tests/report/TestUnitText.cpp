#include "app/LanguageTable.h"
#include "report/CheckValueText.h"
#include "report/DateTimeText.h"
#include "report/UnitText.h"

#include <QtTest>

class TestUnitText : public QObject
{
    Q_OBJECT
private slots:
    void temperature_data();
    void temperature();
    void pedometer();
    void glucose_data();
    void glucose();
    void ecgValues_data();
    void ecgValues();
    void dateTimeFollowsTheDisplayLanguage();
};

void TestUnitText::temperature_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("celsius");
    QTest::addColumn<QString>("fahrenheit");
    QTest::newRow("36.5") << 365 << QString::fromUtf8("36.5℃") << QString::fromUtf8("97.7℉");
    QTest::newRow("no reading") << 0 << "--"
                                << "--";
    QTest::newRow("whole degree") << 370 << QString::fromUtf8("37.0℃") << QString::fromUtf8("98.6℉");
    QTest::newRow("below zero keeps its sign") << -5 << QString::fromUtf8("-0.5℃") << QString::fromUtf8("31.1℉");
    QTest::newRow("-12.3") << -123 << QString::fromUtf8("-12.3℃") << QString::fromUtf8("9.8℉");
}

void TestUnitText::temperature()
{
    QFETCH(int, tenths);
    QFETCH(QString, celsius);
    QFETCH(QString, fahrenheit);
    QCOMPARE(UnitText::temperature(tenths, true), celsius);
    QCOMPARE(UnitText::temperature(tenths, false), fahrenheit);
}

void TestUnitText::pedometer()
{
    QCOMPARE(UnitText::distance(161, true), QString("1.61km"));
    QCOMPARE(UnitText::distance(161, false), QString("1.00mi"));
    QCOMPARE(UnitText::speed(161, true), QString("16.1km/h"));
    QCOMPARE(UnitText::speed(161, false), QString("10.0mi/h"));
    QCOMPARE(UnitText::fat(2835, true), QString("28.35g"));
    QCOMPARE(UnitText::fat(2835, false), QString("1.00oz"));
    QCOMPARE(UnitText::calories(12345), QString("123.45kcal"));
    QCOMPARE(UnitText::duration(3 * 3600 + 4 * 60 + 5), QString("03:04:05"));
}

void TestUnitText::glucose_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("unitType");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tenths");
    QTest::newRow("5.6 mmol/L") << 56 << 0 << "5.6mmol/L" << 56;
    QTest::newRow("100 mg/dL still normal") << 100 << 1 << "100mg/dL" << 56;
    QTest::newRow("140 mg/dL is 7.8") << 140 << 1 << "140mg/dL" << 78;
    QTest::newRow("132 mg/dL is 7.3") << 132 << 1 << "132mg/dL" << 73;
    QTest::newRow("71 mg/dL is 3.9") << 71 << 1 << "71mg/dL" << 39;
    QTest::newRow("unknown unit") << 100 << 2 << "" << 0;
}

void TestUnitText::glucose()
{
    QFETCH(int, value);
    QFETCH(int, unitType);
    QFETCH(QString, text);
    QFETCH(int, tenths);
    const UnitText::Glucose reading = UnitText::glucose(value, unitType);
    QCOMPARE(reading.value + reading.unit, text);
    QCOMPARE(reading.tenthsMmol, tenths);
}

void TestUnitText::ecgValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("HR 27") << CheckValueText::withSuffix(27, ValueRange::ecgHeartRate(), "/min") << "--";
    QTest::newRow("HR 28") << CheckValueText::withSuffix(28, ValueRange::ecgHeartRate(), "/min") << "28/min";
    QTest::newRow("ST -90") << CheckValueText::st(-90) << "-0.90mV";
    QTest::newRow("ST -91") << CheckValueText::st(-91) << "--";
    QTest::newRow("ST 0") << CheckValueText::st(0) << "+0.00mV";
    QTest::newRow("QT invalid") << CheckValueText::qtQtc(180, 400) << "--/400ms";
    QTest::newRow("PI 100") << CheckValueText::perfusionIndex(100) << "10.0";
    QTest::newRow("PI 0") << CheckValueText::perfusionIndex(0) << "--";
    QTest::newRow("15000 is 30 s") << CheckValueText::ecgDuration(15000) << "30s";
}

void TestUnitText::ecgValues()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestUnitText::dateTimeFollowsTheDisplayLanguage()
{
    const QDateTime time(QDate(2021, 3, 4), QTime(21, 5, 7));
    DisplayLanguage::set(QLocale::English);
    QCOMPARE(DateTimeText::dateTime(time, true), QString("09:05:07PM Mar 4, 2021"));
    QCOMPARE(DateTimeText::dateTime(time, false), QString("09:05PM Mar 4, 2021"));
    DisplayLanguage::set(QLocale::German);
    QCOMPARE(DateTimeText::dateTimePattern(true), QString("MMM d, yyyy HH:mm:ss"));
    QVERIFY(DateTimeText::dateTime(time, true).endsWith(" 4, 2021 21:05:07"));
    DisplayLanguage::set(QLocale::English);
}

QTEST_GUILESS_MAIN(TestUnitText)
#include "TestUnitText.moc"
