// The editor's own handlers: lists, details, type warning, folders and leaving.
#include <QCloseEvent>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/editor_questions.h"
#include "app/settings.h"
#include "consist/folder_navigation.h"
#include "scenario/editor_load.h"
#include "scenario/text_search.h"
#include "scenario/vehicle_details.h"
#include "ui/editor_window.h"
#include "ui/vehicle_details_window.h"

namespace fennick::ui {

namespace {

const QString kEmptyConsist = QStringLiteral("Empty Consist");

}  // namespace

void EditorWindow::ShowVehiclesOfConsist(int consistRow) {
  vehicles_->clear();
  shownVehicles_.clear();
  if (consistRow < 0) return;
  auto vehicles = VehiclesOfConsist(session_.scenarioText, std::size_t(consistRow));
  if (!vehicles) {
    dialogs_.ShowMessage(vehicles.error());
    return;
  }
  shownVehicles_ = std::move(*vehicles);
  for (const VehicleFields& vehicle : shownVehicles_) {
    vehicles_->addItem(QString::fromStdString(ShownText(vehicle.name, session_.scenarioText)));
  }
  if (shownVehicles_.empty()) vehicles_->addItem(kEmptyConsist);
}

void EditorWindow::ShowVehicleDetails(int vehicleRow) {
  if (!DescribesLoadedVehicle(vehicleRow)) {
    if (details_) details_->hide();
    return;
  }
  if (!details_) details_ = new VehicleDetailsWindow(this);
  VehicleDetailsText text = DescribeVehicle(shownVehicles_[std::size_t(vehicleRow)]);
  text.blueprint = ShownText(text.blueprint, session_.scenarioText);
  details_->Show(text);
}

// Details belong to a row that still names the vehicle loaded at that place: a row a command
// changed (a swap, a copy) shows none. "Empty Consist" is no vehicle.
bool EditorWindow::DescribesLoadedVehicle(int vehicleRow) const {
  const int consistRow = consists_->currentRow();
  if (vehicleRow < 0 || consistRow < 0 || std::size_t(vehicleRow) >= shownVehicles_.size() ||
      std::size_t(consistRow) >= loadedNames_.size()) {
    return false;
  }
  const std::vector<std::string>& loaded = loadedNames_[std::size_t(consistRow)];
  return std::size_t(vehicleRow) < loaded.size() &&
         EqualsNoCase(loaded[std::size_t(vehicleRow)],
                      shownVehicles_[std::size_t(vehicleRow)].name);
}

std::optional<std::size_t> EditorWindow::HighlightedCurrentRow() const {
  const QListWidgetItem* item = vehicles_->currentItem();
  if (!item || !item->isSelected()) return std::nullopt;
  return std::size_t(vehicles_->row(item));
}

void EditorWindow::TimetablePressed() {
  const bool keep = ConfirmTimetableChoice(state_.settings, dialogs_);
  (keep ? timetable_ : standard_)->setChecked(true);
}

void EditorWindow::ShowWeatherFiles(const QString& folder) {
  weatherFolder_ = folder;
  weatherFiles_->clear();
  QDir dir(folder);
  const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& file : files) {
    if (file.endsWith(".bin", Qt::CaseInsensitive)) weatherFiles_->addItem(file);
  }
}

void EditorWindow::StockFolderChanged(const QString& folder) {
  // Kept as a folder path, with its closing separator.
  if (auto path = FollowHighlightedFolder(state_.settings.lastStockFolder,
                                          QDir::toNativeSeparators(folder))) {
    state_.settings.lastStockFolder = *path;
  }
}

void EditorWindow::RefreshVehicles(std::optional<std::size_t> current,
                                   const std::vector<std::size_t>& alsoSelected) {
  const QSignalBlocker quiet(vehicles_);
  ShowVehiclesOfConsist(consists_->currentRow());
  if (current && *current < std::size_t(vehicles_->count())) {
    vehicles_->setCurrentRow(int(*current), QItemSelectionModel::ClearAndSelect);
  } else {
    vehicles_->setCurrentRow(-1, QItemSelectionModel::Clear);
  }
  for (const std::size_t row : alsoSelected) {
    if (row < std::size_t(vehicles_->count())) vehicles_->item(int(row))->setSelected(true);
  }
  // An open details window follows the highlighted row.
  if (details_ && details_->isVisible()) ShowVehicleDetails(vehicles_->currentRow());
}

bool EditorWindow::Leave() {
  if (!ConfirmLeavingEditor(session_.consistsChanged, session_.saved, dialogs_)) return false;
  if (hooks_.closeBrowser) hooks_.closeBrowser();
  CloseForGood();
  return true;
}

bool EditorWindow::Dismiss() {
  if (!ConfirmLeavingEditor(session_.consistsChanged, session_.saved, dialogs_)) return false;
  CloseForGood();
  return true;
}

void EditorWindow::CloseForGood() {
  closingApproved_ = true;
  if (details_) details_->close();
  close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  // Closing by the frame is leaving too: unsaved consist changes are not dropped silently.
  if (!closingApproved_ &&
      !ConfirmLeavingEditor(session_.consistsChanged, session_.saved, dialogs_)) {
    event->ignore();
    return;
  }
  closingApproved_ = true;
  if (details_) details_->close();
  if (auto saved = SaveSettings(state_.paths.IniPath(), state_.settings); !saved) {
    dialogs_.ShowMessage(saved.error());
  }
  event->accept();
}

}  // namespace fennick::ui
