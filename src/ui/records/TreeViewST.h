#pragma once

#include <QTreeView>

// The navigation tree's view: reports every change of the current node.
class TreeViewST : public QTreeView
{
    Q_OBJECT
public:
    explicit TreeViewST(QWidget* parent = nullptr);

signals:
    void selectItemChanged(QModelIndex current, QModelIndex previous);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
