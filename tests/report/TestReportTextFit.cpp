#include "app/AppFonts.h"
#include "files/CheckType.h"
#include "files/CorvisetDailyRecord.h"
#include "files/DailyRecord.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/MultiTestRecord.h"
#include "files/RecordCodec.h"
#include "files/SlmRecord.h"
#include "files/SpotRecord.h"
#include "report/ReportHelper.h"
#include "report/ReportOutput.h"
#include "support/LanguageScope.h"
#include "support/PageRecorder.h"

#include <QtTest>

namespace {

constexpr QChar kEllipsis(0x2026);

template <class R>
CheckRecord stored(int checkType, R typed)
{
    typed.checkTime = CheckTime{2024, 12, 28, 22, 58, 59};
    CheckRecord record;
    record.checkType = checkType;
    record.bytes = RecordCodec::encode(typed, RecordCodec::Layout::Stored);
    return record;
}

// Every value present and as long as it gets, so the longest texts show.
ReportData fullReport(int checkType, int modelType)
{
    ReportData data;
    data.checkType = checkType;
    data.modelType = modelType;
    data.samples = QVector<qint16>(2500, 0);
    data.user.medicalid = "MRN-12345678901234";
    data.user.name = "Maximiliane Wolkenstein";
    data.user.sex = 1;
    data.user.birthday = QDate(1958, 9, 30);
    data.user.height = 188;
    data.user.weight = 1587;
    data.user.remarks = QString("Felt dizzy after climbing the stairs; took the reading seated. ").repeated(2);
    data.remark = data.user.remarks;
    EcgHeader& h = data.header;
    h.waveLength = 45000;
    h.heartRate = 255;
    h.qrs = 205;
    h.qt = 900;
    h.qtc = 600;
    h.st = -90;
    h.result = 0x60;
    h.leadMode = modelType == DeviceModel::kQmr4Type ? 6 : 4;
    h.bandwidth = 1;
    switch (checkType) {
    case CheckType::Ecg: {
        EcgRecord r;
        r.way = 3;
        data.record = stored(checkType, r);
        break;
    }
    case CheckType::DailyCheck: {
        DailyRecord r;
        r.SpO2 = 100;
        r.PI = 200;
        data.record = stored(checkType, r);
        if (modelType == DeviceModel::kQmr4Type)
            h.result = 0x24; // an irregular pulse, the longest verdict
        break;
    }
    case CheckType::SpotCheck: {
        SpotRecord r;
        r.checkFunc = 7;
        r.HR = 255;
        r.QRS = 205;
        r.QT = 900;
        r.QTc = 600;
        r.Oxi = 100;
        r.PI = 20;
        r.temp = 398;
        data.record = stored(checkType, r);
        break;
    }
    case CheckType::CorvisetDailyCheck: {
        CorvisetDailyRecord r;
        r.HR = 254;
        r.PR = 100;
        r.PI = 120;
        data.record = stored(checkType, r);
        h.result = 0x4E5; // six findings at once
        break;
    }
    case CheckType::Sleep: {
        SlmRecord r;
        r.totalTime = 35999;
        r.lowOxiTime = 35999;
        r.lowOxiCount = 9999;
        r.lowestOxi = 100;
        r.averageOxi = 100;
        data.record = stored(checkType, r);
        data.trend = QVector<SleepTrendEntry>(18000, SleepTrendEntry{95, 70});
        break;
    }
    default: {
        MultiTestRecord r;
        r.ecg_way = 3;
        r.ecg_hr = 255;
        r.ecg_qrs = 205;
        r.ecg_qt = 900;
        r.ecg_qtc = 600;
        r.ecg_result = 0x60;
        r.oxi_spo2 = 100;
        r.oxi_pr = 250;
        r.oxi_face = 2;
        r.temp_temperature = 398;
        r.temp_face = 1;
        r.bp_sys = 300;
        r.bp_dia = 200;
        r.glucose_glucose = 333;
        data.record = stored(CheckType::MultiTest, r);
        break;
    }
    }
    return data;
}

QString describe(const PageRecorder::Item& item)
{
    return QString("\"%1\" at (%2, %3) %4 x %5")
        .arg(item.text)
        .arg(item.box.x(), 0, 'f', 0)
        .arg(item.box.y(), 0, 'f', 0)
        .arg(item.box.width(), 0, 'f', 0)
        .arg(item.box.height(), 0, 'f', 0);
}

// Boxes of neighbouring lines may touch; a pixel's overlap is rounding.
bool overlap(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    return common.width() > 1 && common.height() > 1;
}

} // namespace

// Every page kind in every language shows its values whole: nothing elided,
// clipped, off the page or drawn over another text.
class TestReportTextFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextWhole_data();
    void everyTextWhole();
};

void TestReportTextFit::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    AppFonts::load();
}

void TestReportTextFit::everyTextWhole_data()
{
    QTest::addColumn<int>("languageCode");
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("modelType");
    const QList<QPair<int, int>> pages{{CheckType::Ecg, 0},
                                       {CheckType::DailyCheck, 0},
                                       {CheckType::DailyCheck, DeviceModel::kQmr4Type},
                                       {CheckType::SpotCheck, 0},
                                       {CheckType::Sleep, 0},
                                       {CheckType::CorvisetDailyCheck, DeviceModel::kCorvisetType},
                                       {CheckType::MultiTest, 19}};
    for (const auto& language : LanguageScope::all()) {
        for (const auto& page : pages) {
            const QString name = QString("%1 %2 model %3").arg(language.second).arg(page.first).arg(page.second);
            QTest::newRow(qPrintable(name)) << language.first << page.first << page.second;
        }
    }
}

void TestReportTextFit::everyTextWhole()
{
    QFETCH(int, languageCode);
    QFETCH(int, checkType);
    QFETCH(int, modelType);
    QVector<PageRecorder::Item> items;
    {
        const LanguageScope language(languageCode);
        QVERIFY(language.isLoaded());
        std::unique_ptr<BasePaintHelper> helper = ReportOutput::createHelper(checkType);
        helper->setData(fullReport(checkType, modelType));
        items = PageRecorder::of(*helper, 0);
    }

    const QRectF page = PageRecorder::Recorder().page();
    QVERIFY(items.size() > 10);
    for (int i = 0; i < items.size(); ++i) {
        const PageRecorder::Item& item = items.at(i);
        if (item.text.trimmed().isEmpty())
            continue;
        QVERIFY2(!item.text.contains(kEllipsis), qPrintable(describe(item) + " is elided"));
        QVERIFY2(page.contains(item.box), qPrintable(describe(item) + " leaves the page"));
        if (!item.clip.isNull())
            QVERIFY2(item.clip.adjusted(-1, -1, 1, 1).contains(item.box), qPrintable(describe(item) + " is clipped"));
        for (int j = 0; j < i; ++j)
            QVERIFY2(items.at(j).text.trimmed().isEmpty() || !overlap(item.box, items.at(j).box),
                     qPrintable(describe(item) + " runs into " + describe(items.at(j))));
    }
}

QTEST_MAIN(TestReportTextFit)
#include "TestReportTextFit.moc"
