#pragma once

#include <string>

#include "app/dialogs.h"

namespace fennick {

// The clone's checks of the new Display Name, with their messages: it must differ from the one
// loaded by more than letter case, and hold none of . < > : / \ | (the name may end up in file
// names). True to go on.
bool CheckCloneDisplayName(const std::string& displayName, const std::string& loadedDisplayName,
                           Dialogs& dialogs);

}  // namespace fennick
