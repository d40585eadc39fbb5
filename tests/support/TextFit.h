#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>
#include <QtTest>

// Every visible label and button of a window has the room its text needs:
// its whole width, and the height of its wrapped lines.
namespace TextFit {

inline void verify(const QWidget* top)
{
    for (const QWidget* child : top->findChildren<QWidget*>()) {
        if (!child->isVisible())
            continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        const auto* button = qobject_cast<const QAbstractButton*>(child);
        if (!(label && !label->text().isEmpty()) && !button)
            continue;
        const QString what =
            top->objectName() + "/" + child->objectName() + " \"" + (label ? label->text() : button->text()) + "\"";
        if (label && label->wordWrap()) {
            QVERIFY2(child->height() >= label->heightForWidth(child->width()), qPrintable(what + " is cut off"));
            continue;
        }
        QVERIFY2(child->width() >= child->sizeHint().width(), qPrintable(what + " is cut short"));
        QVERIFY2(child->height() >= child->sizeHint().height(), qPrintable(what + " is cut off"));
    }
}

} // namespace TextFit
