#include "ui/viewers/PlainTextEditWithLimit.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

class TestPlainTextEditWithLimit : public QObject
{
    Q_OBJECT
private slots:
    void typingWithinTheLimit();
    void oneCharacterPastTheLimitIsRefused();
    void pasteIsCutToTheLimit();
    void enterInsertsNothing();
    void pastedLineFeedsAreDropped();
};

void TestPlainTextEditWithLimit::typingWithinTheLimit()
{
    PlainTextEditWithLimit editor;
    QCOMPARE(editor.maxLength(), 10);
    QTest::keyClicks(&editor, "0123456789");
    QCOMPARE(editor.toPlainText(), QString("0123456789"));
}

void TestPlainTextEditWithLimit::oneCharacterPastTheLimitIsRefused()
{
    PlainTextEditWithLimit editor;
    editor.setMaxLength(5);
    QTest::keyClicks(&editor, "abcde");
    QTest::keyClicks(&editor, "f");
    QCOMPARE(editor.toPlainText(), QString("abcde"));
    QCOMPARE(editor.textCursor().position(), 5);
    // In the middle, too: the text stays and the cursor stays where it was.
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(2);
    editor.setTextCursor(cursor);
    QTest::keyClicks(&editor, "x");
    QCOMPARE(editor.toPlainText(), QString("abcde"));
    QCOMPARE(editor.textCursor().position(), 2);
}

void TestPlainTextEditWithLimit::pasteIsCutToTheLimit()
{
    PlainTextEditWithLimit editor;
    editor.setMaxLength(8);
    QTest::keyClicks(&editor, "ab");
    QApplication::clipboard()->setText("0123456789ABCDEF");
    editor.paste();
    QCOMPARE(editor.toPlainText(), QString("ab012345"));
    // The cut text is the one now accepted: one more key is refused against it.
    QTest::keyClicks(&editor, "z");
    QCOMPARE(editor.toPlainText(), QString("ab012345"));
}

void TestPlainTextEditWithLimit::enterInsertsNothing()
{
    PlainTextEditWithLimit editor;
    QTest::keyClicks(&editor, "abcd");
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(2);
    editor.setTextCursor(cursor);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Enter);
    QCOMPARE(editor.toPlainText(), QString("abcd"));
    QCOMPARE(editor.textCursor().position(), 2);
}

void TestPlainTextEditWithLimit::pastedLineFeedsAreDropped()
{
    PlainTextEditWithLimit editor;
    QApplication::clipboard()->setText("one\ntwo");
    editor.paste();
    QCOMPARE(editor.toPlainText(), QString("onetwo"));
}

QTEST_MAIN(TestPlainTextEditWithLimit)
#include "TestPlainTextEditWithLimit.moc"
