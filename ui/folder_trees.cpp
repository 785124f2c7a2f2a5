#include "ui/folder_trees.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

namespace fennick::ui {

QTreeView* MakeFolderTree(QFileSystemModel* model, const char* name, QWidget* parent) {
  auto* tree = new QTreeView(parent);
  tree->setObjectName(name);
  tree->setModel(model);
  for (int column = 1; column < model->columnCount(); ++column) tree->hideColumn(column);
  tree->header()->hide();
  const QModelIndex root = model->index(model->rootPath());
  if (root.isValid()) tree->setRootIndex(root);
  return tree;
}

void ShowFolderIn(QTreeView* tree, QFileSystemModel* model, const QString& folder) {
  const QModelIndex index = model->index(folder);
  if (!index.isValid()) return;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) tree->expand(up);
  tree->setCurrentIndex(index);
  tree->expand(index);
  tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

}  // namespace fennick::ui
