#include "consist/blueprint_class.h"

#include "scenario/xml_text.h"

#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"
#include "scenario/text_search.h"

namespace fennick {

BlueprintClass ClassifyBlueprintText(std::string_view xml) {
  BlueprintClass found;
  found.engine = FindNoCase(xml, "<cEngineComponentBlueprint", 1) != kNotFound;
  found.wagon = FindNoCase(xml, "<cWagonBlueprint", 1) != kNotFound;
  found.tender = FindNoCase(xml, "<cTenderBlueprint", 1) != kNotFound;

  Pos at = FindNoCase(xml, "<Name", 1);
  if (at == kNotFound) return found;
  std::string name;
  const TagStatus status = GetDetail(xml, at, "Name", name);
  if (status == TagStatus::kFound || status == TagStatus::kEmptyForm) {
    found.name = ShowText(name, DocumentEncoding(xml));
  }
  return found;
}

}  // namespace fennick
