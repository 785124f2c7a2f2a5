#include <gtest/gtest.h>

#include <string>

#include "consist/blueprint_class.h"
#include "consist/blueprint_kind.h"
#include "consist/blueprint_path.h"
#include "tests/consist/sample_stock_fixture.h"
#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct TextCase {
  const char* label;
  std::string xml;
  BlueprintClass expected;
};

class ClassifyTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ClassifyTextTest, FindsKindTagsAndName) {
  EXPECT_EQ(ClassifyBlueprintText(GetParam().xml), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyTextTest,
    testing::Values(
        TextCase{"engine only",
                 "<cEngineBlueprint><Name>Loco</Name><cEngineComponentBlueprint>",
                 {true, false, false, "Loco"}},
        TextCase{"wagon in capitals",
                 "<CWAGONBLUEPRINT><NAME d:type=\"x\">Van</NAME>",
                 {false, true, false, "Van"}},
        TextCase{"tender", "<cTenderBlueprint><Name>T</Name>", {false, false, true, "T"}},
        TextCase{"longer tag names count",
                 "<cWagonBlueprintEx><Name>W</Name>",
                 {false, true, false, "W"}},
        TextCase{"first Name element wins",
                 "<cWagonBlueprint><Name>A</Name><Name>B</Name>",
                 {false, true, false, "A"}},
        TextCase{"prefix match on Name",
                 "<cWagonBlueprint><NameTag>X</NameTag><Name>B</Name>",
                 {false, true, false, "X"}},
        TextCase{"empty name element", "<cWagonBlueprint><Name/>", {false, true, false, ""}},
        TextCase{"no name", "<cWagonBlueprint>", {false, true, false, std::nullopt}},
        TextCase{"unclosed name", "<cWagonBlueprint><Name>W", {false, true, false, std::nullopt}},
        TextCase{"name decoded from the code page",
                 "<cWagonBlueprint><Name>Wagon \xE9t\xE9</Name>",
                 {false, true, false, "Wagon \xC3\xA9t\xC3\xA9"}},
        TextCase{"nothing of the three",
                 "<cEngineSimBlueprint><Name>Sim</Name>",
                 {false, false, false, "Sim"}}),
    test::CaseName());

struct PathCase {
  const char* label;
  const char* provider;
  const char* product;
  const char* id;
  const char* expected;
};

class BlueprintFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(BlueprintFilePathTest, JoinsAndEndsInBin) {
  const PathCase& c = GetParam();
  EXPECT_EQ(BlueprintFilePath("C:\\RS", c.provider, c.product, c.id), QString(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlueprintFilePathTest,
    testing::Values(PathCase{"xml ending", "Kuju", "RailSimulator", "RailVehicles\\Diesel\\C66.xml",
                             "C:\\RS\\Assets\\Kuju\\RailSimulator\\RailVehicles\\Diesel\\C66.bin"},
                    PathCase{"capital ending", "Kuju", "P", "Weather\\Clear.XML",
                             "C:\\RS\\Assets\\Kuju\\P\\Weather\\Clear.bin"},
                    PathCase{"any three characters", "Kuju", "P", "Weather\\Clear.abc",
                             "C:\\RS\\Assets\\Kuju\\P\\Weather\\Clear.bin"},
                    PathCase{"blank in product", "ValeWorks", "Branch Lines", "RailVehicles\\a.xml",
                             "C:\\RS\\Assets\\ValeWorks\\Branch Lines\\RailVehicles\\a.bin"}),
    test::CaseName());

// Classification of real blueprints of the sample installation, through the stand-in converter.
using Operation = Status (*)(const Converter&, const QString&, bool&, std::string&);

struct KindCase {
  const char* label;
  const char* blueprint;  // below Assets/Kuju/RailSimulator/RailVehicles
  Operation operation;
  bool expected;
  const char* name;  // the name when expected
};

class BlueprintKindTest : public test::SampleStockTest,
                          public testing::WithParamInterface<KindCase> {};

TEST_P(BlueprintKindTest, AnswersOnlyForItsOwnKind) {
  const KindCase& c = GetParam();
  bool booEngine = !c.expected;
  std::string strName = "<untouched>";
  const Status status =
      c.operation(converter(), KujuRailVehicles() + "/" + c.blueprint, booEngine, strName);
  ASSERT_TRUE(status.ok()) << status.error();
  EXPECT_EQ(booEngine, c.expected);
  EXPECT_EQ(strName, c.expected ? c.name : "<untouched>");
  EXPECT_EQ(ConverterRuns(), 1);
  EXPECT_FALSE(TempFilesEntries().contains("temp.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlueprintKindTest,
    testing::Values(
        KindCase{"loco is a loco", "Diesel/Class66/Class66.bin", IsItALoco, true, "Class 66"},
        KindCase{"loco is no wagon", "Diesel/Class66/Class66.bin", IsItAWagon, false, ""},
        KindCase{"loco is no tender", "Diesel/Class66/Class66.bin", IsItATender, false, ""},
        KindCase{"wagon is a wagon", "Passenger/Mk2/Mk2_FO.bin", IsItAWagon, true,
                 "Mk2 First Open"},
        KindCase{"wagon is no loco", "Passenger/Mk2/Mk2_FO.bin", IsItALoco, false, ""},
        KindCase{"tender is a tender", "Steam/BlackFive/BlackFiveTender.bin", IsItATender, true,
                 "Black Five Tender"},
        KindCase{"tender is no wagon", "Steam/BlackFive/BlackFiveTender.bin", IsItAWagon, false,
                 ""},
        KindCase{"engine simulation is no loco", "Diesel/Class66/Simulation/Class66EngineSim.bin",
                 IsItALoco, false, ""}),
    test::CaseName());

struct FaultCase {
  const char* label;
  const char* failSetting;  // FENNICK_SERZ_FAIL, or empty
  const char* blueprint;
};

class BlueprintKindFaultTest : public test::SampleStockTest,
                               public testing::WithParamInterface<FaultCase> {};

TEST_P(BlueprintKindFaultTest, ReportsTheFailureAndLeavesNoScratchFile) {
  const FaultCase& c = GetParam();
  if (*c.failSetting) qputenv("FENNICK_SERZ_FAIL", c.failSetting);
  bool booEngine = true;
  std::string strName = "<untouched>";
  const Status status =
      IsItALoco(converter(), KujuRailVehicles() + "/" + c.blueprint, booEngine, strName);
  ASSERT_FALSE(status.ok());
  EXPECT_FALSE(status.error().empty());
  EXPECT_FALSE(booEngine);
  EXPECT_EQ(strName, "<untouched>");
  EXPECT_TRUE(TempFilesEntries().filter("temp", Qt::CaseInsensitive).isEmpty())
      << TempFilesEntries().join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlueprintKindFaultTest,
    testing::Values(FaultCase{"converter exits with an error", "exit",
                              "Diesel/Class66/Class66.bin"},
                    FaultCase{"converter writes nothing", "silent", "Diesel/Class66/Class66.bin"},
                    FaultCase{"no such file", "", "Diesel/Class66/Missing.bin"}),
    test::CaseName());

TEST_F(BlueprintKindFaultTest, LocoWithoutNameIsAnErrorNotANamelessLoco) {
  test::BlueprintXml xml;
  xml.record = "cEngineBlueprint";
  xml.extra = "<EngineComponent><cEngineComponentBlueprint/></EngineComponent>\r\n";
  xml.name = "";
  WriteBlueprint("Kuju/RailSimulator/RailVehicles/Diesel/Nameless/Nameless.bin", xml.Text());
  bool booEngine = true;
  std::string strName = "<untouched>";
  const Status status = IsItALoco(converter(), KujuRailVehicles() + "/Diesel/Nameless/Nameless.bin",
                                  booEngine, strName);
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.error().find("Name"), std::string::npos) << status.error();
  EXPECT_FALSE(booEngine);
  EXPECT_EQ(strName, "<untouched>");
}

}  // namespace
}  // namespace fennick
