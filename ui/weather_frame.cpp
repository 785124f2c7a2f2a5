#include "ui/weather_frame.h"

#include <QDir>
#include <QFileSystemModel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/folder_trees.h"

namespace fennick::ui {

WeatherFrame::WeatherFrame(QFileSystemModel* folders, const QString& startFolder, QWidget* parent)
    : QGroupBox(tr("Select Weather Here if Required."), parent) {
  setObjectName("Frame1");
  auto* tree = MakeFolderTree(folders, "Dir1", this);
  files_ = new QListWidget(this);
  files_->setObjectName("File1");
  auto* set = new QPushButton(tr("Set Weather"), this);
  set->setObjectName("Command3");
  set->setToolTip(tr("Select weather from above and click here to confirm."));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree, 1);
  layout->addWidget(files_, 1);
  layout->addWidget(set);
  connect(set, &QPushButton::clicked, this, &WeatherFrame::setWeatherRequested);
  connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, folders](const QModelIndex& index) { ShowFiles(folders->filePath(index)); });
  ShowFiles(startFolder);
  ShowFolderIn(tree, folders, startFolder);
}

QString WeatherFrame::ChosenFile() const {
  const QListWidgetItem* file = files_->currentItem();
  return file ? file->text() : QString();
}

void WeatherFrame::ShowFiles(const QString& folder) {
  folder_ = folder;
  files_->clear();
  const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& file : files) {
    if (file.endsWith(".bin", Qt::CaseInsensitive)) files_->addItem(file);
  }
}

}  // namespace fennick::ui
