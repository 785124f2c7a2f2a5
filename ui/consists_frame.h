#pragma once

#include <QGroupBox>
#include <string>

#include "scenario/editor_load.h"

class QLabel;
class QListWidget;

namespace fennick::ui {

// Frame2, "Consists": one row per consist of the scenario and the driven consist's caption.
class ConsistsFrame : public QGroupBox {
  Q_OBJECT
 public:
  ConsistsFrame(const EditorView& view, QWidget* parent);

  int CurrentRow() const;  // -1 when none is chosen
  // Chooses the row without announcing it: the caller shows its vehicles itself.
  void SetCurrentRowQuietly(int row);
  std::string DrivenCaption() const;  // UTF-8
  void SetDrivenCaption(const std::string& caption);
  // Marks a consist holding vehicles whose blueprints are not installed; 0 clears the mark.
  void MarkMissingStock(int row, std::size_t missingVehicles);

 signals:
  void consistChosen(int row);

 private:
  QListWidget* consists_ = nullptr;
  QLabel* driven_ = nullptr;
};

}  // namespace fennick::ui
