#include "ui/backups_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "persist/backup_comparison.h"
#include "persist/backup_files.h"
#include "persist/restore_backup.h"
#include "ui/comparison_window.h"

namespace fennick::ui {

namespace {

QTreeWidgetItem* Row(const BackupFile& file, const QString& shownName) {
  auto* item = new QTreeWidgetItem(
      QStringList{shownName, QLocale().toString(file.modified, QLocale::ShortFormat),
                  QLocale().formattedDataSize(file.size, 1, QLocale::DataSizeTraditionalFormat)});
  item->setData(0, Qt::UserRole, file.number < 0 ? QString() : file.name);
  item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  item->setToolTip(2, QLocale().toString(file.size) + " bytes");
  return item;
}

}  // namespace

BackupsWindow::BackupsWindow(AppState& state, browser::BackupTarget target, QString documentCaption,
                             Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), target_(std::move(target)), dialogs_(dialogs) {
  setObjectName("frmBackups");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Backups of %1").arg(target_.stem + ".bin"));

  auto* caption = new QLabel(documentCaption, this);
  caption->setObjectName("lblBackupsOf");
  caption->setWordWrap(true);
  list_ = new QTreeWidget(this);
  list_->setObjectName("lstBackups");
  list_->setHeaderLabels({tr("File"), tr("Modified"), tr("Size")});
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);

  restore_ = new QPushButton(tr("Restore Selected Backup"), this);
  restore_->setObjectName("cmdRestoreBackup");
  compare_ = new QPushButton(tr("Compare with current"), this);
  compare_->setObjectName("cmdCompareBackup");
  compare_->setVisible(target_.isScenario());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(restore_, QDialogButtonBox::ActionRole);
  buttons->addButton(compare_, QDialogButtonBox::ActionRole);
  buttons->button(QDialogButtonBox::Close)->setObjectName("cmdCloseBackups");
  for (QAbstractButton* button : buttons->buttons()) {
    if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  connect(restore_, &QPushButton::clicked, this, &BackupsWindow::RestoreSelected);
  connect(compare_, &QPushButton::clicked, this, &BackupsWindow::CompareSelected);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
    const bool backup = !SelectedBackup().isEmpty();
    restore_->setEnabled(backup);
    compare_->setEnabled(backup);
  });
  Refresh();
  resize(620, 420);
}

void BackupsWindow::Refresh() {
  list_->clear();
  const BackupListing listing = ListBackups(target_.folder, target_.stem);
  if (listing.current) {
    QTreeWidgetItem* current = Row(*listing.current, listing.current->name + tr("  (current)"));
    QFont bold = current->font(0);
    bold.setBold(true);
    for (int column = 0; column < 3; ++column) current->setFont(column, bold);
    list_->addTopLevelItem(current);
  }
  for (const BackupFile& backup : listing.backups) list_->addTopLevelItem(Row(backup, backup.name));
  for (int column = 1; column < 3; ++column) list_->resizeColumnToContents(column);
  restore_->setEnabled(false);
  compare_->setEnabled(false);
}

QString BackupsWindow::SelectedBackup() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return {};
  return selected.front()->data(0, Qt::UserRole).toString();
}

void BackupsWindow::RestoreSelected() {
  const QString name = SelectedBackup();
  if (name.isEmpty()) return;
  (void)RestoreBackup(target_.folder, target_.stem, name, dialogs_);
  Refresh();  // shows what the restore left, whatever its outcome
}

void BackupsWindow::CompareSelected() {
  const QString name = SelectedBackup();
  if (name.isEmpty() || !target_.isScenario()) return;
  const Converter converter(state_.paths.ProgramFolder(), state_.settings.rsPath);
  auto comparison = CompareScenarioBackup(
      converter, {target_.routeFolder, target_.folder, target_.folderName, name});
  if (!comparison) {
    dialogs_.ShowMessage(comparison.error());
    return;
  }
  auto* window = new ComparisonWindow(name, target_.stem + ".bin", *comparison, this);
  window->show();
}

}  // namespace fennick::ui
