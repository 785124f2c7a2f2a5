#pragma once

#include <QDialog>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "browser/backup_target.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace fennick::ui {

// frmBackups: a document and its backups, newest state on top, with the commands to put a
// backup back or to see how a scenario backup differs from today's document.
class BackupsWindow : public QDialog {
  Q_OBJECT
 public:
  BackupsWindow(AppState& state, browser::BackupTarget target, QString documentCaption,
                Dialogs& dialogs, QWidget* parent = nullptr);

 private:
  void Refresh();
  QString SelectedBackup() const;  // empty for no row or the current file's row
  void RestoreSelected();
  void CompareSelected();

  AppState& state_;
  browser::BackupTarget target_;
  Dialogs& dialogs_;
  QTreeWidget* list_ = nullptr;     // lstBackups
  QPushButton* restore_ = nullptr;  // cmdRestoreBackup
  QPushButton* compare_ = nullptr;  // cmdCompareBackup
};

}  // namespace fennick::ui
