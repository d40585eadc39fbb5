#pragma once

#include <QPlainTextEdit>

// A single-line editor that holds at most a set number of characters: a
// line feed typed or pasted is dropped, a paste beyond the limit is cut,
// and one character typed past the limit is refused.
class PlainTextEditWithLimit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit PlainTextEditWithLimit(QWidget* parent = nullptr);

    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }

private slots:
    void onTextChanged();

private:
    // Replaces the text without running the limit handler again.
    void putText(const QString& text, int cursorPosition);

    int m_maxLength = 10;
    QString m_lastText;
    bool m_inHandler = false;
};
