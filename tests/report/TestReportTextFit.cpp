#include "app/AppFonts.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "report/ReportHelper.h"
#include "report/ReportOutput.h"
#include "support/LanguageScope.h"
#include "support/PageRecorder.h"
#include "support/WidestCheck.h"

#include <QtTest>

namespace {

constexpr QChar kEllipsis(0x2026);

// Every value present and as long as it gets, so the longest texts show.
ReportData fullReport(int checkType, int modelType)
{
    ReportData data;
    data.checkType = checkType;
    data.modelType = modelType;
    data.samples = QVector<qint16>(2500, 0);
    data.user = WidestCheck::user();
    data.remark = data.user.remarks;
    data.record = WidestCheck::record(checkType, CheckTime{2024, 12, 28, 22, 58, 59});
    data.header = WidestCheck::header(0x60);
    data.header.leadMode = modelType == DeviceModel::kQmr4Type ? 6 : 4;
    if (checkType == CheckType::DailyCheck && modelType == DeviceModel::kQmr4Type)
        data.header.result = 0x24; // an irregular pulse, the longest verdict
    if (checkType == CheckType::CorvisetDailyCheck)
        data.header.result = 0x4E5; // six findings at once
    if (checkType == CheckType::Sleep)
        data.trend = QVector<SleepTrendEntry>(18000, SleepTrendEntry{95, 70});
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
// clipped, off the page or its panel, or drawn over another text.
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
    PageRecorder::Recorder recorder;
    {
        const LanguageScope language(languageCode);
        QVERIFY(language.isLoaded());
        std::unique_ptr<BasePaintHelper> helper = ReportOutput::createHelper(checkType);
        helper->setData(fullReport(checkType, modelType));
        PageRecorder::paint(*helper, 0, &recorder);
    }

    const QVector<PageRecorder::Item>& items = recorder.items();
    const QRectF page = recorder.page();
    QVERIFY(items.size() > 10);
    for (int i = 0; i < items.size(); ++i) {
        const PageRecorder::Item& item = items.at(i);
        if (item.text.trimmed().isEmpty())
            continue;
        QVERIFY2(!item.text.contains(kEllipsis), qPrintable(describe(item) + " is elided"));
        QVERIFY2(page.contains(item.box), qPrintable(describe(item) + " leaves the page"));
        if (!item.clip.isNull())
            QVERIFY2(item.clip.adjusted(-1, -1, 1, 1).contains(item.box), qPrintable(describe(item) + " is clipped"));
        // A text that starts on a coloured panel ends on it.
        for (const QRectF& panel : recorder.fills()) {
            if (panel.width() < page.width() * 0.9 && panel.contains(item.box.center().x(), item.box.top()))
                QVERIFY2(panel.adjusted(-1, -1, 1, 1).contains(item.box),
                         qPrintable(describe(item) + " leaves its panel"));
        }
        for (int j = 0; j < i; ++j)
            QVERIFY2(items.at(j).text.trimmed().isEmpty() || !overlap(item.box, items.at(j).box),
                     qPrintable(describe(item) + " runs into " + describe(items.at(j))));
    }
}

QTEST_MAIN(TestReportTextFit)
#include "TestReportTextFit.moc"
