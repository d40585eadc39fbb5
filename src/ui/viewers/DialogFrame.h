#pragma once

class QDialog;
class QIcon;
class QPushButton;

// The window frames and output buttons the report dialogs share.
namespace DialogFrame {

// Maximise and close, without the minimise and help buttons: a check's
// report and its analysis, which want the whole screen.
void setViewerFrame(QDialog* dialog);
// Title, system menu, minimise and close: the Holter dialogs, which a
// clinician keeps open beside others.
void setHolterFrame(QDialog* dialog);
// A report's print and PDF buttons: 32-pixel icons on 54-pixel buttons,
// with their "Print" and "Save PDF" tips.
void setOutputButtons(QPushButton* print, QPushButton* pdf, const QIcon& pdfIcon);

} // namespace DialogFrame
