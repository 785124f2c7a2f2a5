#pragma once

#include "app/dialogs.h"
#include "app/settings.h"

namespace fennick {

inline constexpr const char* kTimetableWarning =
    "Changing Scenario type from Standard to Timetable may cause strange effects when running the "
    "scenario, this option is for experimental purposes by experienced users. Continue?";
inline constexpr const char* kExitQuestion =
    "You have made changes to this Scenario, but have not saved them.\nDo you really wish to exit?";

// A press on "Timetable Scenario": true when the timetable type stays chosen. Asks once; an OK
// is remembered in the settings so no later press (nor a later run) asks again.
bool ConfirmTimetableChoice(Settings& settings, Dialogs& dialogs);

// Leaving the editor: true when it may close. Asks only when the scenario has changes that were
// not saved.
bool ConfirmLeavingEditor(bool modified, Dialogs& dialogs);

}  // namespace fennick
