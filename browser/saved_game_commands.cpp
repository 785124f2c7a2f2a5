#include "browser/saved_game_commands.h"

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "bridge/program_start.h"

namespace fennick::browser {

namespace {

// Refusal, question and replacement, shared by the three commands.
bool ReplaceAfterQuestion(const SavedCopyChoice& choice, const std::string& question,
                          Dialogs& dialogs) {
  if (const std::string refusal = ReplaceRefusal(choice); !refusal.empty()) {
    dialogs.ShowMessage(refusal);
    return false;
  }
  if (!dialogs.AskYesNo(question)) return false;
  return ReplaceCurrentSave(choice, dialogs);
}

bool Start(const QString& program, Dialogs& dialogs) {
  if (const Status started = StartProgram(program); !started) {
    dialogs.ShowMessage(started.error());
    return false;
  }
  return true;
}

}  // namespace

bool OverwriteCurrentSave(const SavedCopyChoice& choice, Dialogs& dialogs) {
  return ReplaceAfterQuestion(choice, kOverwriteQuestion, dialogs);
}

bool RunRailSimWithSave(const QString& rsPath, const SavedCopyChoice& choice, bool listIsEmpty,
                        Dialogs& dialogs) {
  const QString simulator = JoinPath(rsPath, "RailSim.exe");
  if (listIsEmpty) return Start(simulator, dialogs);
  if (!ReplaceAfterQuestion(choice, kRunQuestion, dialogs)) return false;
  return Start(simulator, dialogs);
}

bool RunEditorWithSave(const QString& rsPath, const SavedCopyChoice& choice, Dialogs& dialogs) {
  if (!ReplaceAfterQuestion(choice, kRunQuestion, dialogs)) return false;
  const QString editor = JoinPath(rsPath, "RailSimEditor.exe");
  if (!FileExists(editor)) {
    dialogs.ShowMessage(kNoDevToolsMessage);
    return false;
  }
  return Start(editor, dialogs);
}

}  // namespace fennick::browser
