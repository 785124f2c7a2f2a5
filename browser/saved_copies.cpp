#include "browser/saved_copies.h"

#include <QDir>
#include <QFileInfo>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "browser/display_text.h"
#include "browser/plain_names.h"

namespace fennick::browser {

QStringList ListSavedCopies(const QString& folder) {
  if (folder.isEmpty()) return {};
  const QString native = NativePath(folder);
  if (!QFileInfo(native).isDir()) return {};
  return QDir(native).entryList({QStringLiteral("*.xml")}, QDir::Files,
                                QDir::Name | QDir::IgnoreCase);
}

std::string ReplaceRefusal(const SavedCopyChoice& choice) {
  if (choice.scenarioFolder.isEmpty()) return kNoScenarioChosenMessage;
  if (!choice.selected || choice.selected->isEmpty()) {
    return "You have not selected a saved file to put in place of CurrentSave.xml.";
  }
  const QString& name = *choice.selected;
  if (!IsPlainFileName(name)) {
    return "\"" + name.toStdString() + "\" is not the name of a file in the Scenario's folder.";
  }
  if (name.compare(kCurrentSave, Qt::CaseInsensitive) == 0) {
    return "The selected file is CurrentSave.xml itself: select one of the saved copies to put "
           "in its place.";
  }
  // A folder of that name passes here and fails at the copy, which reports it.
  if (!QFileInfo::exists(NativePath(JoinPath(choice.scenarioFolder, name)))) {
    return "The saved file " + ShownPath(JoinPath(choice.scenarioFolder, name)) +
           " does not exist.";
  }
  return {};
}

bool ReplaceCurrentSave(const SavedCopyChoice& choice, Dialogs& dialogs) {
  // CopyFileReplacing writes a temporary file beside the target and renames it over the target
  // only once the whole copy is on disk.
  const Status copied = CopyFileReplacing(JoinPath(choice.scenarioFolder, *choice.selected),
                                          JoinPath(choice.scenarioFolder, kCurrentSave));
  if (copied) return true;
  dialogs.ShowMessage(
      "CurrentSave.xml was left as it was: the selected file could not be "
      "copied over it.\n" +
      copied.error());
  return false;
}

}  // namespace fennick::browser
