#include "ui/records/MyListWidget.h"

#include <QKeyEvent>
#include <QResizeEvent>

MyListWidget::MyListWidget(QWidget* parent)
    : QListWidget(parent)
{}

void MyListWidget::setFill(bool fill)
{
    m_fill = fill;
    if (m_fill)
        fillItems(size());
}

void MyListWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete)
        emit keyDown(event);
    QListWidget::keyPressEvent(event);
}

void MyListWidget::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    emit onResize(event->size());
    if (m_fill)
        fillItems(event->size());
}

void MyListWidget::fillItems(const QSize& size)
{
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(size);
}
