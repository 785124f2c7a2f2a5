#pragma once

#include <QString>
#include <string>

#include "app/dialogs.h"
#include "scenario/editor_session.h"

namespace fennick {

// The checks in front of a save or a clone, in order, stopping at the first that fails with its
// message: the start time (four characters, at most 2400), the start day (1 to 31), the start
// month (1 to 12), the weather blueprint's .bin under rsPath\Assets\Provider\Product, and, when
// no consist is driven (`drivenCaption` empty), the question whether to go on. True to go on.
bool ValidateProperties(const PropertyBoxes& boxes, const std::string& drivenCaption,
                        const QString& rsPath, Dialogs& dialogs);

// The .bin the Weather Blueprint box names: its text without the last three characters
// (normally "xml") followed by "bin". Empty when the text is shorter than three characters.
QString WeatherBlueprintBinPath(const PropertyBoxes& boxes, const QString& rsPath);

}  // namespace fennick
