#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// Answers the message boxes a test's action opens, as the user would.
class MessageBoxAnswer
{
public:
    // Escape stands for closing the box without choosing a button.
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Yes)
        : m_answer(answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answerOpenBox(); });
        m_timer.start(0);
    }

    // The texts of the boxes answered so far.
    QStringList texts() const { return m_texts; }
    // Their icons and the captions of their buttons, in the boxes' order.
    QList<QMessageBox::Icon> icons() const { return m_icons; }
    QList<QStringList> buttonTexts() const { return m_buttonTexts; }

    // The boxes that stay open (non-blocking ones), answered now.
    void answerOpenBoxes()
    {
        QApplication::processEvents();
        answerOpenBox();
    }

private:
    void answerOpenBox()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            m_texts << box->text();
            m_icons << box->icon();
            QStringList captions;
            for (const QAbstractButton* button : box->buttons())
                captions << button->text();
            captions.sort();
            m_buttonTexts << captions;
            if (m_answer == QMessageBox::Escape || !box->button(m_answer))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(m_answer)->click();
        }
    }

    QMessageBox::StandardButton m_answer;
    QStringList m_texts;
    QList<QMessageBox::Icon> m_icons;
    QList<QStringList> m_buttonTexts;
    QTimer m_timer;
};
