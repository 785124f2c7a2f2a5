#pragma once

#include <QDialog>

#include "app/app_state.h"

class QLineEdit;
class QTreeView;
class QFileSystemModel;

namespace fennick::ui {

// frmDir: a folder tree and an editable path; OK stores the path as typed and writes the
// settings file, Cancel changes nothing.
class FolderPicker : public QDialog {
  Q_OBJECT
 public:
  FolderPicker(AppState& state, QWidget* parent = nullptr);

  static inline const QString kCaption = QStringLiteral("Select Folder Containing RailSim.exe");

 private:
  void ShowFolder(const QString& folder);
  void Accept();

  AppState& state_;
  QFileSystemModel* model_;
  QTreeView* folders_;
  QLineEdit* path_;
};

}  // namespace fennick::ui
