#include "ui/holter/PageEdit.h"

PageEdit::PageEdit(QWidget* parent)
    : QLineEdit(parent)
{}

void PageEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit lostFocus();
}
