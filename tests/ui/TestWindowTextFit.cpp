#include "app/AppFonts.h"
#include "app/Config.h"
#include "app/LanguageTable.h"
#include "db/DbOperator.h"
#include "support/DbTestSupport.h"
#include "support/TestBus.h"
#include "ui/MainWindow.h"
#include "ui/download/SyncDlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

// Every label and button of the main window (showing a device panel) and of
// the empty download dialog has the room its text needs, in every language.
class TestWindowTextFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();

private:
    std::unique_ptr<TestBus> m_bus;
};

void TestWindowTextFit::initTestCase()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
    AppFonts::load();
    QFile styleSheet(":/res/qss/qsstest.qss");
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    DbTestSupport::freshDataDir();
    QVERIFY(DbOperator::instance()->openAndInit());
    DeviceInfo device = DbTestSupport::device("WTF00000000001", 0);
    device.appVer = 0x00631200;
    QVERIFY(DbOperator::instance()->storeDevice(device));
    m_bus = std::make_unique<TestBus>();
}

void TestWindowTextFit::everyTextFits_data()
{
    QTest::addColumn<int>("languageCode");
    for (const auto& language : QList<QPair<int, const char*>>{
             {1, "english"}, {2, "chinese"}, {3, "french"}, {4, "german"}, {5, "italian"}, {6, "spanish"}})
        QTest::newRow(language.second) << language.first;
}

void TestWindowTextFit::everyTextFits()
{
    QFETCH(int, languageCode);
    QString translationFile = LanguageTable::forCode(languageCode).translationFile;
    if (languageCode == 2)
        translationFile = "://translations/chinese_simplified.qm";
    QTranslator translator;
    QVERIFY(translator.load(translationFile));
    QCoreApplication::installTranslator(&translator);
    Config::instance()->setLanguage(languageCode);

    MainWindow window;
    window.resize(1124, 768);
    window.show();
    window.syncDialog()->show();
    QApplication::processEvents();
    for (QWidget* top : {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.syncDialog())}) {
        for (const QWidget* child : top->findChildren<QWidget*>()) {
            if (!child->isVisible())
                continue;
            const auto* label = qobject_cast<const QLabel*>(child);
            const auto* button = qobject_cast<const QAbstractButton*>(child);
            if (!(label && !label->text().isEmpty()) && !button)
                continue;
            const QString what = child->objectName() + " \"" + (label ? label->text() : button->text()) + "\"";
            if (label && label->wordWrap()) {
                QVERIFY2(child->height() >= label->heightForWidth(child->width()), qPrintable(what + " is cut off"));
                continue;
            }
            QVERIFY2(child->width() >= child->sizeHint().width(), qPrintable(what + " is cut short"));
            QVERIFY2(child->height() >= child->sizeHint().height(), qPrintable(what + " is cut off"));
        }
    }
    window.syncDialog()->hide();
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestWindowTextFit)
#include "TestWindowTextFit.moc"
