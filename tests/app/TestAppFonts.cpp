#include "app/AppFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QtTest>

// The order matters: registration is process-wide, so failures run first.
class TestAppFonts : public QObject
{
    Q_OBJECT
private slots:
    void missingMediumSkipsRegular();
    void missingRegularKeepsMediumFamily();
    void installedCollectionsGiveSimplifiedChineseFamily();
};

void TestAppFonts::missingMediumSkipsRegular()
{
    QTemporaryDir dir;
    QTest::ignoreMessage(QtDebugMsg, "[ERR] fail to load font");
    QVERIFY(!AppFonts::load(dir.filePath("absent.ttc"), AppFonts::defaultRegularFile()));
    // Application font ids start at 0: nothing was registered.
    QVERIFY(QFontDatabase::applicationFontFamilies(0).isEmpty());
    QCOMPARE(AppFonts::family(), QFont().family());
}

void TestAppFonts::missingRegularKeepsMediumFamily()
{
    QTemporaryDir dir;
    QTest::ignoreMessage(QtDebugMsg, "[ERR] fail to load font");
    QVERIFY(!AppFonts::load(AppFonts::defaultMediumFile(), dir.filePath("absent.ttc")));
    QCOMPARE(AppFonts::family(), QStringLiteral("Noto Sans CJK SC"));
}

void TestAppFonts::installedCollectionsGiveSimplifiedChineseFamily()
{
    QVERIFY(AppFonts::load());
    const QString family = AppFonts::family();
    QCOMPARE(family, QStringLiteral("Noto Sans CJK SC"));

    QFont medium(family, 12, QFont::Medium);
    QCOMPARE(QFontInfo(medium).family(), family);
    QVERIFY(QFontMetrics(medium).inFont(QChar(0x4E2D))); // 中
    QVERIFY(QFontDatabase().styles(family).contains("Medium"));
    QVERIFY(QFontDatabase().styles(family).contains("Regular"));
}

QTEST_MAIN(TestAppFonts)
#include "TestAppFonts.moc"
