#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers the save dialog a test's action opens with one path, once, and
// every message box with Yes (an overwrite question) or OK, keeping the
// boxes' texts.
class SaveDialogAnswer
{
public:
    explicit SaveDialogAnswer(const QString& path)
        : m_path(path)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start(20);
    }

    QStringList boxes() const { return m_boxes; }
    bool chosen() const { return m_chosen; }

private:
    void answer()
    {
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget* widget : widgets) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                m_boxes << box->text();
                (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
                return;
            }
        }
        for (QWidget* widget : widgets) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog && dialog->isVisible() && !m_chosen) {
                m_chosen = true;
                // Typed as a user would: selectFile() loses to the proposed name
                // when the dialog's folder finishes loading afterwards.
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                if (name)
                    name->setText(m_path);
                else
                    dialog->selectFile(m_path);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                return;
            }
        }
    }

    QString m_path;
    QStringList m_boxes;
    bool m_chosen = false;
    QTimer m_timer;
};
