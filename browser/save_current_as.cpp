#include "browser/save_current_as.h"

#include <optional>
#include <variant>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "browser/display_text.h"
#include "browser/plain_names.h"
#include "browser/saved_copies.h"

namespace fennick::browser {

namespace {

// The answer as a file name, or the refusal.
std::variant<QString, std::string> CopyName(const std::optional<std::string>& answer) {
  const QString typed = answer ? QString::fromStdString(*answer) : QString();
  if (typed.trimmed().isEmpty())
    return std::string("No name was given: CurrentSave.xml was not copied.");
  if (!IsPlainFileName(typed)) {
    return "\"" + typed.toStdString() +
           "\" cannot be used as the name of the copy: give a name without \\, /, : or \"..\".";
  }
  QString name = typed;
  if (!name.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)) name += QStringLiteral(".xml");
  if (name.compare(kCurrentSave, Qt::CaseInsensitive) == 0) {
    return std::string("CurrentSave.xml cannot be saved as itself: give the copy another name.");
  }
  return name;
}

}  // namespace

bool SaveCurrentSaveAs(const QString& scenarioFolder, Dialogs& dialogs) {
  if (scenarioFolder.isEmpty()) {
    dialogs.ShowMessage(kNoScenarioChosenMessage);
    return false;
  }
  const QString currentSave = JoinPath(scenarioFolder, kCurrentSave);
  if (!FileExists(currentSave)) {
    dialogs.ShowMessage("There is no CurrentSave.xml to copy in the Scenario's folder " +
                        ShownPath(scenarioFolder) + ".");
    return false;
  }
  const std::optional<std::string> answer = dialogs.AskText(kSaveAsPrompt, {}, Dialogs::kTitle);
  if (!answer) return false;  // Cancel: the person changed their mind
  const auto name = CopyName(answer);
  if (const auto* refusal = std::get_if<std::string>(&name)) {
    dialogs.ShowMessage(*refusal);
    return false;
  }
  const QString target = JoinPath(scenarioFolder, std::get<QString>(name));
  if (const Status copied = CopyFileReplacing(currentSave, target); !copied) {
    dialogs.ShowMessage("CurrentSave.xml could not be copied to " + ShownPath(target) + ".\n" +
                        copied.error());
    return false;
  }
  return true;
}

}  // namespace fennick::browser
