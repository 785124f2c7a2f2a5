#include "bench/consist/stock_tree_generator.h"

#include <stdexcept>
#include <string>

#include "tools/serz_format/binary_form.h"
#include "tools/serz_format/file_bytes.h"

namespace fennick::bench {

namespace {

constexpr int kPerFolder = 20;

// A vehicle blueprint of realistic size and layout (about 2 KiB of XML).
std::string BlueprintXml(bool engine, const std::string& name, const std::string& csv) {
  std::string x =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
      "<cBlueprintLoader xmlns:d=\"http://www.kuju.com/TnT/2003/Delta\" "
      "d:version=\"1.0\">\r\n\t<Blueprint>\r\n";
  const std::string record = engine ? "cEngineBlueprint" : "cWagonBlueprint";
  x += "\t\t<" + record + ">\r\n\t\t\t<Name d:type=\"cDeltaString\">" + name + "</Name>\r\n";
  x += "\t\t\t<BrowseInformation><iBlueprintLibrary-cBlueprintBrowseInformation><DisplayName>"
       "<Localisation-cUserLocalisedString>\r\n\t\t\t\t<English d:type=\"cDeltaString\">" +
       name +
       "</English><French d:type=\"cDeltaString\"></French><Italian d:type=\"cDeltaString\">"
       "</Italian><German d:type=\"cDeltaString\"></German><Spanish d:type=\"cDeltaString\">"
       "</Spanish><Key d:type=\"cDeltaString\"></Key>\r\n\t\t\t</Localisation-cUserLocalisedString>"
       "</DisplayName><Category d:type=\"cDeltaString\">eRailVehicles</Category>"
       "</iBlueprintLibrary-cBlueprintBrowseInformation></BrowseInformation>\r\n";
  x += "\t\t\t<RailVehicleComponent><cRailVehicleComponentBlueprint>\r\n"
       "\t\t\t\t<Type d:type=\"cDeltaString\">" +
       std::string(engine ? "eEngine" : "eWagon") +
       "</Type>\r\n\t\t\t\t<CsvFile d:type=\"cDeltaString\">" + csv +
       "</CsvFile>\r\n\t\t\t\t<Mass d:type=\"sFloat32\" d:alt_encoding=\"0000000000805F40\" "
       "d:precision=\"string\">42</Mass>\r\n";
  for (int i = 0; i < 12; ++i) {
    x += "\t\t\t\t<Property" + std::to_string(i) +
         " d:type=\"sFloat32\" d:alt_encoding=\"0000000000C04040\" d:precision=\"string\">33.5"
         "</Property" +
         std::to_string(i) + ">\r\n";
  }
  x += "\t\t\t</cRailVehicleComponentBlueprint></RailVehicleComponent>\r\n";
  if (engine) {
    x += "\t\t\t<EngineComponent><cEngineComponentBlueprint><EngineType d:type=\"cDeltaString\">"
         "eDiesel</EngineType></cEngineComponentBlueprint></EngineComponent>\r\n";
  }
  x += "\t\t</" + record + ">\r\n\t</Blueprint>\r\n</cBlueprintLoader>\r\n";
  return x;
}

std::string AuxiliaryXml(const std::string& record) {
  return "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cBlueprintLoader><Blueprint><" +
         record + "><Name d:type=\"cDeltaString\">aux</Name></" + record +
         "></Blueprint></cBlueprintLoader>\r\n";
}

void Write(const std::filesystem::path& file, const std::string& xml) {
  if (!serz::WriteFileBytes(file, serz::EncodeToBinary(xml))) {
    throw std::runtime_error("cannot write " + file.string());
  }
}

}  // namespace

std::filesystem::path GenerateStockTree(const std::filesystem::path& root, int blueprints) {
  const std::filesystem::path railVehicles =
      root / "Assets" / "BenchWorks" / "Rolling Stock" / "RailVehicles";
  for (int i = 0; i < blueprints; ++i) {
    const int folderIndex = i / kPerFolder;
    const std::string family = folderIndex % 2 == 0 ? "DMU" : "Passenger";
    const std::string unit = "Unit" + std::to_string(folderIndex);
    const std::filesystem::path folder = railVehicles / family / unit;
    if (i % kPerFolder == 0) {
      std::filesystem::create_directories(folder / "CabView");
      std::filesystem::create_directories(folder / "Simulation");
      Write(folder / "CabView" / (unit + "Cab.bin"), AuxiliaryXml("cCabViewBlueprint"));
      Write(folder / "Simulation" / (unit + "Sim.bin"), AuxiliaryXml("cEngineSimBlueprint"));
      serz::WriteFileBytes(folder / (unit + "Numbers.dcsv"), "<cCSVContainer/>\r\n");
    }
    const bool engine = i % 4 == 0;
    const std::string name = unit + (engine ? " Power Car " : " Trailer ") + std::to_string(i);
    Write(folder / ("Vehicle" + std::to_string(i) + ".bin"),
          BlueprintXml(engine, name,
                       "BenchWorks\\Rolling Stock\\RailVehicles\\" + family + "\\" + unit + "\\" +
                           unit + "Numbers"));
  }
  return railVehicles;
}

}  // namespace fennick::bench
