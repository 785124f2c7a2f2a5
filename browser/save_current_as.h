#pragma once

#include <QString>

#include "app/dialogs.h"

namespace fennick::browser {

// "Save CurrentSave.xml As": asks for a name ("Save CurrentSave.xml as") and copies the
// scenario folder's CurrentSave.xml to it, ".xml" appended unless the name ends so (any case).
// An existing file of that name is replaced. Refused with a message, touching nothing: no
// scenario chosen, no CurrentSave.xml, a cancelled or empty name, a name holding \ / : or "..",
// or CurrentSave.xml itself. True when the copy was made.
bool SaveCurrentSaveAs(const QString& scenarioFolder, Dialogs& dialogs);

inline const std::string kSaveAsPrompt = "Save CurrentSave.xml as";

}  // namespace fennick::browser
