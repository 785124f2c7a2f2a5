#include "ui/editor_step.h"

namespace fennick::ui {

EditorStep::EditorStep(const QString& name, EditorControls before, EditorControls after,
                       TextChange change, std::string& document, ShowControls show)
    : QUndoCommand(name),
      before_(std::move(before)),
      after_(std::move(after)),
      change_(std::move(change)),
      document_(document),
      show_(std::move(show)) {}

void EditorStep::undo() {
  // The stack undoes in order, so the document holds exactly what this step made.
  if (!ApplyChange(document_, change_, false)) setObsolete(true);
  done_ = false;
  show_(before_);
}

void EditorStep::redo() {
  if (done_) return;
  if (!ApplyChange(document_, change_, true)) setObsolete(true);
  done_ = true;
  show_(after_);
}

}  // namespace fennick::ui
