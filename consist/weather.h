#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/dialogs.h"

namespace fennick {

// The three weather boxes: provider, product and blueprint ID of the weather blueprint.
struct WeatherBoxes {
  std::string provider;
  std::string product;
  std::string blueprintId;
  bool operator==(const WeatherBoxes&) const = default;
};

// "Set Weather": the address of the file chosen in the weather file list. The folder must lie
// below a folder named Assets with a provider and a product folder; the blueprint ID is the
// rest of the folder path and the file name, "\"-separated, with a "bin" ending turned into
// "xml". Nothing, after a message, when no file is chosen or the folder names no provider and
// product; the boxes are then left as they are. Nothing else changes: this is no consist change.
std::optional<WeatherBoxes> SetWeather(const QString& folderPath, const QString& fileName,
                                       Dialogs& dialogs);

}  // namespace fennick
