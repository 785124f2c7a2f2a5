#pragma once

#include <string>
#include <vector>

namespace fennick::test {

// Scenario documents laid out as the simulator's converter writes them, built from a few fields
// so a test can state the document it expects after a command as plainly as the one before.
struct TestVehicle {
  std::string record = "cWagon";  // cEngine or cWagon
  std::string number = "310001";
  std::string mass = "25.5";
  std::string provider = "Kuju";
  std::string product = "RailSimulator";
  std::string blueprintId = "RailVehicles\\Freight\\HTA\\HTA_Hopper.xml";
  std::string name = "HTA Coal Hopper";
  std::string preloaded = "eFalse";
  bool loadable = true;  // false: the cargo component holds <InitialLevel/>
  bool operator==(const TestVehicle&) const = default;
};

struct TestConsist {
  std::string service;  // empty: a loose consist
  bool hasDriverFlag = true;
  std::string playerDriver = "0";
  std::string playerControlled = "0";
  std::vector<TestVehicle> vehicles;
};

// The vehicle block itself, from "<cOwnedEntity" through "</cOwnedEntity>".
std::string VehicleBlock(const TestVehicle& vehicle);
// The block as it stands in a document: indented, on lines of its own.
std::string VehicleXml(const TestVehicle& vehicle);
std::string ScenarioXml(const std::vector<TestConsist>& consists);

// Vehicles like those of the sample installation.
TestVehicle Class66(std::string number = "66142");
TestVehicle Hopper(std::string number = "310001");
TestVehicle Mk2(std::string number = "5221");

// 0-based index of the k-th (0-based) occurrence of `what`, or npos.
std::size_t NthIndex(const std::string& text, const std::string& what, int k);
// The text with `block` put in front of / behind vehicle block k of the whole document.
std::string InsertedBefore(std::string text, int k, const std::string& block);
std::string InsertedBehind(std::string text, int k, const std::string& block);
// The text without vehicle block k of the whole document (its indentation stays).
std::string WithoutBlock(std::string text, int k);

}  // namespace fennick::test
