#include "ui/folder_picker.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/startup.h"
#include "ui/qt_dialogs.h"

namespace fennick::ui {

FolderPicker::FolderPicker(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("frmDir");
  setWindowTitle(kCaption);
  resize(520, 420);

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QDir::rootPath());

  folders_ = new QTreeView(this);
  folders_->setObjectName("Dir1");
  folders_->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) folders_->hideColumn(column);
  folders_->header()->hide();

  path_ = new QLineEdit(this);
  path_->setObjectName("Text1");

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("OKButton");
  auto* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName("CancelButton");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folders_, 1);
  layout->addWidget(path_);
  layout->addWidget(buttons);

  connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid())
              path_->setText(QDir::toNativeSeparators(model_->filePath(current)));
          });
  connect(ok, &QPushButton::clicked, this, &FolderPicker::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  const QString start = state_.settings.rsPath.isEmpty() || !QDir(state_.settings.rsPath).exists()
                            ? QDir::homePath()
                            : state_.settings.rsPath;
  ShowFolder(start);
}

void FolderPicker::ShowFolder(const QString& folder) {
  const QModelIndex index = model_->index(folder);
  folders_->setCurrentIndex(index);
  folders_->scrollTo(index);
  path_->setText(QDir::toNativeSeparators(folder));
}

void FolderPicker::Accept() {
  if (auto saved = AcceptPickedFolder(state_.paths, state_.settings, path_->text()); !saved) {
    QtDialogs(this).ShowMessage(saved.error(), MessageIcon::Exclamation, Dialogs::kTitle);
  }
  accept();
}

}  // namespace fennick::ui
