#include "ui/records/TreeViewST.h"

TreeViewST::TreeViewST(QWidget* parent)
    : QTreeView(parent)
{}

void TreeViewST::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The base class scrolls to the node and tells assistive technology.
    QTreeView::currentChanged(current, previous);
    emit selectItemChanged(current, previous);
}
