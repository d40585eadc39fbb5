#pragma once

#include <QObject>
#include <QString>

// The texts of the box a second start shows, translated in their own context.
class AlreadyRunMessage : public QObject
{
    Q_OBJECT
public:
    AlreadyRunMessage();

    QString title() const { return m_title; }
    QString text() const { return m_text; }
    static QString okButtonText();

private:
    QString m_title;
    QString m_text;
};
