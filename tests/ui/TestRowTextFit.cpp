#include "app/AppFonts.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "files/RecordTypes.h"
#include "support/LanguageScope.h"
#include "support/RowFixture.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>

using RowFixture::ListedRow;

namespace {

// Every value present and as wide as it gets, so that the longest texts show.
CheckRecord fullRecord(int checkType)
{
    switch (checkType) {
    case CheckType::Ecg: {
        EcgRecord r;
        r.way = 3;
        r.face = 1;
        return RowFixture::record(checkType, r);
    }
    case CheckType::Oxi: {
        OxiRecord r;
        r.spo2 = 100;
        r.PR = 250;
        r.PI = 200;
        r.face = 1;
        return RowFixture::record(checkType, r);
    }
    case CheckType::Temperature: {
        TempRecord r;
        r.temp = 398;
        r.tempFace = 1;
        return RowFixture::record(checkType, r);
    }
    case CheckType::Pedometer: {
        PedoRecord r;
        r.Steps = 99999;
        r.Distance = 99999;
        r.AvgSpeed = 999;
        r.TotalCal = 999999;
        r.Fat = 32000;
        r.time = 99 * 3600;
        return RowFixture::record(checkType, r);
    }
    case CheckType::DailyCheck: {
        DailyRecord r;
        r.SpO2 = 100;
        r.PI = 120;
        r.SpO2Face = 1;
        r.ECGFace = 1;
        r.BPFlag = 2;
        return RowFixture::record(checkType, r);
    }
    case CheckType::SpotCheck: {
        SpotRecord r;
        r.checkFunc = 7;
        r.HR = 255;
        r.QRS = 205;
        r.QT = 900;
        r.QTc = 600;
        r.ECGResult = 0x40;
        r.Oxi = 100;
        r.PI = 20;
        r.OxiFace = 2;
        r.temp = 398;
        return RowFixture::record(checkType, r);
    }
    case CheckType::Sleep: {
        SlmRecord r;
        r.totalTime = 35999;
        r.lowOxiTime = 35999;
        r.lowOxiCount = 9999;
        r.lowestOxi = 100;
        r.averageOxi = 100;
        r.smile = 1;
        return RowFixture::record(checkType, r);
    }
    case CheckType::UserBloodPressure: {
        NibpRecord r;
        r.sys = 300;
        r.dia = 127;
        r.pr = 127;
        return RowFixture::record(checkType, r);
    }
    case CheckType::CorvisetDailyCheck: {
        CorvisetDailyRecord r;
        r.HR = 254;
        r.PR = 100;
        return RowFixture::record(checkType, r);
    }
    case CheckType::Spo2Temp: {
        Spo2TempRecord r;
        r.spo2 = 100;
        r.PR = 250;
        r.PI = 200;
        r.temp = 398;
        return RowFixture::record(checkType, r);
    }
    case CheckType::UserGlucose: {
        GlucoseRecord r;
        r.glucose = 333;
        r.type = 0;
        r.note = "After breakfast walk";
        return RowFixture::record(checkType, r);
    }
    default: {
        MultiTestRecord r;
        r.ecg_hr = 255;
        r.ecg_result = 0x60;
        r.oxi_spo2 = 100;
        r.oxi_pr = 250;
        r.oxi_face = 2;
        r.temp_temperature = 398;
        r.temp_face = 1;
        r.bp_sys = 300;
        r.bp_dia = 200;
        r.glucose_glucose = 333;
        return RowFixture::record(CheckType::MultiTest, r);
    }
    }
}

EcgHeader fullHeader(int resultByte)
{
    EcgHeader header;
    header.waveLength = 45000;
    header.heartRate = 255;
    header.qrs = 205;
    header.qt = 900;
    header.qtc = 600;
    header.st = -90;
    header.result = quint8(resultByte);
    header.leadMode = 6;
    return header;
}

CheckUser longUser()
{
    CheckUser user;
    user.userid = "fit";
    user.medicalid = "MRN-12345678901234";
    user.name = "Maximiliane Wolkenstein";
    user.sex = 1;
    user.birthday = QDate(1958, 9, 30);
    return user;
}

} // namespace

class TestRowTextFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
};

void TestRowTextFit::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    AppFonts::load();
    QFile styleSheet(":/res/qss/qsstest.qss");
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
}

void TestRowTextFit::everyTextFits_data()
{
    QTest::addColumn<int>("languageCode");
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("modelType");
    const QList<QPair<int, int>> rows{{CheckType::Ecg, 0},
                                      {CheckType::Oxi, 0},
                                      {CheckType::Temperature, 0},
                                      {CheckType::Pedometer, 0},
                                      {CheckType::DailyCheck, 0},
                                      {CheckType::DailyCheck, DeviceModel::kQmr4Type},
                                      {CheckType::SpotCheck, 0},
                                      {CheckType::Sleep, 0},
                                      {CheckType::UserBloodPressure, 0},
                                      {CheckType::CorvisetDailyCheck, DeviceModel::kCorvisetType},
                                      {CheckType::Spo2Temp, 54},
                                      {CheckType::UserGlucose, 0},
                                      {CheckType::MultiTest, 19}};
    for (const auto& language : LanguageScope::all()) {
        for (const auto& row : rows) {
            const QString name = QString("%1 %2 model %3").arg(language.second).arg(row.first).arg(row.second);
            QTest::newRow(qPrintable(name)) << language.first << row.first << row.second;
        }
    }
}

void TestRowTextFit::everyTextFits()
{
    QFETCH(int, languageCode);
    QFETCH(int, checkType);
    QFETCH(int, modelType);
    const bool twoUser = modelType == DeviceModel::kQmr4Type;
    const LanguageScope language(languageCode);
    QVERIFY(language.isLoaded());

    RowFixture::removeDetailFiles();
    // 0x60 names two results, the longest pair.
    const EcgDetail::Form form =
        checkType == CheckType::CorvisetDailyCheck || twoUser ? EcgDetail::Form::Long : EcgDetail::Form::Short;
    RowFixture::writeDetail(fullHeader(twoUser ? 0xFE : 0x60), QVector<qint16>(7500, 0), form);
    DeviceInfo device;
    device.modelType = quint8(modelType);
    device.branchcode = Vitacor::kCode13070001;
    ListedRow listed(fullRecord(checkType), device, longUser());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(listed.widget(), &enter);
    QApplication::processEvents();

    const QRect rowRect = listed.widget()->rect();
    const QList<QWidget*> children = listed.widget()->findChildren<QWidget*>();
    for (const QWidget* child : children) {
        if (!child->isVisible())
            continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        const auto* button = qobject_cast<const QAbstractButton*>(child);
        if (!(label && !label->text().isEmpty()) && !button)
            continue;
        const QString what = child->objectName() + " \"" + (label ? label->text() : button->text()) + "\"";
        QVERIFY2(rowRect.contains(child->geometry()), qPrintable(what + " leaves the row"));
        // The row's picture buttons are 32 x 32 by design, their pictures as large.
        if (qobject_cast<const QPushButton*>(child)) {
            QCOMPARE(child->size(), QSize(32, 32));
            QVERIFY2(!button->icon().isNull(), qPrintable(what + " has no picture"));
            continue;
        }
        QVERIFY2(child->width() >= child->sizeHint().width(), qPrintable(what + " is cut short"));
        QVERIFY2(child->height() >= child->sizeHint().height(), qPrintable(what + " is cut off"));
    }
}

QTEST_MAIN(TestRowTextFit)
#include "TestRowTextFit.moc"
