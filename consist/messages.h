#pragma once

#include <string_view>

namespace fennick {

// The texts the consist and stock commands show, exactly as the users of the program know them.

inline constexpr std::string_view kNotRailVehiclesFolder =
    "You may not have selected a Rail Vehicles folder from the box below. \n"
    "If you are using a non-English version of Windows, this may be OK.";
inline constexpr std::string_view kWalkErrorLead = "Error ";
inline constexpr std::string_view kWalkErrorTail = " occurred in WorkWithSubFolders";

inline constexpr std::string_view kNoStockRowChosen =
    "You do not appear to have selected a rolling-stock item from the Available Stock list?";
inline constexpr std::string_view kCannotSwapLocosForWagons =
    "Sorry, but you can not swap Locos for Wagons.";
inline constexpr std::string_view kCannotSwapWagonsForLocos =
    "Sorry, but you can not swap Wagons for Locos.";
inline constexpr std::string_view kRollingStockUpdated =
    "Your Consist's Rolling-Stock information will be updated once you save changes.";

inline constexpr std::string_view kNothingToDuplicate =
    "You have not selected an item to duplicate?";
inline constexpr std::string_view kNothingToDelete = "You have not selected an item to delete?";
inline constexpr std::string_view kScenarioUpdated =
    "Your Scenario information will be updated once you save changes.";

inline constexpr std::string_view kNothingToDrive = "You have not selected a locomotive to drive?";
inline constexpr std::string_view kDriverUpdated =
    "Your Scenario Driver information will be updated once you save changes.";
inline constexpr std::string_view kNotLoadableTail = " is not a loadable vehicle";

// Refusals of this program's own, for selections the lists can no longer offer.
inline constexpr std::string_view kEmptyConsist =
    "The selected consist has no vehicles, so there is nothing to change in it.";
inline constexpr std::string_view kNoDriverFlag =
    "The selected consist has no PlayerDriver element of its own, so it cannot be made the "
    "driven consist.";
inline constexpr std::string_view kDriverFlagsUnclosed =
    "A PlayerDriver or PlayerControlled element of the scenario has no closing tag of its own, so "
    "the "
    "driver cannot be changed.";
inline constexpr std::string_view kNoPreloadedTail =
    " has no IsPreloaded element of its own, so its load cannot be set.";

inline constexpr std::string_view kNoWeatherFile =
    "You have not selected a weather blueprint from the file list.";

}  // namespace fennick
