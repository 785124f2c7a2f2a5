#pragma once

#include <string>

namespace fennick {

// Texts shown by the save and the clone, exactly as the user sees them.
inline constexpr const char* kTimeFormatMessage = "The time must be in 24hour format, e.g. 0530";
inline constexpr const char* kStartDayMessage = "Invalid Start Day, must be between 1 and 31.";
inline constexpr const char* kStartMonthMessage = "Invalid Start Month, must be between 1 and 12.";
inline constexpr const char* kWeatherMissingMessage =
    "Weather Blueprint entered does not exist in the folder shown.";
inline constexpr const char* kNoDriverQuestion =
    "You do not appear to have chosen a consist to drive in this Scenario.\n"
    "Do you wish to continue?";
// Leads the reason a save was refused without writing anything.
inline constexpr const char* kNotSavedLead = "Your Scenario was not saved: ";
inline constexpr const char* kSavedMessage =
    "Your Scenario.bin and Scenarios.bin files have been updated.";

inline constexpr const char* kNameUnchangedMessage =
    "You do not appear to have changed the Display Name of this Scenario.\n"
    "The name must be unique if you with to use this option.";
inline constexpr const char* kIllegalNameMessage =
    "The 'Display Name' contains an illegal character which may not be used in a File Name.\n"
    "Please replace with an underscore";
inline constexpr const char* kCloneNote =
    "Note: If you Clone a Scenario, then only the Scenario itself is saved. You must make "
    "changes to the rolling stock seperately.";
inline constexpr const char* kClonedMessage = "Your New Scenarios.bin file has been updated.";

// The one failure report of a save or clone step. `description` says what went wrong in words
// a person understands.
std::string SaveFailureMessage(const std::string& description);

}  // namespace fennick
