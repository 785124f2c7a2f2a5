#include "consist/vehicle_rows.h"

#include "scenario/xml_text.h"

#include <algorithm>

#include "consist/messages.h"
#include "scenario/consist_locate.h"
#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"
#include "scenario/text_search.h"

namespace fennick {

std::optional<TextRange> ConsistForCommand(std::string_view scenarioText, std::size_t consistRow,
                                           Dialogs& dialogs) {
  const Result<TextRange> consist = FindConsistBlock(scenarioText, consistRow);
  if (consist) return *consist;
  dialogs.ShowMessage(consist.error());
  return std::nullopt;
}

std::optional<TextRange> VehicleForCommand(std::string_view scenarioText, std::size_t consistRow,
                                           std::size_t row, Dialogs& dialogs) {
  const Result<TextRange> vehicle = FindVehicleBlock(scenarioText, consistRow, row);
  if (vehicle) return *vehicle;
  dialogs.ShowMessage(vehicle.error());
  return std::nullopt;
}

bool CheckConsistRow(std::string_view scenarioText, std::size_t consistRow, Dialogs& dialogs) {
  return ConsistForCommand(scenarioText, consistRow, dialogs).has_value();
}

bool CheckVehicleRows(std::string_view scenarioText, std::size_t consistRow,
                      const std::vector<std::size_t>& rows, Dialogs& dialogs) {
  if (!CheckConsistRow(scenarioText, consistRow, dialogs)) return false;
  if (rows.empty()) return true;
  if (CountVehicleBlocks(scenarioText, consistRow) == 0) {
    dialogs.ShowMessage(std::string(kEmptyConsist));
    return false;
  }
  if (const Status blocks = CheckVehicleBlocks(scenarioText, consistRow, rows); !blocks) {
    dialogs.ShowMessage(blocks.error());
    return false;
  }
  return true;
}

std::vector<std::size_t> EveryVehicleRow(std::string_view scenarioText, std::size_t consistRow) {
  std::vector<std::size_t> rows(CountVehicleBlocks(scenarioText, consistRow));
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = i;
  return rows;
}

std::vector<std::size_t> AscendingRows(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::string VehicleName(std::string_view block) {
  Pos pos = 1;
  std::string name;
  GetDetail(block, pos, "Name", name);
  return name;
}

std::string ForDisplay(std::string_view bytes, std::string_view scenarioText) {
  return ShowText(bytes, DocumentEncoding(scenarioText));
}

std::string CommandError(const std::string& description, std::string_view place) {
  return "Error - " + description + " occurred in " + std::string(place);
}

}  // namespace fennick
