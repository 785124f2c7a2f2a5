#include "tests/consist/scenario_builder.h"

namespace fennick::test {

namespace {

std::string Value(const std::string& tabs, const std::string& name, const std::string& type,
                  const std::string& text) {
  return tabs + "<" + name + " d:type=\"" + type + "\">" + text + "</" + name + ">\r\n";
}

}  // namespace

std::string VehicleXml(const TestVehicle& v) {
  return "\t\t\t\t" + VehicleBlock(v) + "\r\n";
}

std::string VehicleBlock(const TestVehicle& v) {
  std::string x;
  x += "<cOwnedEntity d:id=\"101\">\r\n\t\t\t\t\t<Component>\r\n";
  x += "\t\t\t\t\t\t<" + v.record + " d:id=\"102\">\r\n";
  x += Value("\t\t\t\t\t\t\t", "Flipped", "bool", "0");
  x += Value("\t\t\t\t\t\t\t", "UniqueNumber", "cDeltaString", v.number);
  x += "\t\t\t\t\t\t\t<TotalMass d:type=\"sFloat32\" d:alt_encoding=\"0000000000803940\" "
       "d:precision=\"string\">" +
       v.mass + "</TotalMass>\r\n";
  x += "\t\t\t\t\t\t</" + v.record + ">\r\n";
  x += "\t\t\t\t\t\t<cCargoComponent d:id=\"103\">\r\n";
  x += Value("\t\t\t\t\t\t\t", "IsPreloaded", "cDeltaString", v.preloaded);
  x += v.loadable ? "\t\t\t\t\t\t\t<InitialLevel>\r\n\t\t\t\t\t\t\t\t<e d:type=\"sFloat32\">0</e>"
                    "\r\n\t\t\t\t\t\t\t</InitialLevel>\r\n"
                  : "\t\t\t\t\t\t\t<InitialLevel/>\r\n";
  x += "\t\t\t\t\t\t</cCargoComponent>\r\n\t\t\t\t\t</Component>\r\n";
  x += "\t\t\t\t\t<BlueprintID>\r\n\t\t\t\t\t\t<iBlueprintLibrary-cAbsoluteBlueprintID>\r\n";
  x += "\t\t\t\t\t\t\t<BlueprintSetID>\r\n\t\t\t\t\t\t\t\t<iBlueprintLibrary-cBlueprintSetID>\r\n";
  x += Value("\t\t\t\t\t\t\t\t\t", "Provider", "cDeltaString", v.provider);
  x += Value("\t\t\t\t\t\t\t\t\t", "Product", "cDeltaString", v.product);
  x +=
      "\t\t\t\t\t\t\t\t</iBlueprintLibrary-cBlueprintSetID>\r\n\t\t\t\t\t\t\t</BlueprintSetID>\r\n";
  x += Value("\t\t\t\t\t\t\t", "BlueprintID", "cDeltaString", v.blueprintId);
  x += "\t\t\t\t\t\t</iBlueprintLibrary-cAbsoluteBlueprintID>\r\n\t\t\t\t\t</BlueprintID>\r\n";
  x += Value("\t\t\t\t\t", "Name", "cDeltaString", v.name);
  x += "\t\t\t\t</cOwnedEntity>";
  return x;
}

std::string ScenarioXml(const std::vector<TestConsist>& consists) {
  std::string x = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n";
  x += "<cRecordSet xmlns:d=\"http://www.kuju.com/TnT/2003/Delta\" d:version=\"1.0\" "
       "d:id=\"100\">\r\n\t<Record>\r\n";
  for (const TestConsist& c : consists) {
    x += "\t\t<cConsist d:id=\"200\">\r\n\t\t\t<RailVehicles>\r\n";
    for (const TestVehicle& v : c.vehicles) x += VehicleXml(v);
    x += "\t\t\t</RailVehicles>\r\n";
    if (!c.service.empty()) {
      x += "\t\t\t<ServiceName>\r\n\t\t\t\t<Localisation-cUserLocalisedString>\r\n";
      x += Value("\t\t\t\t\t", "English", "cDeltaString", c.service);
      for (const char* language : {"French", "Italian", "German", "Spanish", "Key"}) {
        x += Value("\t\t\t\t\t", language, "cDeltaString", "");
      }
      x += "\t\t\t\t</Localisation-cUserLocalisedString>\r\n\t\t\t</ServiceName>\r\n";
    }
    if (c.hasDriverFlag) x += Value("\t\t\t", "PlayerDriver", "bool", c.playerDriver);
    x += Value("\t\t\t", "PlayerControlled", "bool", c.playerControlled);
    x += "\t\t</cConsist>\r\n";
  }
  x += "\t</Record>\r\n</cRecordSet>\r\n";
  return x;
}

TestVehicle Class66(std::string number) {
  TestVehicle v;
  v.record = "cEngine";
  v.number = std::move(number);
  v.mass = "126";
  v.blueprintId = "RailVehicles\\Diesel\\Class66\\Class66.xml";
  v.name = "Class 66";
  v.loadable = false;
  return v;
}

TestVehicle Hopper(std::string number) {
  TestVehicle v;
  v.number = std::move(number);
  return v;
}

TestVehicle Mk2(std::string number) {
  TestVehicle v;
  v.number = std::move(number);
  v.mass = "32";
  v.blueprintId = "RailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml";
  v.name = "Mk2 Standard Open";
  v.loadable = false;
  return v;
}

std::size_t NthIndex(const std::string& text, const std::string& what, int k) {
  std::size_t at = text.find(what);
  for (int i = 0; i < k && at != std::string::npos; ++i) at = text.find(what, at + 1);
  return at;
}

std::string InsertedBefore(std::string text, int k, const std::string& block) {
  text.insert(NthIndex(text, "<cOwnedEntity", k), block);
  return text;
}

std::string InsertedBehind(std::string text, int k, const std::string& block) {
  const std::string close = "</cOwnedEntity>";
  text.insert(NthIndex(text, close, k) + close.size(), block);
  return text;
}

std::string WithoutBlock(std::string text, int k) {
  const std::string close = "</cOwnedEntity>";
  const std::size_t start = NthIndex(text, "<cOwnedEntity", k);
  text.erase(start, NthIndex(text, close, k) + close.size() - start);
  return text;
}

}  // namespace fennick::test
