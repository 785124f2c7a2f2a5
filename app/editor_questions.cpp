#include "app/editor_questions.h"

namespace fennick {

bool ConfirmTimetableChoice(Settings& settings, Dialogs& dialogs) {
  if (settings.timetableWarningAccepted) return true;
  if (!dialogs.AskOkCancel(kTimetableWarning, MessageIcon::Exclamation)) return false;
  settings.timetableWarningAccepted = true;
  return true;
}

bool ConfirmLeavingEditor(bool modified, Dialogs& dialogs) {
  if (!modified) return true;
  return dialogs.AskYesNo(kExitQuestion, MessageIcon::Exclamation);
}

}  // namespace fennick
