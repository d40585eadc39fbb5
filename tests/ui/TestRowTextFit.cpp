#include "app/AppFonts.h"
#include "files/CheckType.h"
#include "files/DeviceModel.h"
#include "support/LanguageScope.h"
#include "support/RowFixture.h"
#include "support/WidestCheck.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>

using RowFixture::ListedRow;

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
    RowFixture::writeDetail(WidestCheck::header(twoUser ? 0xFE : 0x60), QVector<qint16>(7500, 0), form);
    DeviceInfo device;
    device.modelType = quint8(modelType);
    device.branchcode = Vitacor::kCode13070001;
    ListedRow listed(WidestCheck::record(checkType, RowFixture::checkTime()), device, WidestCheck::user());
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
