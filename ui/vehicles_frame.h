#pragma once

#include <QGroupBox>
#include <QPointer>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "consist/consist_command.h"
#include "scenario/editor_load.h"
#include "scenario/text_codec.h"

class QListWidget;

namespace fennick::ui {

class VehicleDetailsWindow;

// The vehicle rows the consist commands act on: the highlighted current row and every
// highlighted row, in ascending order.
struct VehicleRows {
  std::optional<std::size_t> current;
  std::vector<std::size_t> selected;
  bool operator==(const VehicleRows&) const = default;
};

// The caption of a command's button, which also names its undo step.
QString ConsistCommandCaption(ConsistCommand command);

// Frame3, "Selected Consist": the vehicles of the chosen consist as the document holds them,
// the consist commands' buttons and the vehicle details window.
class VehiclesFrame : public QGroupBox {
  Q_OBJECT
 public:
  VehiclesFrame(const EditorView& view, QWidget* parent);
  ~VehiclesFrame() override;

  // Lists consist `consistRow` of the document afresh; nothing for -1. Returns the error when
  // the consist cannot be read.
  std::optional<std::string> ShowConsist(std::string_view document, int consistRow);
  // The vehicles listed now (none for "Empty Consist").
  const std::vector<VehicleFields>& Shown() const { return shown_; }
  // Marks a listed vehicle whose blueprint is not installed, naming the file it lacks.
  void MarkNotInstalled(std::size_t vehicleRow, const QString& expectedFile);
  VehicleRows Rows() const;
  void SetRows(const VehicleRows& rows);
  void CloseDetails();

 signals:
  void commandRequested(fennick::ConsistCommand command);

 private:
  void ShowDetails(int vehicleRow);
  bool DescribesLoadedVehicle(int vehicleRow) const;

  QListWidget* vehicles_ = nullptr;
  QPointer<VehicleDetailsWindow> details_;
  int consistRow_ = -1;
  TextEncoding encoding_ = TextEncoding::kWindows1252;  // how the document's texts decode
  std::vector<VehicleFields> shown_;                    // the rows; empty for "Empty Consist"
  std::vector<std::vector<std::string>> loadedNames_;   // each consist's vehicle names at load
};

}  // namespace fennick::ui
