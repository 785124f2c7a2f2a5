#pragma once

#include <QString>

class QFileSystemModel;
class QTreeView;
class QWidget;

namespace fennick::ui {

// A folder list over the shared model, showing names only, rooted at the model's root path.
QTreeView* MakeFolderTree(QFileSystemModel* model, const char* name, QWidget* parent);

// Opens the tree down to the folder and makes it the current one.
void ShowFolderIn(QTreeView* tree, QFileSystemModel* model, const QString& folder);

}  // namespace fennick::ui
