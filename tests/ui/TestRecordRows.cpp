#include "app/Config.h"
#include "app/LanguageTable.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/RecordTypes.h"
#include "report/DailyCheckText.h"
#include "support/RowFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using RowFixture::ListedRow;

namespace {

const QVector<qint16> kFlatSamples(7500, 0);

EcgHeader ecgHeader()
{
    EcgHeader header;
    header.waveLength = 15000;
    header.heartRate = 72;
    header.qrs = 96;
    header.qt = 380;
    header.qtc = 410;
    header.st = 12;
    header.bandwidth = 1;
    return header;
}

EcgRecord ecgRecord(int lead, int voice = 0)
{
    EcgRecord ecg;
    ecg.way = qint8(lead);
    ecg.voice = qint8(voice);
    return ecg;
}

DeviceInfo model(int modelType, const QString& branchCode = QString())
{
    DeviceInfo device;
    device.modelType = quint8(modelType);
    device.branchcode = branchCode;
    return device;
}

// Runs of columns holding the bars' fill colour in the 50 px right of the
// perfusion-index text, from the label's bottom up to the tallest bar (25 px
// high, 3 px above the bottom).
int filledBarRuns(const ListedRow& row)
{
    const QImage image = row.widget()->grab().toImage();
    const QLabel* label = row.widget()->findChild<QLabel*>("labelPI");
    const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
    const QRgb fill = qRgb(78, 78, 78);
    int runs = 0;
    bool inRun = false;
    for (int x = textEnd + 1; x < textEnd + 51; ++x) {
        bool found = false;
        for (int y = label->geometry().bottom() - 28; y <= label->geometry().bottom() && !found; ++y)
            found = image.pixel(x, y) == fill;
        if (found && !inRun)
            ++runs;
        inRun = found;
    }
    return runs;
}

} // namespace

class TestRecordRows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void everyCheckTypeHasARow();
    void ecgValuesFromTheDetailFile_data();
    void ecgValuesFromTheDetailFile();
    void ecgWithoutDetailFile();
    void chineseEditionHidesTheCable();
    void twoUserDailyShowsPulseVerdictAndUser_data();
    void twoUserDailyShowsPulseVerdictAndUser();
    void temperature_data();
    void temperature();
    void pedometerUnits();
    void glucose_data();
    void glucose();
    void perfusionBars_data();
    void perfusionBars();
    void zoravPulseRate_data();
    void zoravPulseRate();
    void historyTemperatureByBranchCode();
    void multiTestAllZero();
    void multiTestBloodPressureWithOneValue();
    void hoverShowsTheControls();
    void selectBoxAndListItemStayInStep();
    void buttonsRelayTheRow();
    void waveformStaysInItsRectangle();
    void detailFileWithoutSamples_data();
    void detailFileWithoutSamples();
};

void TestRecordRows::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    qRegisterMetaType<CheckItemBase*>();
    DisplayLanguage::set(QLocale::English);
}

void TestRecordRows::init()
{
    Config::instance()->setCelsius(true);
    Config::instance()->setKilometre(true);
    Config::instance()->setLanguage(1);
    RowFixture::removeDetailFiles();
}

// Every check type with records has a row class and height, and its row
// shows a stored record of the type with its time and some value text.
void TestRecordRows::everyCheckTypeHasARow()
{
    for (int code : CheckType::all()) {
        const bool stored = RecordTypes::dispatch(code, [code](auto typed) {
            ListedRow row(RowFixture::record(code, typed));
            QVERIFY2(row.row(), qPrintable(QString::number(code)));
            QCOMPARE(row.row()->checkType(), code);
            QVERIFY(CheckItemFactory::rowHeight(code) > 0);
            QCOMPARE(row.text("labelTime"), QString("09:05:07PM Mar 4, 2021"));
            int filled = 0;
            for (const QLabel* label : row.widget()->findChildren<QLabel*>())
                filled += label->objectName() != "labelTime" && !label->text().isEmpty() ? 1 : 0;
            QVERIFY2(filled > 0, qPrintable(QString::number(code)));
        });
        // Holter rows show a recording, not an index-file record, and have their own tests.
        QCOMPARE(stored, code != CheckType::Holter);
        const std::unique_ptr<CheckItemBase> made(CheckItemFactory::create(code));
        QVERIFY2(made, qPrintable(QString::number(code)));
    }
}

void TestRecordRows::ecgValuesFromTheDetailFile_data()
{
    QTest::addColumn<int>("resultByte");
    QTest::addColumn<int>("lead");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("stShown");
    QTest::newRow("0 with cable") << 0 << 3 << "Regular ECG Rhythm" << true;
    QTest::newRow("255 wrist") << 255 << 5 << "Unable to Analyze" << true;
    QTest::newRow("0x03 lead I") << 0x03 << 1 << "High Heart Rate,Low Heart Rate" << false;
}

void TestRecordRows::ecgValuesFromTheDetailFile()
{
    QFETCH(int, resultByte);
    QFETCH(int, lead);
    QFETCH(QString, result);
    QFETCH(bool, stShown);
    EcgHeader header = ecgHeader();
    header.result = quint8(resultByte);
    RowFixture::writeDetail(header, kFlatSamples);
    ListedRow row(RowFixture::record(CheckType::Ecg, ecgRecord(lead)));
    QCOMPARE(row.text("labelResult"), result);
    QCOMPARE(row.text("labelHR"), QString("HR: 72/min"));
    QCOMPARE(row.text("labelQRS"), QString("QRS: 96ms"));
    QCOMPARE(row.text("labelQTC"), QString("QT/QTc: 380/410ms"));
    QCOMPARE(row.text("labelST"), QString("ST: +0.12mV"));
    QCOMPARE(row.isShown("labelST"), stShown);
    QCOMPARE(row.text("labelEcgTime"), QString("30s"));
    QCOMPARE(row.text("labelBandWidth"), QString("Bandwidth: Wide"));
    QCOMPARE(row.text("labelTime"), QString("09:05:07PM Mar 4, 2021"));
    QVERIFY(row.row()->hasReport());
}

void TestRecordRows::ecgWithoutDetailFile()
{
    ListedRow row(RowFixture::record(CheckType::Ecg, ecgRecord(3)));
    QCOMPARE(row.text("labelHR"), QString("HR: --"));
    QCOMPARE(row.text("labelQRS"), QString("QRS: --"));
    QCOMPARE(row.text("labelQTC"), QString("QT/QTc: --/--ms"));
    QCOMPARE(row.text("labelST"), QString("ST: --"));
    QCOMPARE(row.text("labelBandWidth"), QString("Bandwidth: "));
    QCOMPARE(row.text("labelEcgLead"), QString("Lead: LEAD I"));
    QCOMPARE(row.text("labelCable"), QString("Cable: Yes"));
    QVERIFY(!row.row()->hasReport());
}

void TestRecordRows::chineseEditionHidesTheCable()
{
    Config::instance()->setLanguage(2);
    ListedRow chinese(RowFixture::record(CheckType::Ecg, ecgRecord(4)));
    QVERIFY(!chinese.isShown("labelCable"));
    QVERIFY(chinese.isShown("labelEcgLead"));
    Config::instance()->setLanguage(1);
    ListedRow english(RowFixture::record(CheckType::Ecg, ecgRecord(4)));
    QVERIFY(english.isShown("labelCable"));
}

void TestRecordRows::twoUserDailyShowsPulseVerdictAndUser_data()
{
    QTest::addColumn<int>("pulseFlag");
    QTest::addColumn<int>("userByte");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("letter");
    QTest::newRow("0xFF user A") << 0xFF << 1 << "Poor signal"
                                 << "A";
    QTest::newRow("0x05 user B") << 0x05 << 2 << "Irregular heart beat"
                                 << "B";
    QTest::newRow("0 no user") << 0 << 0 << "Regular heart beat"
                               << "";
}

void TestRecordRows::twoUserDailyShowsPulseVerdictAndUser()
{
    QFETCH(int, pulseFlag);
    QFETCH(int, userByte);
    QFETCH(QString, result);
    QFETCH(QString, letter);
    EcgHeader header = ecgHeader();
    header.result = quint8(pulseFlag);
    header.leadMode = 6;
    RowFixture::writeDetail(header, kFlatSamples, EcgDetail::Form::Long);
    DailyRecord daily;
    daily.BPFlag = quint8(userByte);
    ListedRow row(RowFixture::record(CheckType::DailyCheck, daily), model(DeviceModel::kQmr4Type));
    QCOMPARE(row.text("labelResult"), result);
    QCOMPARE(DailyCheckText::userLetter(daily, DeviceModel::kQmr4Type), letter);
    QCOMPARE(row.text("labelLead"), QString("Lead: Chest Lead   Cable: No"));
    QCOMPARE(row.text("labelHR"), QString("HR: 72/min"));
    QVERIFY(!row.isShown("labelSpo2"));
    QVERIFY(!row.isShown("labelPI"));
    const QPixmap icon = row.widget()->findChild<QLabel*>("labelTimeIcon")->pixmap(Qt::ReturnByValue);
    const QString picture = letter == "A" ? ":/usera2" : letter == "B" ? ":/userb2" : ":/time";
    QCOMPARE(icon.toImage(), QPixmap(picture).toImage());
}

void TestRecordRows::temperature_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<bool>("object");
    QTest::addColumn<QString>("celsius");
    QTest::addColumn<QString>("fahrenheit");
    QTest::newRow("36.5 body") << 365 << false << QString::fromUtf8("Body temperature: 36.5℃")
                               << QString::fromUtf8("Body temperature: 97.7℉");
    QTest::newRow("no reading") << 0 << false << "Body temperature: --"
                                << "Body temperature: --";
    QTest::newRow("frozen object") << -5 << true << QString::fromUtf8("Object temperature: -0.5℃")
                                   << QString::fromUtf8("Object temperature: 31.1℉");
}

void TestRecordRows::temperature()
{
    QFETCH(int, tenths);
    QFETCH(bool, object);
    QFETCH(QString, celsius);
    QFETCH(QString, fahrenheit);
    TempRecord temp;
    temp.temp = qint16(tenths);
    temp.target = object ? 1 : 0;
    ListedRow row(RowFixture::record(CheckType::Temperature, temp));
    QCOMPARE(row.text("labelTemp"), celsius);
    QCOMPARE(row.isShown("labelFace"), !object);
    Config::instance()->setCelsius(false);
    row.row()->unitsChanged();
    QCOMPARE(row.text("labelTemp"), fahrenheit);
}

void TestRecordRows::pedometerUnits()
{
    PedoRecord pedo;
    pedo.Steps = 2000;
    pedo.Distance = 161;
    pedo.AvgSpeed = 161;
    pedo.Fat = 2835;
    pedo.TotalCal = 4550;
    pedo.time = 3725;
    CheckUser user;
    user.userid = "u1";
    user.name = "Anna Berger";
    user.sex = 1;
    user.birthday = QDate(1970, 5, 6);
    ListedRow row(RowFixture::record(CheckType::Pedometer, pedo), DeviceInfo(), user);
    QCOMPARE(row.text("labelDistance"), QString("Distance: 1.61km"));
    QCOMPARE(row.text("labelSpeed"), QString("Speed: 16.1km/h"));
    QCOMPARE(row.text("labelFat"), QString("Fat: 28.35g"));
    QCOMPARE(row.text("labelCalorie"), QString("Total calorie: 45.50kcal"));
    QCOMPARE(row.text("labelTotalTime"), QString("Total time: 01:02:05"));
    QCOMPARE(row.text("labelName"), QString("Name: Anna Berger"));
    QCOMPARE(row.text("labelGender"), QString("Gender: Female"));
    QCOMPARE(row.text("labelBirthday"), QString("Date of Birth: May 6, 1970"));
    Config::instance()->setKilometre(false);
    row.row()->unitsChanged();
    QCOMPARE(row.text("labelDistance"), QString("Distance: 1.00mi"));
    QCOMPARE(row.text("labelSpeed"), QString("Speed: 10.0mi/h"));
    QCOMPARE(row.text("labelFat"), QString("Fat: 1.00oz"));
}

void TestRecordRows::glucose_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("100 mg/dL") << 100 << 1 << "Blood Glocose: 100mg/dL"
                               << "normal range blood glucose";
    QTest::newRow("140 mg/dL") << 140 << 1 << "Blood Glocose: 140mg/dL"
                               << "High range blood glucose";
    QTest::newRow("3.8 mmol/L") << 38 << 0 << "Blood Glocose: 3.8mmol/L"
                                << "Low range blood glucose";
    QTest::newRow("unknown unit") << 38 << 5 << "Blood Glocose: "
                                  << "Unable to analyze";
}

void TestRecordRows::glucose()
{
    QFETCH(int, value);
    QFETCH(int, unit);
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    GlucoseRecord glucose;
    glucose.glucose = quint16(value);
    glucose.type = quint8(unit);
    glucose.note = "Fasting";
    ListedRow row(RowFixture::record(CheckType::Glucose, glucose));
    QCOMPARE(row.text("labelGlucose"), text);
    QCOMPARE(row.text("labelResult"), verdict);
    QCOMPARE(row.text("labelNote"), QString("Note: Fasting"));
}

void TestRecordRows::perfusionBars_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("perfusion");
    QTest::addColumn<int>("bars");
    QTest::addColumn<QString>("text");
    QTest::newRow("oximeter 100") << int(CheckType::Oxi) << 100 << 5 << "Perfusion Index(PI): 10.0";
    QTest::newRow("oximeter 15") << int(CheckType::Oxi) << 15 << 2 << "Perfusion Index(PI): 1.5";
    QTest::newRow("oximeter 0") << int(CheckType::Oxi) << 0 << 0 << "Perfusion Index(PI): --";
    QTest::newRow("history 100") << int(CheckType::Spo2Temp) << 100 << 5 << "Perfusion Index(PI): 10.0";
}

void TestRecordRows::perfusionBars()
{
    QFETCH(int, checkType);
    QFETCH(int, perfusion);
    QFETCH(int, bars);
    QFETCH(QString, text);
    CheckRecord stored;
    if (checkType == CheckType::Oxi) {
        OxiRecord oxi;
        oxi.spo2 = 97;
        oxi.PR = 70;
        oxi.PI = quint8(perfusion);
        stored = RowFixture::record(checkType, oxi);
    } else {
        Spo2TempRecord oxi;
        oxi.spo2 = 97;
        oxi.PR = 70;
        oxi.PI = quint8(perfusion);
        stored = RowFixture::record(checkType, oxi);
    }
    ListedRow row(stored);
    QCOMPARE(row.text("labelPI"), text);
    QCOMPARE(filledBarRuns(row), bars);
}

void TestRecordRows::zoravPulseRate_data()
{
    QTest::addColumn<int>("heartRate");
    QTest::addColumn<int>("pulseRate");
    QTest::addColumn<QString>("hr");
    QTest::addColumn<QString>("pr");
    QTest::newRow("within 2") << 72 << 74 << "HR: 72/min"
                              << "PR: 72/min";
    QTest::newRow("3 apart") << 72 << 75 << "HR: 72/min"
                             << "PR: 75/min";
    QTest::newRow("heart rate 255 invalid here") << 255 << 80 << "HR: --"
                                                 << "PR: 80/min";
    QTest::newRow("pulse 28 valid, heart 28 not") << 28 << 28 << "HR: --"
                                                  << "PR: --";
}

void TestRecordRows::zoravPulseRate()
{
    QFETCH(int, heartRate);
    QFETCH(int, pulseRate);
    QFETCH(QString, hr);
    QFETCH(QString, pr);
    EcgHeader header = ecgHeader();
    header.leadMode = 4;
    RowFixture::writeDetail(header, kFlatSamples, EcgDetail::Form::Long);
    CorvisetDailyRecord daily;
    daily.HR = qint16(heartRate);
    daily.PR = quint8(pulseRate);
    ListedRow row(RowFixture::record(CheckType::CorvisetDailyCheck, daily));
    QCOMPARE(row.text("labelHR"), hr);
    QCOMPARE(row.text("labelPR"), pr);
    QCOMPARE(row.text("labelLead"), QString("Lead: MODE II"));
    QCOMPARE(row.text("labelEcgTime"), QString("30s"));
}

void TestRecordRows::historyTemperatureByBranchCode()
{
    Spo2TempRecord oxi;
    oxi.temp = 368;
    const CheckRecord stored = RowFixture::record(CheckType::Spo2Temp, oxi);
    ListedRow withThermometer(stored, model(54, Vitacor::kCode13070001));
    QCOMPARE(withThermometer.text("labelTemp"), QString::fromUtf8("Body Temperature: 36.8℃"));
    ListedRow without(stored, model(54, Vitacor::kCode13050001));
    QCOMPARE(without.text("labelTemp"), QString());
}

void TestRecordRows::multiTestAllZero()
{
    ListedRow row(RowFixture::record(CheckType::MultiTest, MultiTestRecord()));
    for (const char* label : {"labelHR", "labelEcgResult", "labelSpo2", "labelPR", "labelSpo2Result", "labelTemp",
                              "labelTempResult", "labelBP", "labelBPResult", "labelGlucose", "labelGlucoseResult"})
        QCOMPARE(row.text(label), QString("--"));
    QCOMPARE(row.text("labelTempCaption"), QString("Body temperature:"));
    QVERIFY(row.row()->hasReport());
}

void TestRecordRows::multiTestBloodPressureWithOneValue()
{
    MultiTestRecord multi;
    multi.bp_sys = 120;
    multi.temp_way = 1;
    multi.temp_temperature = 215;
    ListedRow row(RowFixture::record(CheckType::MultiTest, multi));
    QCOMPARE(row.text("labelBP"), QString("120/--mmHg"));
    QCOMPARE(row.text("labelBPResult"), QString("Unable to Analyze"));
    QCOMPARE(row.text("labelTempCaption"), QString("Object temperature:"));
    QCOMPARE(row.text("labelTemp"), QString::fromUtf8("21.5℃"));
    QCOMPARE(row.text("labelTempResult"), QString("normal temp"));
}

void TestRecordRows::hoverShowsTheControls()
{
    RowFixture::writeDetail(ecgHeader(), kFlatSamples);
    ListedRow withReport(RowFixture::record(CheckType::Ecg, ecgRecord(1, 1)));
    RowFixture::removeDetailFiles();
    ListedRow without(RowFixture::record(CheckType::Ecg, ecgRecord(1, 0)));
    for (const char* control : {"chkSelect", "btnDelete", "btnReview", "btnVoice"})
        QVERIFY(!withReport.isShown(control));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(withReport.widget(), &enter);
    QApplication::sendEvent(without.widget(), &enter);
    for (const char* control : {"chkSelect", "btnDelete", "btnReview", "btnVoice"})
        QVERIFY2(withReport.isShown(control), control);
    QVERIFY(without.isShown("btnDelete"));
    QVERIFY(!without.isShown("btnReview"));
    QVERIFY(!without.isShown("btnVoice"));
    QCOMPARE(withReport.widget()->findChild<QPushButton*>("btnDelete")->size(), QSize(32, 32));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(withReport.widget(), &leave);
    for (const char* control : {"chkSelect", "btnDelete", "btnReview", "btnVoice"})
        QVERIFY(!withReport.isShown(control));
}

void TestRecordRows::selectBoxAndListItemStayInStep()
{
    ListedRow row(RowFixture::record(CheckType::Oxi, OxiRecord()));
    auto* box = row.widget()->findChild<QCheckBox*>("chkSelect");
    row.row()->setSelected(true);
    QVERIFY(box->isChecked());
    QVERIFY(row.item()->isSelected());
    box->setChecked(false);
    QVERIFY(!row.item()->isSelected());
    row.item()->setSelected(true);
    row.row()->setSelected(row.item()->isSelected());
    QVERIFY(box->isChecked());
}

void TestRecordRows::buttonsRelayTheRow()
{
    RowFixture::writeDetail(ecgHeader(), kFlatSamples);
    ListedRow row(RowFixture::record(CheckType::Ecg, ecgRecord(1, 1)));
    QSignalSpy deleted(row.row(), &CheckItemBase::deleteRecord);
    QSignalSpy reviewed(row.row(), &CheckItemBase::review);
    QSignalSpy voiced(row.row(), &CheckItemBase::playVoice);
    row.widget()->findChild<QPushButton*>("btnDelete")->click();
    row.widget()->findChild<QPushButton*>("btnReview")->click();
    row.widget()->findChild<QPushButton*>("btnVoice")->click();
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(reviewed.size(), 1);
    QCOMPARE(voiced.size(), 1);
    QCOMPARE(deleted.first().first().value<CheckItemBase*>(), row.row());
}

void TestRecordRows::waveformStaysInItsRectangle()
{
    // A strip swinging far past the rectangle, with artefacts beyond the sample limit.
    QVector<qint16> samples;
    for (int i = 0; i < 22500; ++i)
        samples << qint16(i % 40 < 20 ? 12000 : -12000);
    samples[100] = 30001;
    RowFixture::writeDetail(ecgHeader(), samples);
    ListedRow row(RowFixture::record(CheckType::Ecg, ecgRecord(1)));
    const QLabel* duration = row.widget()->findChild<QLabel*>("labelEcgTime");
    const QImage image = row.widget()->grab().toImage();
    const int left = duration->geometry().right() + 6;
    const QRect wave(QPoint(left, 10), QPoint(image.width() - 11, image.height() - 11));
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left - 5; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            QVERIFY2(wave.contains(x, y), qPrintable(QString("dark pixel at %1,%2").arg(x).arg(y)));
            ++inside;
        }
    }
    QVERIFY(inside > 1000);
}

void TestRecordRows::detailFileWithoutSamples_data()
{
    QTest::addColumn<int>("sampleCount");
    QTest::addColumn<int>("dataOffset");
    QTest::newRow("header only") << 0 << 0;
    QTest::newRow("two samples") << 2 << 0;
    QTest::newRow("offset past the end") << 2 << 400;
}

void TestRecordRows::detailFileWithoutSamples()
{
    QFETCH(int, sampleCount);
    QFETCH(int, dataOffset);
    EcgHeader header = ecgHeader();
    header.dataOffset = quint16(dataOffset);
    // The header, then only the sample bytes: an offset, if any, is claimed but not there.
    QByteArray bytes = EcgDetail::toBytes(header, {}, EcgDetail::Form::Short).left(EcgDetail::kShortHeaderSize);
    bytes.append(QByteArray(2 * sampleCount, '\x28'));
    const QString dir = Config::instance()->dataDir() + "/" + RowFixture::kSn;
    QVERIFY(QDir().mkpath(dir));
    QFile file(dir + "/" + RowFixture::checkTime().text());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    file.close();

    ListedRow row(RowFixture::record(CheckType::Ecg, ecgRecord(1)));
    QVERIFY(row.row()->hasReport());
    QCOMPARE(row.text("labelHR"), QString("HR: 72/min"));
    const QLabel* duration = row.widget()->findChild<QLabel*>("labelEcgTime");
    const QImage image = row.widget()->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = duration->geometry().right() + 1; x < image.width(); ++x)
            QVERIFY2(qGray(image.pixel(x, y)) >= 128, qPrintable(QString("drawn at %1,%2").arg(x).arg(y)));
    }
}

QTEST_MAIN(TestRecordRows)
#include "TestRecordRows.moc"
