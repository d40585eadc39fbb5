#include "ui/viewers/PlainTextEditWithLimit.h"

PlainTextEditWithLimit::PlainTextEditWithLimit(QWidget* parent)
    : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &PlainTextEditWithLimit::onTextChanged);
}

void PlainTextEditWithLimit::onTextChanged()
{
    if (m_inHandler)
        return;
    m_inHandler = true;
    const int position = textCursor().position();
    QString text = toPlainText();
    const bool hadLineFeed = text.contains(QLatin1Char('\n'));
    text.remove(QLatin1Char('\n'));

    if (text.size() > m_maxLength) {
        // One character too many is a key press to refuse; more is a paste to cut.
        if (!m_lastText.isEmpty() && text.size() - m_lastText.size() == 1) {
            putText(m_lastText, position - 1);
        } else {
            text.truncate(m_maxLength);
            putText(text, position - 1);
            m_lastText = text;
        }
    } else {
        if (hadLineFeed)
            putText(text, position - 1);
        m_lastText = text;
    }
    m_inHandler = false;
}

void PlainTextEditWithLimit::putText(const QString& text, int cursorPosition)
{
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, cursorPosition, text.size()));
    setTextCursor(cursor);
}
