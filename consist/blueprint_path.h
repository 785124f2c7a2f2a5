#pragma once

#include <QString>

namespace fennick {

// The .bin file of a blueprint address as scenarios store it: RSPath\Assets\provider\product\ID
// with the last three characters of the whole text replaced by "bin", whatever they were, so
// an ID ending in ".xml" names the converter's binary file.
QString BlueprintFilePath(const QString& rsPath, const QString& provider, const QString& product,
                          const QString& blueprintId);

// The same rule for a path text that already names the blueprint below Assets.
QString WithBinEnding(const QString& pathText);

// The ".xml" form a scenario stores for a blueprint file path.
QString WithXmlEnding(const QString& pathText);

}  // namespace fennick
