#include "consist/mass_and_number.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/consist/sample_stock_fixture.h"
#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct SampleCase {
  const char* label;
  const char* blueprint;  // below Assets
  float u;
  const char* mass;
  const char* number;
};

class MassAndNumberTest : public test::SampleStockTest,
                          public testing::WithParamInterface<SampleCase> {};

TEST_P(MassAndNumberTest, ReadsMassAndDrawsFromTheNumberList) {
  const SampleCase& c = GetParam();
  test::ScriptedUniform random({c.u});
  const Result<MassAndNumber> found =
      GetMassAndNumber(converter(), install.RsPath(), Assets(c.blueprint), "Out.xml", random);
  ASSERT_TRUE(found.ok()) << found.error();
  EXPECT_EQ(found->mass, c.mass);
  EXPECT_EQ(found->number, c.number);
  // The converter's output stays in TempFiles under the name given.
  EXPECT_TRUE(TempFilesEntries().contains("Out.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MassAndNumberTest,
    testing::Values(
        SampleCase{"long list, first draw",
                   "Kuju/RailSimulator/RailVehicles/Diesel/Class66/Class66.bin", 0.0f, "126",
                   "66001"},
        SampleCase{"one entry", "Kuju/RailSimulator/RailVehicles/Steam/BlackFive/BlackFive.bin",
                   0.9f, "72", "45407"},
        SampleCase{"two entries take the first",
                   "Kuju/RailSimulator/RailVehicles/Electric/Class86/Class86.bin", 0.999f, "85",
                   "86229"},
        SampleCase{"names no list", "Kuju/RailSimulator/RailVehicles/Freight/Van/VanVEA.bin", 0.5f,
                   "13.5", ""},
        SampleCase{"named list missing",
                   "ValeWorks/Branch Lines/RailVehicles/Freight/BrakeVan/ToadBrakeVan.bin", 0.5f,
                   "20", ""}),
    test::CaseName());

TEST_F(MassAndNumberTest, LaterDrawsReachFurtherIntoTheList) {
  test::ScriptedUniform random({0.999f});
  const Result<MassAndNumber> found = GetMassAndNumber(
      converter(), install.RsPath(),
      Assets("Kuju/RailSimulator/RailVehicles/Diesel/Class66/Class66.bin"), "Class66.xml", random);
  ASSERT_TRUE(found.ok()) << found.error();
  EXPECT_EQ(random.draws, 1);
  const std::string list =
      test::ReadFileBytes(Assets("Kuju/RailSimulator/RailVehicles/Diesel/Class66/"
                                 "Class66Numbers.dcsv"))
          .toStdString();
  EXPECT_NE(list.find(">" + found->number + "<"), std::string::npos) << found->number;
  EXPECT_NE(found->number, "66001");
  EXPECT_NE(found->number, "66002");
}

struct FaultCase {
  const char* label;
  test::BlueprintXml xml;
  const char* failSetting;
  const char* mentioned;  // a text the error must hold
};

class MassAndNumberFaultTest : public test::SampleStockTest,
                               public testing::WithParamInterface<FaultCase> {};

TEST_P(MassAndNumberFaultTest, FailsNamingWhatIsMissing) {
  const FaultCase& c = GetParam();
  WriteBlueprint("Kuju/RailSimulator/RailVehicles/Freight/Odd/Odd.bin", c.xml.Text());
  if (*c.failSetting) qputenv("FENNICK_SERZ_FAIL", c.failSetting);
  test::ScriptedUniform random;
  const Result<MassAndNumber> found = GetMassAndNumber(
      converter(), install.RsPath(), Assets("Kuju/RailSimulator/RailVehicles/Freight/Odd/Odd.bin"),
      "Odd.xml", random);
  ASSERT_FALSE(found.ok());
  EXPECT_NE(found.error().find(c.mentioned), std::string::npos) << found.error();
  EXPECT_EQ(random.draws, 0);
}

test::BlueprintXml Without(bool component, std::string csv, std::string mass) {
  test::BlueprintXml xml;
  xml.railVehicleComponent = component;
  xml.csvFile = std::move(csv);
  xml.mass = std::move(mass);
  return xml;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MassAndNumberFaultTest,
    testing::Values(
        FaultCase{"no rail vehicle component",
                  Without(false, test::BlueprintXml().csvFile, test::BlueprintXml().mass), "",
                  "RailVehicleComponent"},
        FaultCase{"no csv file", Without(true, "", test::BlueprintXml().mass), "", "CsvFile"},
        FaultCase{"no mass", Without(true, test::BlueprintXml().csvFile, ""), "", "Mass"},
        FaultCase{"mass before csv file",
                  Without(true, test::BlueprintXml().mass + test::BlueprintXml().csvFile, ""), "",
                  "Mass"},
        FaultCase{"converter fails", test::BlueprintXml(), "exit", "serz.exe"}),
    test::CaseName());

}  // namespace
}  // namespace fennick
