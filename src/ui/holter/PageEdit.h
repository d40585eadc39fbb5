#pragma once

#include <QLineEdit>

// The page number of the all-ECG dialog; it says when it loses the focus so
// an emptied edit gets the current page back.
class PageEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit PageEdit(QWidget* parent = nullptr);

signals:
    void lostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
