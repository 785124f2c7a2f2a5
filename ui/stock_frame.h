#pragma once

#include <QGroupBox>
#include <optional>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "consist/stock_catalogue.h"
#include "ui/stock_run.h"

class QButtonGroup;
class QFileSystemModel;
class QListWidget;
class QTreeView;

namespace fennick::ui {

// Frame4, "Available Stock.": the kind options, the RailVehicles folder list, "Find Available
// Rolling-Stock" and the stock it found, which the swaps take their vehicle from.
class StockFrame : public QGroupBox {
  Q_OBJECT
 public:
  StockFrame(AppState& state, Dialogs& dialogs, StockRun& run, QFileSystemModel* folders,
             QWidget* parent);

  const StockCatalogue& Catalogue() const { return catalogue_; }
  std::optional<std::size_t> ChosenRow() const;
  StockRun& Run() { return run_; }

 private:
  void Gather();
  void FolderChanged(const QString& folder);

  AppState& state_;
  Dialogs& dialogs_;
  StockRun& run_;
  QFileSystemModel* folders_ = nullptr;
  StockCatalogue catalogue_;
  QButtonGroup* kinds_ = nullptr;
  QTreeView* tree_ = nullptr;
  QListWidget* stock_ = nullptr;
};

}  // namespace fennick::ui
