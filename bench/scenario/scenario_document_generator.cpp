#include "bench/scenario/scenario_document_generator.h"

#include <string_view>

namespace fennick::bench {
namespace {

constexpr std::string_view kHead =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<cRecordSet xmlns:d=\"http://www.kuju.com/TnT/2003/Delta\" d:version=\"1.0\" "
    "d:id=\"41503660\">\r\n<Record>\r\n";
constexpr std::string_view kTail = "</Record>\r\n</cRecordSet>\r\n";

// One matrix entry as the converter writes floats; used to pad vehicle blocks to size.
std::string FloatEntry(std::size_t seed) {
  return "<e d:type=\"sFloat32\">" + std::to_string(100 + seed % 900) + ".12345</e>";
}

std::string Vehicle(std::size_t consist, std::size_t index, std::size_t padEntries) {
  const bool engine = index == 0;
  const std::string id = std::to_string(70000000 + consist * 100 + index);
  std::string v;
  v.reserve(1400 + padEntries * 80);
  v += "<cOwnedEntity d:id=\"" + id + "\">\r\n<Component>\r\n";
  v += engine ? "<cEngine d:id=\"" : "<cWagon d:id=\"";
  v += id + "1\">\r\n<PantographInfo/>\r\n";
  v += "<Flipped d:type=\"bool\">" + std::string(index % 7 == 3 ? "1" : "0") + "</Flipped>\r\n";
  v += "<UniqueNumber d:type=\"cDeltaString\">B" + std::to_string(954000 + index) +
       "</UniqueNumber>\r\n";
  v += "<TotalMass d:type=\"sFloat32\" d:alt_encoding=\"0000000000002B40\" "
       "d:precision=\"string\">13.5</TotalMass>\r\n";
  v += engine ? "</cEngine>\r\n" : "</cWagon>\r\n";
  v += "<cCargoComponent d:id=\"" + id +
       "2\">\r\n<IsPreloaded "
       "d:type=\"cDeltaString\">" +
       std::string(index % 3 == 0 ? "eTrue" : "eFalse") + "</IsPreloaded>\r\n";
  if (index % 5 == 4) v += "<InitialLevel/>\r\n";
  v += "</cCargoComponent>\r\n<cPosOri>\r\n<RFarMatrix><cFarMatrix>"
       "<Height d:type=\"sFloat32\">0</Height><RXAxis>";
  for (std::size_t k = 0; k < padEntries; ++k) v += FloatEntry(consist * 31 + index * 7 + k);
  v += "</RXAxis></cFarMatrix></RFarMatrix>\r\n</cPosOri>\r\n</Component>\r\n";
  v += "<BlueprintID>\r\n<iBlueprintLibrary-cAbsoluteBlueprintID>\r\n"
       "<BlueprintSetID>\r\n<iBlueprintLibrary-cBlueprintSetID>\r\n"
       "<Provider d:type=\"cDeltaString\">Kuju</Provider>\r\n"
       "<Product d:type=\"cDeltaString\">RailSimulator</Product>\r\n"
       "</iBlueprintLibrary-cBlueprintSetID>\r\n</BlueprintSetID>\r\n";
  v += engine ? "<BlueprintID d:type=\"cDeltaString\">RailVehicles\\Diesel\\Class66\\"
                "Class66.xml</BlueprintID>\r\n"
              : "<BlueprintID d:type=\"cDeltaString\">RailVehicles\\Freight\\Van\\"
                "van.xml</BlueprintID>\r\n";
  v += "</iBlueprintLibrary-cAbsoluteBlueprintID>\r\n</BlueprintID>\r\n";
  v += "<Name d:type=\"cDeltaString\">" + std::string(engine ? "Class 66 " : "Covered van ") +
       std::to_string(index) + "</Name>\r\n</cOwnedEntity>\r\n";
  return v;
}

// Spreads `totalPad` filler entries over `vehicles` vehicles as evenly as whole entries allow.
std::size_t PadFor(std::size_t vehicle, std::size_t vehicles, std::size_t totalPad) {
  return (vehicle + 1) * totalPad / vehicles - vehicle * totalPad / vehicles;
}

std::string Consist(std::size_t c, std::size_t vehicles, std::size_t totalConsists,
                    std::size_t totalPad) {
  const std::size_t allVehicles = vehicles * totalConsists;
  std::string text =
      "<cConsist d:id=\"" + std::to_string(50000000 + c) + "\">\r\n<RailVehicles>\r\n";
  for (std::size_t i = 0; i < vehicles; ++i) {
    text += Vehicle(c, i, allVehicles == 0 ? 0 : PadFor(c * vehicles + i, allVehicles, totalPad));
  }
  text += "</RailVehicles>\r\n";
  if (c % 10 != 9) {
    text +=
        "<ServiceName><Localisation-cUserLocalisedString>"
        "<English d:type=\"cDeltaString\">Service " +
        std::to_string(c) +
        "</English><French d:type=\"cDeltaString\"></French><Italian d:type=\"cDeltaString\">"
        "</Italian><German d:type=\"cDeltaString\"></German><Spanish d:type=\"cDeltaString\">"
        "</Spanish><Key d:type=\"cDeltaString\"></Key></Localisation-cUserLocalisedString>"
        "</ServiceName>\r\n";
  }
  text += "<PlayerDriver d:type=\"bool\">" + std::string(c == 0 ? "1" : "0") +
          "</PlayerDriver>\r\n<PlayerControlled d:type=\"bool\">0</PlayerControlled>\r\n";
  text +=
      "<Driver><cDriver><DriverInstructionContainer><cDriverInstructionContainer>"
      "<DriverInstruction><cTriggerInstruction><StartTime d:type=\"sFloat32\" "
      "d:alt_encoding=\"0000000000A0D840\" d:precision=\"string\">" +
      std::to_string(21600 + (c * 97) % 50000) +
      ".0000</StartTime></cTriggerInstruction></DriverInstruction>"
      "</cDriverInstructionContainer></DriverInstructionContainer></cDriver></Driver>\r\n";
  return text + "</cConsist>\r\n";
}

std::string Assemble(const DocumentShape& shape, std::size_t totalPad) {
  std::string text(kHead);
  for (std::size_t c = 0; c < shape.consists; ++c) {
    text += Consist(c, shape.vehiclesPerConsist, shape.consists, totalPad);
  }
  text += kTail;
  return text;
}

}  // namespace

std::string GenerateScenarioDocument(const DocumentShape& shape) {
  // Measure the unpadded document, then spread whole filler entries over the vehicles.
  const std::size_t bare = Assemble(shape, 0).size();
  const std::size_t entry = FloatEntry(0).size();
  std::size_t totalPad = 0;
  if (shape.targetBytes > bare) totalPad = (shape.targetBytes - bare + entry / 2) / entry;
  return Assemble(shape, totalPad);
}

}  // namespace fennick::bench
