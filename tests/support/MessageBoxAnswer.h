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
            if (m_answer == QMessageBox::Escape || !box->button(m_answer))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(m_answer)->click();
        }
    }

    QMessageBox::StandardButton m_answer;
    QStringList m_texts;
    QTimer m_timer;
};
