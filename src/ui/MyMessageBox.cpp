#include "ui/MyMessageBox.h"

#include <QAbstractButton>

MyMessageBox::MyMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                           QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const QList<QPair<StandardButton, QString>> texts{
        {Yes, tr("Yes")}, {Ok, tr("OK")}, {Cancel, tr("Cancel")}, {No, tr("No")}};
    for (const auto& entry : texts) {
        if (QAbstractButton* b = button(entry.first))
            b->setText(entry.second);
    }
}

QMessageBox::StandardButton MyMessageBox::error(QWidget* parent, const QString& title, const QString& text)
{
    MyMessageBox box(Critical, title, text, Ok, parent);
    return StandardButton(box.exec());
}

QMessageBox::StandardButton MyMessageBox::warning(QWidget* parent, const QString& title, const QString& text)
{
    MyMessageBox box(Warning, title, text, Ok, parent);
    return StandardButton(box.exec());
}

QMessageBox::StandardButton MyMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                                   StandardButtons buttons, StandardButton defaultButton)
{
    MyMessageBox box(Information, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return StandardButton(box.exec());
}
