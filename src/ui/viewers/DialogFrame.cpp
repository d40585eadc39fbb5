#include "ui/viewers/DialogFrame.h"

#include <QCoreApplication>
#include <QDialog>
#include <QIcon>
#include <QPushButton>

namespace DialogFrame {

void setViewerFrame(QDialog* dialog)
{
    dialog->setWindowFlags((dialog->windowFlags() & ~Qt::WindowMinimizeButtonHint & ~Qt::WindowContextHelpButtonHint) |
                           Qt::WindowMaximizeButtonHint);
}

void setHolterFrame(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

void setOutputButtons(QPushButton* print, QPushButton* pdf, const QIcon& pdfIcon)
{
    print->setIcon(QIcon(":/printer"));
    pdf->setIcon(pdfIcon);
    for (QPushButton* button : {print, pdf}) {
        button->setIconSize(QSize(32, 32));
        button->setMinimumSize(54, 54);
    }
    print->setToolTip(QCoreApplication::translate("DialogFrame", "Print"));
    pdf->setToolTip(QCoreApplication::translate("DialogFrame", "Save PDF"));
}

} // namespace DialogFrame
