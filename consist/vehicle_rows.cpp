#include "consist/vehicle_rows.h"

#include "scenario/xml_text.h"

#include <algorithm>

#include "consist/messages.h"
#include "scenario/consist_locate.h"
#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"
#include "scenario/text_search.h"

namespace fennick {

bool CheckConsistRow(std::string_view scenarioText, std::size_t consistRow, Dialogs& dialogs) {
  if (LocateConsist(scenarioText, consistRow)) return true;
  dialogs.ShowMessage("There is no consist in row " + std::to_string(consistRow) +
                      " of the consist list.");
  return false;
}

bool CheckVehicleRows(std::string_view scenarioText, std::size_t consistRow,
                      const std::vector<std::size_t>& rows, Dialogs& dialogs) {
  if (!CheckConsistRow(scenarioText, consistRow, dialogs)) return false;
  if (rows.empty()) return true;
  const std::size_t count = CountVehicleBlocks(scenarioText, consistRow);
  if (count == 0) {
    dialogs.ShowMessage(std::string(kEmptyConsist));
    return false;
  }
  for (std::size_t row : rows) {
    if (row >= count) {
      dialogs.ShowMessage("There is no vehicle in row " + std::to_string(row) +
                          " of the selected consist.");
      return false;
    }
  }
  return true;
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
