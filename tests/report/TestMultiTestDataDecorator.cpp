#include "app/Config.h"
#include "report/MultiTestDataDecorator.h"

#include <QtTest>

class TestMultiTestDataDecorator : public QObject
{
    Q_OBJECT
private slots:
    void allZeroIsPlaceholderWithoutUnits();
    void bloodPressureWithOneValue();
    void valuesAndUnitsApart();
    void glucoseUnits_data();
    void glucoseUnits();
};

void TestMultiTestDataDecorator::allZeroIsPlaceholderWithoutUnits()
{
    const MultiTestDataDecorator text{MultiTestRecord()};
    using Formatter = QString (MultiTestDataDecorator::*)(QString*) const;
    for (Formatter formatter :
         {&MultiTestDataDecorator::heartRate, &MultiTestDataDecorator::qrs, &MultiTestDataDecorator::qtQtc,
          &MultiTestDataDecorator::spo2, &MultiTestDataDecorator::pulseRate, &MultiTestDataDecorator::temperature,
          &MultiTestDataDecorator::bloodPressure, &MultiTestDataDecorator::glucose}) {
        QString unit = "x";
        QCOMPARE((text.*formatter)(&unit), QString("--"));
        QCOMPARE(unit, QString());
        QCOMPARE((text.*formatter)(nullptr), QString("--"));
    }
    for (const QString& verdict : {text.ecgResults(), text.spo2Result(), text.temperatureResult(),
                                   text.bloodPressureResult(), text.glucoseResult()})
        QCOMPARE(verdict, QString("--"));
}

void TestMultiTestDataDecorator::bloodPressureWithOneValue()
{
    MultiTestRecord record;
    record.bp_sys = 120;
    const MultiTestDataDecorator text(record);
    QCOMPARE(text.bloodPressure(), QString("120/--mmHg"));
    QCOMPARE(text.bloodPressureResult(), QString("Unable to Analyze"));
}

void TestMultiTestDataDecorator::valuesAndUnitsApart()
{
    Config::instance()->setCelsius(true);
    MultiTestRecord record;
    record.ecg_hr = 72;
    record.ecg_result = 0x03;
    record.ecg_qt = 380;
    record.ecg_qtc = 200;
    record.oxi_spo2 = 97;
    record.oxi_pr = 71;
    record.temp_temperature = 372;
    record.temp_face = 1;
    const MultiTestDataDecorator text(record);
    QString unit;
    QCOMPARE(text.heartRate(&unit), QString("72"));
    QCOMPARE(unit, QString("/min"));
    QCOMPARE(text.heartRate(), QString("72/min"));
    QCOMPARE(text.ecgResults(), QString("High Heart Rate,Low Heart Rate"));
    QCOMPARE(text.qtQtc(), QString("380/--ms"));
    QCOMPARE(text.spo2(), QString("97%"));
    QCOMPARE(text.spo2Result(), QString("Normal Blood Oxygen"));
    QCOMPARE(text.temperature(&unit), QString("37.2"));
    QCOMPARE(unit, QString::fromUtf8("℃"));
    QCOMPARE(text.temperatureResult(), QString("exception temp"));
    Config::instance()->setCelsius(false);
    QCOMPARE(text.temperature(), QString::fromUtf8("98.9℉"));
    Config::instance()->setCelsius(true);
}

void TestMultiTestDataDecorator::glucoseUnits_data()
{
    QTest::addColumn<int>("unitType");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("mmol/L") << 0 << 56 << "5.6 mmol/L"
                            << "normal range blood glucose";
    QTest::newRow("100 mg/dL") << 1 << 100 << "100 mg/dL"
                               << "normal range blood glucose";
    QTest::newRow("140 mg/dL") << 1 << 140 << "140 mg/dL"
                               << "High range blood glucose";
    QTest::newRow("unknown unit") << 7 << 100 << "--"
                                  << "Unable to analyze";
}

void TestMultiTestDataDecorator::glucoseUnits()
{
    QFETCH(int, unitType);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    MultiTestRecord record;
    record.glucose_deviceType = quint8(unitType);
    record.glucose_glucose = quint16(value);
    const MultiTestDataDecorator decorator(record);
    QCOMPARE(decorator.glucose(), text);
    QCOMPARE(decorator.glucoseResult(), verdict);
}

QTEST_GUILESS_MAIN(TestMultiTestDataDecorator)
#include "TestMultiTestDataDecorator.moc"
