#pragma once

#include <QMessageBox>

// The message box of every confirmation and message: fixed size, with the
// Yes, No, OK and Cancel buttons in the interface language.
class MyMessageBox : public QMessageBox
{
    Q_OBJECT
public:
    MyMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                 QWidget* parent = nullptr);

    // A critical box with OK, run modally.
    static StandardButton error(QWidget* parent, const QString& title, const QString& text);
    // A warning box with OK, run modally.
    static StandardButton warning(QWidget* parent, const QString& title, const QString& text);
    // An information box with the given buttons, run modally.
    static StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                   StandardButtons buttons = StandardButtons(Yes | No),
                                   StandardButton defaultButton = Yes);
};
