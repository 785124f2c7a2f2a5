#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fennick {

// What one conversion of a vehicle blueprint tells about it: which kind tags it holds and the
// vehicle's name. One conversion answers all three kind questions, so a blueprint tested as an
// engine and then as a wagon costs a single converter run.
struct BlueprintClass {
  bool engine = false;  // holds "<cEngineComponentBlueprint"
  bool wagon = false;   // holds "<cWagonBlueprint"
  bool tender = false;  // holds "<cTenderBlueprint"
  // The text of the first element whose tag begins "<Name", as UTF-8; nothing when the blueprint
  // has no such element or it is not closed.
  std::optional<std::string> name;

  bool operator==(const BlueprintClass&) const = default;
};

// Reads the kind tags (any letter case; longer tag names that begin with them count too) and
// the name from a blueprint's XML text.
BlueprintClass ClassifyBlueprintText(std::string_view xml);

}  // namespace fennick
