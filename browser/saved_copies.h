#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "app/dialogs.h"

namespace fennick::browser {

// The saved game the simulator plays from, in a scenario folder.
inline const QString kCurrentSave = QStringLiteral("CurrentSave.xml");

// What the save-file commands work on: the scenario folder and the row chosen in its list of
// saved copies.
struct SavedCopyChoice {
  QString scenarioFolder;           // ScenarioFolder; empty before a scenario was chosen
  std::optional<QString> selected;  // the chosen file name; nullopt when none is chosen
};

// The "*.xml" files of the folder (any letter case), sorted by name without regard to case. An
// empty or missing folder lists nothing.
QStringList ListSavedCopies(const QString& folder);

// Why the chosen copy cannot be put in place of CurrentSave.xml, or the empty text. Checked
// before any question is asked, so a refused command touches nothing.
std::string ReplaceRefusal(const SavedCopyChoice& choice);

// Copies the chosen file over CurrentSave.xml. The copy is written under a temporary name in the
// scenario folder and replaces CurrentSave.xml only when complete: a failed copy leaves the
// saved game as it was. A failure is reported; true when CurrentSave.xml was replaced.
bool ReplaceCurrentSave(const SavedCopyChoice& choice, Dialogs& dialogs);

inline const std::string kNoScenarioChosenMessage = "You have not selected a Scenario?";

}  // namespace fennick::browser
