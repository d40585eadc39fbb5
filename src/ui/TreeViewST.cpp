#include "ui/TreeViewST.h"

TreeViewST::TreeViewST(QWidget* parent)
    : QTreeView(parent)
{}

void TreeViewST::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    emit selectItemChanged(current, previous);
}
