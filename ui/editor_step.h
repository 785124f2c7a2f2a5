#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>

#include "scenario/editor_session.h"
#include "scenario/text_change.h"
#include "ui/vehicles_frame.h"

namespace fennick::ui {

// Everything of the editor a step puts back besides the document: the boxes, the two options,
// the driven-consist label and the rows chosen in the consist and vehicle lists.
struct EditorControls {
  PropertyBoxes boxes;
  bool timetable = false;
  bool allConsists = false;
  std::string drivenCaption;
  int consistRow = -1;
  VehicleRows vehicleRows;
  bool operator==(const EditorControls&) const = default;
};

// One change of the open scenario on the undo stack: the document's changed bytes and the
// controls before and after. It is pushed after the change was made, so its first redo does
// nothing.
class EditorStep : public QUndoCommand {
 public:
  using ShowControls = std::function<void(const EditorControls&)>;

  EditorStep(const QString& name, EditorControls before, EditorControls after, TextChange change,
             std::string& document, ShowControls show);

  void undo() override;
  void redo() override;

 private:
  EditorControls before_;
  EditorControls after_;
  TextChange change_;
  std::string& document_;
  ShowControls show_;
  bool done_ = true;
};

}  // namespace fennick::ui
