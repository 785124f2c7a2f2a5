#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "consist/blueprint_class.h"
#include "consist/blueprint_kind.h"
#include "consist/blueprint_path.h"
#include "consist/mass_and_number.h"
#include "consist/number_list.h"
#include "tests/consist/consist_test_support.h"

namespace fennick {
namespace {

TEST(ClassifyBlueprintText, FindsKindTagsInAnyCaseAndTheFirstName) {
  const std::pair<std::string, BlueprintClass> cases[] = {
      {"<cEngineBlueprint><Name>L</Name><cEngineComponentBlueprint>", {true, false, false, "L"}},
      {"<CWAGONBLUEPRINT><NAME d:type=\"x\">Van</NAME>", {false, true, false, "Van"}},
      {"<cTenderBlueprint><Name>T</Name>", {false, false, true, "T"}},
      {"<cWagonBlueprintEx><Name>A</Name><Name>B</Name>", {false, true, false, "A"}},
      {"<cWagonBlueprint><NameTag>X</NameTag><Name>B</Name>", {false, true, false, "X"}},
      {"<cWagonBlueprint><Name/>", {false, true, false, ""}},
      {"<cWagonBlueprint>", {false, true, false, std::nullopt}},
      {"<cWagonBlueprint><Name>W", {false, true, false, std::nullopt}},
      {"<cWagonBlueprint><Name>\xE9t\xE9</Name>", {false, true, false, "\xC3\xA9t\xC3\xA9"}},
      {"<cEngineSimBlueprint><Name>Sim</Name>", {false, false, false, "Sim"}}};
  for (const auto& [xml, found] : cases) EXPECT_TRUE(ClassifyBlueprintText(xml) == found) << xml;
}

TEST(BlueprintFilePath, JoinsBelowAssetsAndEndsInBin) {
  EXPECT_EQ(BlueprintFilePath("C:\\RS", "Kuju", "RailSimulator", "RailVehicles\\Diesel\\C66.xml"),
            "C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel\\C66.bin");
  // Whatever the last three characters are, they become "bin".
  EXPECT_EQ(BlueprintFilePath("C:\\RS", "Vale", "Branch Lines", "Weather\\Clear.abc"),
            "C:\\RS\\Assets\\Vale\\Branch Lines\\Weather\\Clear.bin");
}

using test::BlueprintXml, test::With;
using BlueprintTest = test::SampleStockTest;

TEST_F(BlueprintTest, ClassifiesByItsRecordAndLeavesNoScratchFile) {
  BlueprintXml nameless = With(&BlueprintXml::name, "");
  nameless.record = "cEngineBlueprint";
  nameless.extra = "<EngineComponent><cEngineComponentBlueprint/></EngineComponent>\r\n";
  WriteBlueprint("Kuju/RailSimulator/RailVehicles/Diesel/Nameless/Nameless.bin", nameless.Text());
  const struct {
    const char* blueprint;  // below Kuju's RailVehicles
    const char* kind;       // "engine", "wagon", "tender" or "" for none
    const char* name;
    const char* error = nullptr;  // a text the error holds, when classifying must fail
    const char* fault = "";
  } cases[] = {{"Diesel/Class66/Class66.bin", "engine", "Class 66"},
               {"Passenger/Mk2/Mk2_FO.bin", "wagon", "Mk2 First Open"},
               {"Steam/BlackFive/BlackFiveTender.bin", "tender", "Black Five Tender"},
               {"Diesel/Class66/Simulation/Class66EngineSim.bin", "", "EngineSimBlueprint"},
               {"Diesel/Nameless/Nameless.bin", "engine", ""},
               {"Diesel/Class66/Missing.bin", "", "", ""},
               {"Diesel/Class66/Class66.bin", "", "", "", "exit"},
               {"Diesel/Class66/Class66.bin", "", "", "", "silent"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.blueprint) + " " + c.fault);
    Fail(c.fault);
    const int runs = ConverterRuns();
    const Result<BlueprintClass> found =
        ClassifyBlueprintFile(converter(), KujuRailVehicles() + "/" + c.blueprint);
    ASSERT_EQ(found.ok(), !c.error) << found.error();
    if (found) {
      EXPECT_EQ(ConverterRuns(), runs + 1);
      const std::string kind = found->engine   ? "engine"
                               : found->wagon  ? "wagon"
                               : found->tender ? "tender"
                                               : "";
      EXPECT_EQ(kind, c.kind);
      EXPECT_EQ(found->name.value_or(""), c.name);
    }
    EXPECT_TRUE(TempFilesEntries().filter("temp", Qt::CaseInsensitive).isEmpty());
  }
}

TEST(JoinNumberListLines, EveryLineEndsInCrLf) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\nb\n", "a\r\nb\r\n"},       {"a\rb", "a\r\nb\r\n"},
      {"a\r\nb", "a\r\nb\r\n"},     {"a\n\nb\n", "a\r\n\r\nb\r\n"}, {"", ""}};
  for (const auto& [file, joined] : cases) EXPECT_EQ(JoinNumberListLines(file), joined) << file;
}

// Items of equal length numbered 0, 1, 2, ... with `digits` digits; the first Name lies 10
// characters behind its item, so r = k reads from position 10k.
std::string NumberList(int entries, int digits = 2) {
  std::string text;
  for (int i = 0; i < entries; ++i) {
    char number[8];
    std::snprintf(number, sizeof number, "%0*d", digits, i);
    text += std::string("<cCSVItem><Name>") + number + "</Name></cCSVItem>\r\n";
  }
  return text;
}

TEST(PickRunningNumber, TakesTheFirstNameAtOffsetTimesR) {
  const struct {
    std::string list;
    float u;
    const char* expected;
  } cases[] = {{"<cCSVItem><X>1</X></cCSVItem>\r\n", 0.5f, ""},
               {"", 0.5f, ""},
               {NumberList(1), 0.999f, "00"},
               {NumberList(2), 0.999f, "00"},
               // Ten entries of 38 characters: r runs from 1 (u = 0) to 8 (u near 1).
               {NumberList(10), 0.0f, "00"},
               {NumberList(10), 0.4f, "01"},
               {NumberList(10), 0.5f, "02"},
               {NumberList(10), 0.999f, "02"},
               // Counts and positions beyond 16 bits: r = 20000 reads from position 200,000, inside
               // entry 4878 of 41 characters.
               {NumberList(40000, 5), 0.5f, "04878"},
               {"<Header>" + std::string(40000, ' ') + "</Header>\r\n" + NumberList(2), 0.7f, "00"},
               {"<Name>7</Name>\r\n" + NumberList(3), 0.9f, "7"}};
  for (const auto& c : cases) {
    EXPECT_EQ(PickRunningNumber(c.list, c.u), c.expected) << c.list.substr(0, 60) << " u " << c.u;
  }
}

TEST_F(BlueprintTest, GetMassAndNumberReadsMassAndDrawsFromTheNumberList) {
  BlueprintXml massFirst = With(&BlueprintXml::mass, "");
  massFirst.csvFile = BlueprintXml().mass + BlueprintXml().csvFile;
  const std::pair<const char*, BlueprintXml> faulty[] = {
      {"Odd/NoComponent.bin", With(&BlueprintXml::component, "OtherComponent")},
      {"Odd/NoCsv.bin", With(&BlueprintXml::csvFile, "")},
      {"Odd/NoMass.bin", With(&BlueprintXml::mass, "")},
      {"Odd/MassFirst.bin", massFirst}};
  for (const auto& [file, xml] : faulty) WriteBlueprint(QString("Kuju/") + file, xml.Text());
  const struct {
    const char* blueprint;  // below Assets
    float u;
    const char* mass;
    const char* number;           // empty: none drawn
    const char* error = nullptr;  // a text the error holds, when it must fail
    const char* fault = "";
  } cases[] = {
      {"Kuju/RailSimulator/RailVehicles/Diesel/Class66/Class66.bin", 0.0f, "126", "66001"},
      {"Kuju/RailSimulator/RailVehicles/Diesel/Class66/Class66.bin", 0.999f, "126", "66142"},
      {"Kuju/RailSimulator/RailVehicles/Steam/BlackFive/BlackFive.bin", 0.9f, "72", "45407"},
      {"Kuju/RailSimulator/RailVehicles/Electric/Class86/Class86.bin", 0.999f, "85", "86229"},
      // No list named, and a named list that is missing.
      {"Kuju/RailSimulator/RailVehicles/Freight/Van/VanVEA.bin", 0.5f, "13.5", ""},
      {"ValeWorks/Branch Lines/RailVehicles/Freight/BrakeVan/ToadBrakeVan.bin", 0.5f, "20", ""},
      {"Kuju/Odd/NoComponent.bin", 0, "", "", "RailVehicleComponent"},
      {"Kuju/Odd/NoCsv.bin", 0, "", "", "CsvFile"},
      {"Kuju/Odd/NoMass.bin", 0, "", "", "Mass"},
      {"Kuju/Odd/MassFirst.bin", 0, "", "", "Mass"},
      {"Kuju/RailSimulator/RailVehicles/Freight/Van/VanVEA.bin", 0, "", "", "serz.exe", "exit"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.blueprint) + " u " + std::to_string(c.u));
    Fail(c.fault);
    test::ScriptedUniform random({c.u});
    const Result<MassAndNumber> found =
        GetMassAndNumber(converter(), install.RsPath(), Assets(c.blueprint), "Out.xml", random);
    EXPECT_EQ(random.draws, *c.number ? 1 : 0);
    if (c.error) {
      ASSERT_FALSE(found.ok());
      EXPECT_NE(found.error().find(c.error), std::string::npos) << found.error();
      continue;
    }
    ASSERT_TRUE(found.ok()) << found.error();
    EXPECT_EQ(found->mass, c.mass);
    EXPECT_EQ(found->number, c.number);
    // The converter's output stays in TempFiles under the name given.
    EXPECT_TRUE(TempFilesEntries().contains("Out.xml"));
  }
}

}  // namespace
}  // namespace fennick
