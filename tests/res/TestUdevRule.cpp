#include "device/HidClass.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

// The shipped udev rule gives the user at the seat the monitors, and only them.
class TestUdevRule : public QObject
{
    Q_OBJECT
private slots:
    void ruleLine_data();
    void ruleLine();
    void appliedBeforeSeatRules();
};

void TestUdevRule::ruleLine_data()
{
    QTest::addColumn<QString>("match");
    QTest::newRow("USB device") << "SUBSYSTEM==\"usb\"";
    QTest::newRow("hidraw node") << "KERNEL==\"hidraw*\"";
}

// One line each, for our ids in udev's lower-case hex; a mode for everyone
// opens the monitors to every process, and a group like plugdev is missing on many systems.
void TestUdevRule::ruleLine()
{
    QFETCH(QString, match);
    QFile file(VITACOR_UDEV_RULE);
    QVERIFY2(file.open(QIODevice::ReadOnly), VITACOR_UDEV_RULE);
    QStringList rules;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().isEmpty() && !line.trimmed().startsWith('#'))
            rules << line.trimmed();
    }
    QCOMPARE(rules.size(), 2);
    const QStringList lines = rules.filter(match);
    QCOMPARE(lines.size(), 1);
    const QString ids = QString("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\"")
                            .arg(HidClass::kVendorId, 4, 16, QChar('0'))
                            .arg(HidClass::kProductId, 4, 16, QChar('0'));
    QVERIFY2(lines.first().contains(ids), qPrintable(lines.first()));
    QVERIFY2(lines.first().endsWith("TAG+=\"uaccess\""), qPrintable(lines.first()));
    QVERIFY2(!lines.first().contains("MODE") && !lines.first().contains("GROUP"), qPrintable(lines.first()));
}

// uaccess is granted by 73-seat-late.rules; a rule file sorting after it grants nothing.
void TestUdevRule::appliedBeforeSeatRules()
{
    const QString name = QFileInfo(VITACOR_UDEV_RULE).fileName();
    QCOMPARE(QFileInfo(HidClass::kUdevRulePath).fileName(), name);
    QVERIFY(name.endsWith(".rules") && name.left(2).toInt() > 0 && name.left(2).toInt() < 73);
}

QTEST_GUILESS_MAIN(TestUdevRule)
#include "TestUdevRule.moc"
