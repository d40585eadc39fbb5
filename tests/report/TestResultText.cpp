#include "report/LeadText.h"
#include "report/ResultText.h"

#include <QtTest>

class TestResultText : public QObject
{
    Q_OBJECT
private slots:
    void ecgResults_data();
    void ecgResults();
    void pulse_data();
    void pulse();
    void bloodPressure_data();
    void bloodPressure();
    void sleepAndSpo2();
    void glucose_data();
    void glucose();
    void leads_data();
    void leads();
};

void TestResultText::ecgResults_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("maxCount");
    QTest::addColumn<QString>("text");
    QTest::newRow("regular") << 0 << 2 << "Regular ECG Rhythm";
    QTest::newRow("unable") << 255 << 2 << "Unable to Analyze";
    QTest::newRow("two bits, no space") << 0x03 << 2 << "High Heart Rate,Low Heart Rate";
    QTest::newRow("spot row takes one") << 0x03 << 1 << "High Heart Rate";
    QTest::newRow("stops at two") << 0x70 << 2 << "Low ST Value,Irregular ECG Rhythm";
    QTest::newRow("bit 6") << 0x40 << 2 << "Suspected Premature Beat";
    QTest::newRow("bit 7 alone names nothing") << 0x80 << 2 << "";
}

void TestResultText::ecgResults()
{
    QFETCH(int, code);
    QFETCH(int, maxCount);
    QFETCH(QString, text);
    QCOMPARE(ResultText::ecg(code, maxCount), text);
}

void TestResultText::pulse_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("text");
    QTest::newRow("0xFF") << 0xFF << "Poor signal";
    QTest::newRow("0xFE") << 0xFE << "Poor pulse signal";
    QTest::newRow("0") << 0 << "Regular heart beat";
    QTest::newRow("0x05 has bit 2") << 0x05 << "Irregular heart beat";
    QTest::newRow("0xFD has high bits") << 0xFD << "Irregular heart beat";
    QTest::newRow("0x01") << 0x01 << "Fast heart rate";
    QTest::newRow("0x02") << 0x02 << "Slow heart rate";
    QTest::newRow("0x03 fast wins") << 0x03 << "Fast heart rate";
}

void TestResultText::pulse()
{
    QFETCH(int, flag);
    QFETCH(QString, text);
    QCOMPARE(ResultText::pulse(flag), text);
}

void TestResultText::bloodPressure_data()
{
    QTest::addColumn<int>("systolic");
    QTest::addColumn<int>("diastolic");
    QTest::addColumn<QString>("text");
    QTest::newRow("normal") << 120 << 80 << "Normal range blood pressure";
    QTest::newRow("systolic 140") << 140 << 80 << "High range blood pressure";
    QTest::newRow("diastolic 90") << 120 << 90 << "High range blood pressure";
    QTest::newRow("high with missing diastolic") << 150 << 0 << "High range blood pressure";
    QTest::newRow("missing diastolic") << 120 << 0 << "Unable to Analyze";
    QTest::newRow("nothing") << 0 << 0 << "Unable to Analyze";
}

void TestResultText::bloodPressure()
{
    QFETCH(int, systolic);
    QFETCH(int, diastolic);
    QFETCH(QString, text);
    QCOMPARE(ResultText::bloodPressure(systolic, diastolic), text);
}

void TestResultText::sleepAndSpo2()
{
    QCOMPARE(ResultText::sleep(0).picture, QString(":/happy"));
    QCOMPARE(ResultText::sleep(1).text, QString("Blood Oxygen drops detected"));
    QCOMPARE(ResultText::sleep(1).picture, QString(":/sad"));
    QCOMPARE(ResultText::sleep(2).text, QString("Unable to Analyze"));
    QVERIFY(ResultText::sleep(2).picture.isEmpty());
    QCOMPARE(ResultText::spo2(1), QString("Low Blood Oxygen"));
    QCOMPARE(ResultText::spo2(2), QString("Unable to Analyze"));
    QVERIFY(ResultText::facePicture(2).isEmpty());
}

void TestResultText::glucose_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picture");
    QTest::newRow("10") << 10 << "Unable to analyze"
                        << "";
    QTest::newRow("11") << 11 << "Low range blood glucose"
                        << ":/sad";
    QTest::newRow("38") << 38 << "Low range blood glucose"
                        << ":/sad";
    QTest::newRow("39") << 39 << "normal range blood glucose"
                        << ":/happy";
    QTest::newRow("72") << 72 << "normal range blood glucose"
                        << ":/happy";
    QTest::newRow("73") << 73 << "High range blood glucose"
                        << ":/sad";
    QTest::newRow("333") << 333 << "High range blood glucose"
                         << ":/sad";
    QTest::newRow("334") << 334 << "Unable to analyze"
                         << "";
}

void TestResultText::glucose()
{
    QFETCH(int, tenths);
    QFETCH(QString, text);
    QFETCH(QString, picture);
    QCOMPARE(ResultText::glucose(tenths).text, text);
    QCOMPARE(ResultText::glucose(tenths).picture, picture);
}

void TestResultText::leads_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("recorder");
    QTest::addColumn<QString>("daily");
    QTest::addColumn<bool>("st");
    QTest::newRow("1") << 1 << "LEAD I/No"
                       << "Lead I/No" << false;
    QTest::newRow("3") << 3 << "LEAD I/Yes"
                       << "Lead I/Yes" << true;
    QTest::newRow("4") << 4 << "LEAD II/Yes"
                       << "Lead II/Yes" << true;
    QTest::newRow("5") << 5 << "LEAD Wristova/"
                       << "Lead II/No" << true;
    QTest::newRow("6") << 6 << "/"
                       << "Chest Lead/No" << false;
    QTest::newRow("0") << 0 << "/"
                       << "/" << false;
}

void TestResultText::leads()
{
    QFETCH(int, code);
    QFETCH(QString, recorder);
    QFETCH(QString, daily);
    QFETCH(bool, st);
    const LeadText::LeadCable r = LeadText::ecgRecorder(code);
    const LeadText::LeadCable d = LeadText::daily(code);
    QCOMPARE(r.lead + "/" + r.cable, recorder);
    QCOMPARE(d.lead + "/" + d.cable, daily);
    QCOMPARE(LeadText::showsSt(code), st);
}

QTEST_GUILESS_MAIN(TestResultText)
#include "TestResultText.moc"
