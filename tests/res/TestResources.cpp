#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTranslator>

#include <QtTest>

static void initGuiResources()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
}

// Collects the style-sheet parser's complaints while a sheet is applied.
static QStringList g_warnings;
static void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        g_warnings << message;
}

static QString readResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void imagesLoad_data();
    void imagesLoad();
    void styleSheetsAreValid_data();
    void styleSheetsAreValid();
    void applicationSheetStylesEveryWidget();
    void commandButtonsLeaveRoomForTheirIcons();
    void rowButtonsAreThirtyTwoSquare();
    void listLabelsUseSmallerFontExceptNoData();
    void reportViewerButtonsGetTheirIcons();
    void translationsLoad_data();
    void translationsLoad();
    void chineseEditionKeepsDisambiguatedTexts();
};

void TestResources::initTestCase()
{
    initGuiResources();
}

void TestResources::imagesLoad_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minSize");
    QTest::addColumn<QSize>("maxSize");

    const QSize button(32, 32);
    const QStringList commandIcons = {":/connect",      ":/printer",       ":/saveAsPdf", ":/setting",
                                      ":/aboutme",      "://res/PDF2.ico", ":/saveAsJpg", ":/saveAsCsv",
                                      ":/analysisWave", ":/zoomIn",        ":/zoomOut"};
    for (const QString& path : commandIcons)
        QTest::newRow(qPrintable(path)) << path << button << button;
    for (const char* path : {":/edit", ":/save", ":/report"})
        QTest::newRow(path) << QString(path) << QSize(40, 40) << QSize(40, 40);

    for (const char* path : {":/nonexpand", ":/expand"})
        QTest::newRow(path) << QString(path) << QSize(12, 12) << QSize(20, 20);
    const QStringList treeIcons = {":/treeOnline",
                                   ":/treeOffline",
                                   ":/user",
                                   ":/treeEcg",
                                   ":/treeOxi",
                                   ":/treeTemp",
                                   ":/treePedo",
                                   ":/treeDaily",
                                   ":/treeSlm",
                                   ":/treeNibp",
                                   ":/podHistory",
                                   ":/treeGlucose",
                                   "://res/node_multitest.png"};
    for (const QString& path : treeIcons)
        QTest::newRow(qPrintable(path)) << path << QSize(24, 24) << QSize(64, 64);

    // Row buttons, the select box indicator and the time icons are laid out at 32 x 32.
    const QStringList rowIcons = {
        ":/remove1", ":/review1", ":/voice1", ":/res/chk_checked.png", ":/res/chk_unchkecked.png",
        ":/time",    ":/usera2",  ":/userb2"};
    for (const QString& path : rowIcons)
        QTest::newRow(qPrintable(path)) << path << button << button;
    for (const char* path : {":/happy", ":/sad"})
        QTest::newRow(path) << QString(path) << QSize(24, 24) << QSize(64, 64);
    QTest::newRow(":/nodata") << ":/nodata" << QSize(64, 64) << QSize(256, 256);

    for (const char* path : {":/vitacor", ":/res/qmr4.png"})
        QTest::newRow(path) << QString(path) << QSize(100, 120) << QSize(240, 300);
    for (const char* path : {":/deviceLogo", ":/res/qmr4_small.png"})
        QTest::newRow(path) << QString(path) << QSize(48, 60) << QSize(100, 110);
    QTest::newRow(":/xharvo") << ":/xharvo" << QSize(64, 64) << QSize(256, 256);

    // Reports draw lead pictures at a fifth of a millimetre per pixel: 16 to 30 mm.
    const QStringList leads = {":/lead1",   ":/lead2",   ":/lead3",   ":/lead4",   ":/leadWristova", ":/exlead1",
                               ":/exlead2", ":/exlead3", ":/exlead4", ":/exlead5", ":/exlead6"};
    for (const QString& path : leads)
        QTest::newRow(qPrintable(path)) << path << QSize(80, 80) << QSize(150, 150);
    // The Holter report prints a logo at an eighth of a millimetre per pixel of height.
    const QStringList logos = {"://res/logo/zantro_logo2.png", ":/lettle_lumadon_logo", "://res/logo_quor.png",
                               ":/lumadon_logo"};
    for (const QString& path : logos)
        QTest::newRow(qPrintable(path)) << path << QSize(200, 60) << QSize(400, 160);

    for (const char* path : {":/timeDiff", ":/ecgDiff", ":/ArrowHor", ":/ArrowVer"})
        QTest::newRow(path) << QString(path) << button << button;
    // The cursor handles are hit-tested and drawn in 24 x 24 boxes.
    for (const char* path : {":/rollerBlue", ":/rollerGreen"})
        QTest::newRow(path) << QString(path) << QSize(24, 24) << QSize(24, 24);
}

void TestResources::imagesLoad()
{
    QFETCH(QString, path);
    QFETCH(QSize, minSize);
    QFETCH(QSize, maxSize);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY2(image.width() >= minSize.width() && image.height() >= minSize.height(),
             qPrintable(QString("%1 is %2 x %3").arg(path).arg(image.width()).arg(image.height())));
    QVERIFY2(image.width() <= maxSize.width() && image.height() <= maxSize.height(),
             qPrintable(QString("%1 is %2 x %3").arg(path).arg(image.width()).arg(image.height())));

    // A failed render leaves a blank picture: demand visible ink on a transparent ground.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    int transparent = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            opaque += alpha > 128 ? 1 : 0;
            transparent += alpha == 0 ? 1 : 0;
        }
    }
    const int area = argb.width() * argb.height();
    QVERIFY2(opaque * 20 > area, qPrintable(path + " is nearly empty"));
    QVERIFY2(transparent > 0, qPrintable(path + " has no transparent ground"));
}

void TestResources::styleSheetsAreValid_data()
{
    QTest::addColumn<QString>("path");
    for (const char* name : {"qsstest", "mainwindow", "sync", "listwidget-mainwindow", "reportviewer", "analyse"}) {
        const QString path = QString(":/res/qss/%1.qss").arg(name);
        QTest::newRow(name) << path;
    }
}

void TestResources::styleSheetsAreValid()
{
    QFETCH(QString, path);

    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.trimmed().isEmpty());
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    QCOMPARE(state.invalidChars, 0);

    const QRegularExpression url(R"(url\(\s*["']?([^"')]+?)["']?\s*\))");
    auto it = url.globalMatch(text);
    while (it.hasNext()) {
        const QString target = it.next().captured(1);
        QVERIFY2(target.startsWith(':'), qPrintable(path + " refers to a file outside the resources: " + target));
        QVERIFY2(!QImage(target).isNull(), qPrintable(path + " refers to a missing image: " + target));
    }

    // The parser only speaks up while polishing a widget that carries the sheet.
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    QWidget host;
    host.setStyleSheet(text);
    QPushButton child(&host);
    child.ensurePolished();
    host.ensurePolished();
    qInstallMessageHandler(previous);
    QVERIFY2(g_warnings.filter("stylesheet", Qt::CaseInsensitive).isEmpty(), qPrintable(g_warnings.join('\n')));
}

void TestResources::applicationSheetStylesEveryWidget()
{
    qApp->setStyleSheet(readResource(":/res/qss/qsstest.qss"));
    QWidget window;
    QLabel plain(&window);
    QLabel ecgTime(&window);
    ecgTime.setObjectName("labelEcgTime");
    plain.ensurePolished();
    ecgTime.ensurePolished();
    const QFont font = plain.font();
    const QColor ecgTimeColour = ecgTime.palette().color(QPalette::WindowText);
    qApp->setStyleSheet(QString());

    QCOMPARE(font.family(), QString("Arial"));
    QCOMPARE(font.pixelSize(), 17);
    QCOMPARE(ecgTimeColour, QColor(Qt::blue));
}

void TestResources::commandButtonsLeaveRoomForTheirIcons()
{
    QWidget window;
    window.setStyleSheet(readResource(":/res/qss/mainwindow.qss"));
    QPushButton connect("Connect", &window);
    connect.setObjectName("btnConn");
    QPushButton plain("Connect", &window);
    connect.ensurePolished();
    plain.ensurePolished();

    QVERIFY(connect.sizeHint().height() >= 50);
    QVERIFY(connect.sizeHint().width() >= 120);
    // The 35 px left padding keeps the caption clear of the icon.
    QVERIFY(connect.sizeHint().width() >= plain.sizeHint().width() + 30);
}

void TestResources::rowButtonsAreThirtyTwoSquare()
{
    QWidget window;
    window.setStyleSheet(readResource(":/res/qss/mainwindow.qss"));
    for (const char* name : {"btnDelete", "btnReview", "btnVoice"}) {
        QPushButton button(&window);
        button.setObjectName(name);
        button.ensurePolished();
        QCOMPARE(button.minimumSize(), QSize(32, 32));
        QCOMPARE(button.maximumSize(), QSize(32, 32));
    }
}

void TestResources::listLabelsUseSmallerFontExceptNoData()
{
    QListWidget list;
    list.setStyleSheet(readResource(":/res/qss/listwidget-mainwindow.qss"));
    QLabel rowLabel(&list);
    QWidget noData(&list);
    noData.setObjectName("nodataWidget");
    QLabel noDataLabel(&noData);
    rowLabel.ensurePolished();
    noDataLabel.ensurePolished();

    QCOMPARE(rowLabel.font().family(), QString("Arial"));
    QCOMPARE(rowLabel.font().pixelSize(), 15);
    QCOMPARE(noDataLabel.font().pixelSize(), 17);
    QVERIFY(noDataLabel.font().bold());
}

void TestResources::reportViewerButtonsGetTheirIcons()
{
    QWidget viewer;
    viewer.setStyleSheet(readResource(":/res/qss/reportviewer.qss"));
    for (const char* name :
         {"btnPrint1", "btnPDF1", "btnSaveJpg", "btnCSV", "btnMeasureEcg", "btnEdit", "btnZoomIn", "btnZoomOut"}) {
        QPushButton button(&viewer);
        button.setObjectName(name);
        button.ensurePolished();
        QVERIFY2(!button.icon().isNull(), name);
        QCOMPARE(button.iconSize(), QSize(32, 32));
        QVERIFY(button.minimumSizeHint().width() >= 54);
    }
}

void TestResources::translationsLoad_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("alreadyRunning");
    QTest::addColumn<QString>("permissionDenied");
    QTest::addColumn<QString>("downloadCompleted");
    QTest::addColumn<QString>("databaseLocked");
    QTest::newRow("english") << "://translations/english.qm"
                             << "is already running..."
                             << "Permission denied"
                             << "Download completed"
                             << "locked by another program";
    QTest::newRow("french") << "://translations/france.qm" << QString::fromUtf8("est déjà en cours d'exécution...")
                            << QString::fromUtf8("Autorisation refusée") << QString::fromUtf8("Téléchargement terminé")
                            << QString::fromUtf8("verrouillée par un autre programme");
    QTest::newRow("german") << "://translations/german.qm" << QString::fromUtf8("wird bereits ausgeführt...")
                            << "Zugriff verweigert"
                            << "Download abgeschlossen"
                            << "von einem anderen Programm gesperrt";
    QTest::newRow("italian") << "://translations/italy.qm" << QString::fromUtf8("è già in esecuzione...")
                             << "Autorizzazione negata"
                             << "Download completato"
                             << "bloccato da un altro programma";
    QTest::newRow("spanish") << "://translations/spain.qm" << QString::fromUtf8("ya se está ejecutando...")
                             << "Permiso denegado"
                             << "Descarga completada"
                             << "bloqueada por otro programa";
    QTest::newRow("chinese") << "://translations/chinese_simplified.qm" << QString::fromUtf8("已在运行...")
                             << QString::fromUtf8("权限不足") << QString::fromUtf8("下载完成")
                             << QString::fromUtf8("已被其他程序锁定");
}

void TestResources::translationsLoad()
{
    QFETCH(QString, path);
    QFETCH(QString, alreadyRunning);
    QFETCH(QString, permissionDenied);
    QFETCH(QString, downloadCompleted);
    QFETCH(QString, databaseLocked);

    QVERIFY(QFile::exists(path));
    QTranslator translator;
    QVERIFY(translator.load(path));
    // Every language, English included, has a finished translation of every text.
    QCOMPARE(translator.translate("AlreadyRunMessage", "is already running..."), alreadyRunning);
    QCOMPARE(translator.translate("QObject", "Permission denied"), permissionDenied);
    QCOMPARE(translator.translate("DownloadDeviceWidget", "Download completed"), downloadCompleted);
    const QString locked = translator.translate(
        "DbOperator", "The record database %1 is locked by another program; close that program and try again.");
    QVERIFY2(locked.contains(databaseLocked) && locked.contains("%1"), qPrintable(locked));
}

void TestResources::chineseEditionKeepsDisambiguatedTexts()
{
    QTranslator translator;
    QVERIFY(translator.load("://translations/chinese_simplified.qm"));
    QCOMPARE(translator.translate("AlreadyRunMessage", "OK", "zh_cn_ver"), QString::fromUtf8("确定"));
    QCOMPARE(translator.translate("MainWindow", "Vitacor Browser Pro", "zh_cn verion"),
             QString::fromUtf8("Vitacor 浏览器专业版"));
    QCOMPARE(translator.translate("DevFilter", "Vitacor Pro", "zh_cn_ver"), QString::fromUtf8("Vitacor 专业版"));
    QCOMPARE(translator.translate("DevFilter", "Vitacor Pro"), QString("Vitacor Pro"));
}

QTEST_MAIN(TestResources)
#include "TestResources.moc"
