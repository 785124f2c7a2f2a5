#pragma once

#include <string>

namespace fennick::test {

// Index entries and scenario documents shaped like the converter's output, small enough to
// read in a test.

inline std::string Localized(const std::string& english, const std::string& french = "") {
  return "<Localisation-cUserLocalisedString><English d:type=\"cDeltaString\">" + english +
         "</English><French d:type=\"cDeltaString\">" + french +
         "</French><Italian d:type=\"cDeltaString\"></Italian><German "
         "d:type=\"cDeltaString\"></German><Spanish d:type=\"cDeltaString\"></Spanish><Key "
         "d:type=\"cDeltaString\"></Key></Localisation-cUserLocalisedString>";
}

inline std::string Entry(const std::string& startTime,
                         const std::string& scenarioClass = "eStandardScenarioClass",
                         const std::string& displayName = "Morning freight") {
  return "<cScenarioProperties d:id=\"123456789\"><UUID><e d:type=\"sUInt64\">1</e><e "
         "d:type=\"sUInt64\">2</e></UUID><DevString "
         "d:type=\"cDeltaString\">00112233-4455-6677-8899-AABBCCDDEEFF</DevString>"
         "<DisplayName>" +
         Localized(displayName) + "</DisplayName><Description>" + Localized("Desc") +
         "</Description><Briefing>" + Localized("Brief") +
         "</Briefing><StartTime d:type=\"sFloat32\" d:alt_encoding=\"0\" d:precision=\"string\">" +
         startTime +
         "</StartTime><DurationMins d:type=\"sInt32\">60</DurationMins><StartDD "
         "d:type=\"sInt32\">4</StartDD><StartMM d:type=\"sInt32\">7</StartMM><StartYYYY "
         "d:type=\"sInt32\">1985</StartYYYY><Season "
         "d:type=\"cDeltaString\">SEASON_SUMMER</Season><WeatherBlueprint><iBlueprintLibrary-"
         "cAbsoluteBlueprintID><BlueprintSetID><iBlueprintLibrary-cBlueprintSetID><Provider "
         "d:type=\"cDeltaString\">Kuju</Provider><Product "
         "d:type=\"cDeltaString\">RailSimulator</Product></iBlueprintLibrary-cBlueprintSetID></"
         "BlueprintSetID><BlueprintID "
         "d:type=\"cDeltaString\">Weather\\Clear.xml</BlueprintID></"
         "iBlueprintLibrary-cAbsoluteBlueprintID></WeatherBlueprint><ScenarioClass "
         "d:type=\"cDeltaString\">" +
         scenarioClass + "</ScenarioClass></cScenarioProperties>";
}

struct CraftedVehicle {
  std::string name;
  std::string flipped = "0";
  std::string preloaded = "eFalse";
  bool initialLevelEmpty = false;
  std::string blueprint = "RailVehicles\\Freight\\Van\\van.xml";
};

inline std::string Vehicle(const CraftedVehicle& v) {
  std::string text =
      "<cOwnedEntity d:id=\"1\"><Component><cWagon d:id=\"2\"><Flipped d:type=\"bool\">" +
      v.flipped +
      "</Flipped><UniqueNumber d:type=\"cDeltaString\">101</UniqueNumber><TotalMass "
      "d:type=\"sFloat32\">13.5</TotalMass></cWagon><cCargoComponent d:id=\"3\"><IsPreloaded "
      "d:type=\"cDeltaString\">" +
      v.preloaded + "</IsPreloaded>" +
      (v.initialLevelEmpty ? "<InitialLevel/>" : "<InitialLevel><e>1</e></InitialLevel>") +
      "</cCargoComponent></Component><BlueprintID><iBlueprintLibrary-cAbsoluteBlueprintID>"
      "<BlueprintSetID><iBlueprintLibrary-cBlueprintSetID><Provider "
      "d:type=\"cDeltaString\">Kuju</Provider><Product "
      "d:type=\"cDeltaString\">RailSimulator</Product></iBlueprintLibrary-cBlueprintSetID>"
      "</BlueprintSetID><BlueprintID d:type=\"cDeltaString\">" +
      v.blueprint +
      "</BlueprintID></iBlueprintLibrary-cAbsoluteBlueprintID></BlueprintID><Name "
      "d:type=\"cDeltaString\">" +
      v.name + "</Name></cOwnedEntity>";
  return text;
}

inline std::string Consist(const std::string& serviceBlock, const std::string& driver,
                           const std::string& vehicles) {
  return "<cConsist d:id=\"9\"><RailVehicles>" + vehicles + "</RailVehicles>" + serviceBlock +
         "<PlayerDriver d:type=\"bool\">" + driver +
         "</PlayerDriver><Driver><StartTime "
         "d:type=\"sFloat32\">25200</StartTime></Driver></cConsist>";
}

inline std::string Service(const std::string& english, const std::string& french = "") {
  return "<ServiceName>" + Localized(english, french) + "</ServiceName>";
}

inline std::string Document(const std::string& consists) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<cRecordSet xmlns:d=\"http://www.kuju.com/"
         "TnT/2003/Delta\" d:version=\"1.0\" d:id=\"1\"><Record>" +
         consists + "</Record></cRecordSet>";
}

}  // namespace fennick::test
