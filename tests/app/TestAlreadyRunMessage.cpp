#include "app/AlreadyRunMessage.h"

#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text it translates and remembers the contexts asked for.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int) const override
    {
        asked << QStringLiteral("%1|%2|%3").arg(context, sourceText, disambiguation ? disambiguation : "");
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

    mutable QStringList asked;
};

} // namespace

class TestAlreadyRunMessage : public QObject
{
    Q_OBJECT
private slots:
    void untranslatedTexts();
    void textsComeFromTheirOwnContext();
};

void TestAlreadyRunMessage::untranslatedTexts()
{
    const AlreadyRunMessage message;
    QCOMPARE(message.title(), QStringLiteral("Solvimara EX"));
    QCOMPARE(message.text(), QStringLiteral("Solvimara EX is already running..."));
    QCOMPARE(AlreadyRunMessage::okButtonText(), QStringLiteral("OK"));
}

void TestAlreadyRunMessage::textsComeFromTheirOwnContext()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const AlreadyRunMessage message;
    const QString ok = AlreadyRunMessage::okButtonText();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(message.title(), QStringLiteral("<Solvimara EX>"));
    // The text is built from the translated title.
    QCOMPARE(message.text(), QStringLiteral("<Solvimara EX> <is already running...>"));
    QCOMPARE(ok, QStringLiteral("<OK>"));
    QCOMPARE(translator.asked,
             (QStringList{"AlreadyRunMessage|Solvimara EX|", "AlreadyRunMessage|is already running...|",
                          "AlreadyRunMessage|OK|zh_cn_ver"}));
}

QTEST_GUILESS_MAIN(TestAlreadyRunMessage)
#include "TestAlreadyRunMessage.moc"
