#include "ui/stock_frame.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "consist/folder_navigation.h"
#include "consist/stock_gatherer.h"
#include "ui/folder_trees.h"
#include "ui/gather_progress_dialog.h"

namespace fennick::ui {

StockFrame::StockFrame(AppState& state, Dialogs& dialogs, StockRun& run, QFileSystemModel* folders,
                       QWidget* parent)
    : QGroupBox(tr("Available Stock."), parent),
      state_(state),
      dialogs_(dialogs),
      run_(run),
      folders_(folders) {
  setObjectName("Frame4");
  kinds_ = new QButtonGroup(this);
  auto* kindGrid = new QGridLayout;
  for (int i = 0; i < int(kStockKinds.size()); ++i) {
    const std::string_view kind = kStockKinds[std::size_t(i)];
    auto* option = new QRadioButton(QString::fromUtf8(kind.data(), qsizetype(kind.size())), this);
    option->setObjectName(QString("Option1_%1").arg(i));
    kinds_->addButton(option, i);
    kindGrid->addWidget(option, i / 3, i % 3);
  }
  auto* heading = new QLabel(tr("Select RailVehicles Folder"), this);
  heading->setObjectName("Label4");
  tree_ = MakeFolderTree(folders, "Dir2", this);
  tree_->setToolTip(tr("Select the RailVehicles folder you wish to list stock from."));
  auto* find = new QPushButton(tr("Find Available Rolling-Stock"), this);
  find->setObjectName("Command6");
  find->setToolTip(tr("List all stock of type selected below."));
  stock_ = new QListWidget(this);
  stock_->setObjectName("List3");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kindGrid);
  layout->addWidget(heading);
  layout->addWidget(tree_, 2);
  layout->addWidget(find);
  layout->addWidget(stock_, 3);
  connect(find, &QPushButton::clicked, this, &StockFrame::Gather);

  ShowFolderIn(
      tree_, folders,
      NativePath(StockFolderAtStart(state_.settings.rsPath, state_.settings.lastStockFolder)));
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { FolderChanged(folders_->filePath(index)); });
}

std::optional<std::size_t> StockFrame::ChosenRow() const {
  const int row = stock_->currentRow();
  if (row < 0) return std::nullopt;
  return std::size_t(row);
}

void StockFrame::Gather() {
  std::optional<std::string> kind;
  if (const int option = kinds_->checkedId(); option >= 0) {
    kind = std::string(kStockKinds[std::size_t(option)]);
  }
  const QString folder = folders_->filePath(tree_->currentIndex());
  stock_->clear();
  const Converter converter(state_.paths.ProgramFolder(), state_.settings.rsPath);
  const StockGatherer gatherer(converter, run_.cache);
  catalogue_.anyFolderAccepted = run_.anyFolderAccepted;
  {
    GatherProgressDialog progress(this);
    gatherer.Gather(folder, kind, catalogue_, dialogs_, &progress);
  }
  run_.anyFolderAccepted = catalogue_.anyFolderAccepted;
  for (const StockEntry& entry : catalogue_.entries) {
    stock_->addItem(QString::fromStdString(entry.name));
  }
}

void StockFrame::FolderChanged(const QString& folder) {
  // Kept as a folder path, with its closing separator.
  if (auto path = FollowHighlightedFolder(state_.settings.lastStockFolder,
                                          QDir::toNativeSeparators(folder))) {
    state_.settings.lastStockFolder = *path;
  }
}

}  // namespace fennick::ui
