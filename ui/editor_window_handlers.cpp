// The editor's own handlers: lists, details, type warning, folders and leaving.
#include <QCloseEvent>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "app/editor_questions.h"
#include "app/settings.h"
#include "scenario/editor_load.h"
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
  // Rows always mirror the document, so row n is vehicle n; "Empty Consist" is no vehicle.
  if (vehicleRow < 0 || std::size_t(vehicleRow) >= shownVehicles_.size()) return;
  if (!details_) details_ = new VehicleDetailsWindow(this);
  details_->Show(DescribeVehicle(shownVehicles_[std::size_t(vehicleRow)]));
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
  state_.settings.lastStockFolder = QDir::toNativeSeparators(folder);
}

void EditorWindow::RefreshVehicles(int keepVehicleRow) {
  ShowVehiclesOfConsist(consists_->currentRow());
  if (keepVehicleRow >= 0 && keepVehicleRow < vehicles_->count()) {
    vehicles_->setCurrentRow(keepVehicleRow, QItemSelectionModel::NoUpdate);
  }
  // An open details window goes on describing the vehicle now at its row.
  if (details_ && details_->isVisible()) {
    if (keepVehicleRow >= 0 && std::size_t(keepVehicleRow) < shownVehicles_.size()) {
      ShowVehicleDetails(keepVehicleRow);
    } else {
      details_->hide();
    }
  }
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
