#include "tools/sample_install/scenario_document.h"

#include <stdexcept>

#include "tools/sample_install/delta_xml_writer.h"
#include "tools/sample_install/document_ids.h"

namespace fennick::sample {

namespace {

// A moment later than a start time, for the next instruction of the same driver.
std::string SecondsAfter(const std::string& seconds, int delta) {
  return std::to_string(std::stoi(seconds) + delta);
}

void WriteVehicle(DeltaXmlWriter& xml, const SampleVehicle& vehicle) {
  const StockBlueprint& b = StockByKey(vehicle.stockKey);
  if (vehicle.loaded && !b.carriesCargo) {
    throw std::invalid_argument(vehicle.stockKey + " cannot be loaded");
  }
  const bool engine = b.kind == VehicleKind::kEngine;

  xml.OpenWithId("cOwnedEntity");
  xml.Open("Component");
  xml.OpenWithId(engine ? "cEngine" : "cWagon");
  if (engine) xml.Bool("DisabledEngine", false);
  xml.Bool("Flipped", vehicle.flipped);
  xml.Value("UniqueNumber", "cDeltaString", vehicle.number);
  xml.Float("TotalMass", b.mass);
  xml.Float("Speed", "0");
  xml.Close(engine ? "cEngine" : "cWagon");

  xml.OpenWithId("cCargoComponent");
  xml.Value("IsPreloaded", "cDeltaString", vehicle.loaded ? "eTrue" : "eFalse");
  if (b.carriesCargo) {
    xml.Open("InitialLevel");
    xml.Float("e", vehicle.loaded ? "1" : "0");
    xml.Close("InitialLevel");
  } else {
    xml.Empty("InitialLevel");  // nothing to load
  }
  xml.Close("cCargoComponent");

  xml.OpenWithId("cPosOri");
  xml.Float("Scale", "1");
  xml.Close("cPosOri");
  xml.Close("Component");

  xml.Open("BlueprintID");
  xml.AbsoluteBlueprintId(b.provider, b.product, b.path + ".xml");
  xml.Close("BlueprintID");
  xml.Value("Name", "cDeltaString", b.name);
  xml.Close("cOwnedEntity");
}

void WriteDriver(DeltaXmlWriter& xml, const SampleConsist& consist) {
  if (consist.loose()) {
    xml.Empty("Driver");
    return;
  }
  xml.Open("Driver");
  xml.OpenWithId("cDriver");
  xml.Localised("ServiceName", consist.serviceName);
  xml.Open("InitialRV");
  for (const SampleVehicle& vehicle : consist.vehicles) {
    xml.Value("e", "cDeltaString", vehicle.number);
  }
  xml.Close("InitialRV");

  xml.Open("DriverInstructionContainer");
  xml.OpenWithId("cDriverInstructionContainer");
  xml.Open("DriverInstruction");
  xml.OpenWithId("cTriggerInstruction");
  xml.Float("StartTime", consist.startTime);
  xml.Bool("TriggerTrainStop", false);
  xml.Close("cTriggerInstruction");
  xml.OpenWithId("cStopAtDestinations");
  xml.Open("DeltaTarget");
  xml.OpenWithId("cDriverInstructionTarget");
  xml.Value("DisplayName", "cDeltaString", consist.destination);
  xml.Bool("Timetabled", false);
  xml.Close("cDriverInstructionTarget");
  xml.Close("DeltaTarget");
  xml.Float("StartTime", SecondsAfter(consist.startTime, 60));
  xml.Close("cStopAtDestinations");
  xml.Close("DriverInstruction");
  xml.Close("cDriverInstructionContainer");
  xml.Close("DriverInstructionContainer");
  xml.Close("cDriver");
  xml.Close("Driver");
}

}  // namespace

std::string ScenarioDocumentXml(const SampleScenario& scenario) {
  DeltaXmlWriter xml(FirstIdFor(scenario.guid));
  xml.OpenRoot("cRecordSet", true);
  xml.Open("Record");
  for (const SampleConsist& consist : scenario.consists) {
    xml.OpenWithId("cConsist");
    xml.Open("RailVehicles");
    for (const SampleVehicle& vehicle : consist.vehicles) WriteVehicle(xml, vehicle);
    xml.Close("RailVehicles");
    xml.Bool("PlayerDriver", consist.playerDriven);
    xml.Bool("PlayerControlled", consist.playerDriven);
    WriteDriver(xml, consist);
    xml.Close("cConsist");
  }
  xml.Close("Record");
  xml.Close("cRecordSet");
  return xml.Finish();
}

std::string SavedGameXml(const SampleScenario& scenario, const SavedGame& save) {
  DeltaXmlWriter xml(FirstIdFor(scenario.guid + save.fileName));
  xml.OpenRoot("cRecordSet", true);
  xml.Open("Record");
  xml.OpenWithId("cSaveGame");
  xml.Value("SaveLabel", "cDeltaString", save.label);
  xml.Value("ScenarioID", "cDeltaString", scenario.guid);
  xml.Float("GameTime", save.gameTime);
  xml.Close("cSaveGame");
  xml.Close("Record");
  xml.Close("cRecordSet");
  return xml.Finish();
}

}  // namespace fennick::sample
