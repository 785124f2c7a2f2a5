#include "ui/comparison_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fennick::ui {

namespace {

constexpr int kDiffersRole = Qt::UserRole;

QTreeWidgetItem* Item(const ComparedRow& row) {
  auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(row.label),
                                               QString::fromStdString(row.backup),
                                               QString::fromStdString(row.current)});
  item->setData(0, kDiffersRole, row.differs);
  if (row.differs) {
    const QBrush marked(QColor(255, 236, 179));
    for (int column = 0; column < 3; ++column) {
      item->setBackground(column, marked);
      QFont bold = item->font(column);
      bold.setBold(true);
      item->setFont(column, bold);
    }
    item->setToolTip(0, QObject::tr("Differs"));
  }
  return item;
}

bool Differs(const QTreeWidgetItem* item) {
  return item->data(0, kDiffersRole).toBool();
}

}  // namespace

ComparisonWindow::ComparisonWindow(const QString& backupName, const QString& currentName,
                                   const ScenarioBackupComparison& comparison, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmCompareBackup");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Compare %1 with %2").arg(backupName, currentName));

  auto* note = new QLabel(this);
  note->setObjectName("lblComparisonNote");
  note->setWordWrap(true);
  note->setText(comparison.backupIndexName.isEmpty()
                    ? tr("No copy of the route's index from the time of %1 names this scenario, "
                         "so the backup's properties are not known.")
                          .arg(backupName)
                    : tr("The scenario's properties are kept in the route's index: the "
                         "backup's are as %1 held them when %2 was written.")
                          .arg(comparison.backupIndexName, backupName));

  rows_ = new QTreeWidget(this);
  rows_->setObjectName("lstComparison");
  rows_->setHeaderLabels(
      {QString(), tr("Backup: %1").arg(backupName), tr("Current: %1").arg(currentName)});
  rows_->setAlternatingRowColors(true);
  rows_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  rows_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  rows_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  QTreeWidgetItem* consist = nullptr;
  for (const ComparedRow& row : comparison.rows) {
    QTreeWidgetItem* item = Item(row);
    if (row.kind == ComparedRow::kVehicle && consist) {
      consist->addChild(item);
      if (row.differs) consist->setExpanded(true);
    } else {
      rows_->addTopLevelItem(item);
      if (row.kind == ComparedRow::kConsist) consist = item;
    }
  }

  differencesOnly_ = new QCheckBox(tr("Show differences only"), this);
  differencesOnly_->setObjectName("chkDifferencesOnly");
  connect(differencesOnly_, &QCheckBox::toggled, this, &ComparisonWindow::ShowDifferencesOnly);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(rows_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(differencesOnly_);
  bottom->addStretch(1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  resize(980, 600);
}

void ComparisonWindow::ShowDifferencesOnly(bool only) {
  for (int i = 0; i < rows_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = rows_->topLevelItem(i);
    bool childDiffers = false;
    for (int j = 0; j < top->childCount(); ++j) {
      QTreeWidgetItem* child = top->child(j);
      child->setHidden(only && !Differs(child));
      childDiffers = childDiffers || Differs(child);
    }
    top->setHidden(only && !Differs(top) && !childDiffers);
    if (only && childDiffers) top->setExpanded(true);
  }
}

}  // namespace fennick::ui
