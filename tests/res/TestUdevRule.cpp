#include "device/HidClass.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

// The shipped udev rule gives the user at the seat the monitors, and only them.
class TestUdevRule : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void ruleLine_data();
    void ruleLine();
    void grantsNoGroupOrMode();
    void appliedBeforeSeatRules();

private:
    QStringList m_rules;
    QString m_text;
};

void TestUdevRule::initTestCase()
{
    QFile file(VITACOR_UDEV_RULE);
    QVERIFY2(file.open(QIODevice::ReadOnly), VITACOR_UDEV_RULE);
    m_text = QString::fromUtf8(file.readAll());
    for (const QString& line : m_text.split('\n')) {
        if (!line.trimmed().isEmpty() && !line.trimmed().startsWith('#'))
            m_rules << line.trimmed();
    }
}

void TestUdevRule::ruleLine_data()
{
    QTest::addColumn<QString>("match");
    QTest::newRow("USB device") << "SUBSYSTEM==\"usb\"";
    QTest::newRow("hidraw node") << "KERNEL==\"hidraw*\"";
}

void TestUdevRule::ruleLine()
{
    QFETCH(QString, match);
    const QStringList lines = m_rules.filter(match);
    QCOMPARE(lines.size(), 1);
    const QString ids = QString("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\"")
                            .arg(HidClass::kVendorId, 4, 16, QChar('0'))
                            .arg(HidClass::kProductId, 4, 16, QChar('0'));
    QCOMPARE(ids, QString("ATTRS{idVendor}==\"c25a\", ATTRS{idProduct}==\"330e\""));
    QVERIFY2(lines.first().contains(ids), qPrintable(lines.first()));
    QVERIFY2(lines.first().endsWith("TAG+=\"uaccess\""), qPrintable(lines.first()));
}

// A mode for everyone opens the monitors to every process; a group like plugdev is missing on many systems.
void TestUdevRule::grantsNoGroupOrMode()
{
    QCOMPARE(m_rules.size(), 2);
    for (const QString& rule : qAsConst(m_rules)) {
        QVERIFY2(!rule.contains("MODE"), qPrintable(rule));
        QVERIFY2(!rule.contains("GROUP"), qPrintable(rule));
        QVERIFY2(!rule.contains(QRegularExpression("\"[0-9a-f]*[A-F][0-9A-Fa-f]*\"")), qPrintable(rule));
    }
}

// uaccess is granted by 73-seat-late.rules; a rule file sorting after it grants nothing.
void TestUdevRule::appliedBeforeSeatRules()
{
    const QString name = QFileInfo(VITACOR_UDEV_RULE).fileName();
    QCOMPARE(QFileInfo(HidClass::kUdevRulePath).fileName(), name);
    QVERIFY(name.endsWith(".rules"));
    QVERIFY(name.left(2).toInt() > 0 && name.left(2).toInt() < 73);
}

QTEST_GUILESS_MAIN(TestUdevRule)
#include "TestUdevRule.moc"
