#include "ui/rows/CheckItemSignal.h"

#include "ui/rows/CheckItemBase.h"

#include <QEvent>
#include <QWidget>

CheckItemSignal::CheckItemSignal(CheckItemBase* item, QWidget* row)
    : QObject(row)
    , m_item(item)
{
    row->installEventFilter(this);
}

bool CheckItemSignal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        m_item->showControls(true);
    else if (event->type() == QEvent::Leave)
        m_item->showControls(false);
    return QObject::eventFilter(watched, event);
}
