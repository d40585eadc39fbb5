#include "app/AlreadyRunMessage.h"

AlreadyRunMessage::AlreadyRunMessage()
    : m_title(tr("Solvimara EX"))
    , m_text(m_title + " " + tr("is already running..."))
{}

QString AlreadyRunMessage::okButtonText()
{
    return tr("OK", "zh_cn_ver");
}
