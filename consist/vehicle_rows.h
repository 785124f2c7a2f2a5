#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs.h"
#include "scenario/consist_locate.h"

namespace fennick {

// Checks a command's vehicle rows against consist m as ScenarioText holds it: the consist must
// exist and be closed, and hold every row as a closed block. A consist without vehicles (listed
// as "Empty Consist") is refused, since its only row would stand for the first vehicle of a later
// consist. Shows the refusal and returns false when a row cannot be acted on.
bool CheckVehicleRows(std::string_view scenarioText, std::size_t consistRow,
                      const std::vector<std::size_t>& rows, Dialogs& dialogs);

// Shows the refusal and returns false when consist m does not exist or is not closed.
bool CheckConsistRow(std::string_view scenarioText, std::size_t consistRow, Dialogs& dialogs);

// Consist m, or vehicle n of it, where a command is about to act; nothing after showing why the
// document does not hold it whole. A command that has already changed the text puts it back
// before it returns.
std::optional<TextRange> ConsistForCommand(std::string_view scenarioText, std::size_t consistRow,
                                           Dialogs& dialogs);
std::optional<TextRange> VehicleForCommand(std::string_view scenarioText, std::size_t consistRow,
                                           std::size_t row, Dialogs& dialogs);

// Rows 0 to count - 1 of consist m, for a command that walks every vehicle of it.
std::vector<std::size_t> EveryVehicleRow(std::string_view scenarioText, std::size_t consistRow);

// The rows in ascending order, each once.
std::vector<std::size_t> AscendingRows(std::vector<std::size_t> rows);

// The text of the first "Name" element of a vehicle block, as bytes; empty when it has none.
std::string VehicleName(std::string_view block);

// Document bytes as UTF-8 for a message.
std::string ForDisplay(std::string_view bytes, std::string_view scenarioText);

// "Error - description occurred in place", the form of an unexpected failure of a command.
std::string CommandError(const std::string& description, std::string_view place);

}  // namespace fennick
