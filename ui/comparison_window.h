#pragma once

#include <QDialog>

#include "persist/backup_comparison.h"

class QCheckBox;
class QTreeWidget;

namespace fennick::ui {

// frmCompareBackup: a scenario backup and today's document side by side, rows that differ
// marked; consists hold their vehicles.
class ComparisonWindow : public QDialog {
  Q_OBJECT
 public:
  ComparisonWindow(const QString& backupName, const QString& currentName,
                   const ScenarioBackupComparison& comparison, QWidget* parent = nullptr);

 private:
  void ShowDifferencesOnly(bool only);

  QTreeWidget* rows_ = nullptr;           // lstComparison
  QCheckBox* differencesOnly_ = nullptr;  // chkDifferencesOnly
};

}  // namespace fennick::ui
