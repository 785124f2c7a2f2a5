#pragma once

#include <QString>
#include <string>

#include "app/dialogs.h"
#include "browser/saved_copies.h"

namespace fennick::browser {

// The browser's commands that put a saved copy in place of CurrentSave.xml, each after its
// question. A choice that cannot be used (ReplaceRefusal) is refused before the question; a
// failed copy is reported and nothing is started; a start that fails is reported. Each returns
// true when it did all it set out to do.

// "Overwrite CurrentSave.xml with Selected file".
bool OverwriteCurrentSave(const SavedCopyChoice& choice, Dialogs& dialogs);

// "Run RailSim Using Selected Save File": with an empty saved-copies list the simulator starts at
// once, without a question and without touching CurrentSave.xml.
bool RunRailSimWithSave(const QString& rsPath, const SavedCopyChoice& choice, bool listIsEmpty,
                        Dialogs& dialogs);

// "RunRailSim Editor using this Save File": after the replacement, starts RailSimEditor.exe, or
// says that the Dev Tools are missing.
bool RunEditorWithSave(const QString& rsPath, const SavedCopyChoice& choice, Dialogs& dialogs);

inline const std::string kOverwriteQuestion =
    "This operation will delete your CurrentSave.xml file for this Scenario and replace it\n"
    "with the selected file. Proceed?";
inline const std::string kRunQuestion =
    "This operation will delete your CurrentSave.xml file for this Scenario. If you have not "
    "saved it,\nclick NO and save it before proceeding. Proceed?";
inline const std::string kNoDevToolsMessage =
    "You do not appear to have the Dev Tools installed.\nPlease Run Rail Simulator instead.";

}  // namespace fennick::browser
