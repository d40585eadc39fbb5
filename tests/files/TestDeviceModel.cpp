#include "files/DeviceInfo.h"
#include "files/DeviceModel.h"

#include <QSet>
#include <QtTest>

// The serial number that names a monitor's folder and keys its checks.
class TestDeviceModel : public QObject
{
    Q_OBJECT
private slots:
    void safeSerialsKeepTheirNames_data();
    void safeSerialsKeepTheirNames();
    void unsafeSerialsStayApart();
};

void TestDeviceModel::safeSerialsKeepTheirNames_data()
{
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("serial");
    QTest::newRow("plain") << "SN0001"
                           << "SN0001";
    QTest::newRow("blanks around") << "  SN7 "
                                   << "SN7";
    QTest::newRow("dot inside") << "A1.2"
                                << "A1.2";
    QTest::newRow("underscore") << "a_b"
                                << "a_b";
    QTest::newRow("what an escaped form reads like") << "a%2Fb"
                                                     << "a%2Fb";
    QTest::newRow("nothing") << "   "
                             << "00000000";
}

void TestDeviceModel::safeSerialsKeepTheirNames()
{
    QFETCH(QString, reported);
    QFETCH(QString, serial);
    QCOMPARE(DeviceModel::of(0).safeSerial(reported), serial);
}

// Serials that differ only in characters a folder name cannot hold never meet in one folder.
void TestDeviceModel::unsafeSerialsStayApart()
{
    const QStringList reported{"a/b",      "a\nb",         "a\\b",          "a_b",    "a%2Fb",    ".a%2Fb",
                               "a:b",      "a*b",          "a?b",           "a%b",    "a%25b",    "..",
                               "a..b",     "a__b",         ".hidden",       "trail.", "temp_x/y", "SN\u00e9",
                               "SN\u00e8", "ab/cdefghijk", "ab\\cdefghijk", "x\x01y", "x\x02y"};
    QSet<QString> serials;
    for (const QString& serial : reported) {
        const QString safe = DeviceModel::of(0).safeSerial(serial);
        QVERIFY2(!serials.contains(safe), qPrintable(serial + " -> " + safe));
        serials.insert(safe);
        QVERIFY2(safe.size() <= DeviceInfo::kSnWidth, qPrintable(safe));
        QVERIFY(!safe.contains('/') && !safe.contains('\\') && !safe.contains(".."));
        QVERIFY(!safe.startsWith(".temp_") && !safe.startsWith("temp_") && !safe.endsWith('.'));
        for (const QChar c : safe)
            QVERIFY(c.unicode() >= 0x20 && c.unicode() < 0x7F);
        QCOMPARE(DeviceModel::of(0).safeSerial(serial), safe);
    }
}

QTEST_GUILESS_MAIN(TestDeviceModel)
#include "TestDeviceModel.moc"
