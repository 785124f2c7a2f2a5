#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "consist/messages.h"
#include "consist/swap_all.h"
#include "consist/swap_selected.h"
#include "tests/consist/sample_stock_fixture.h"
#include "tests/consist/scenario_builder.h"
#include "tests/scenario/case_name.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::Class66;
using test::Hopper;
using test::Mk2;
using test::PrintTo;
using test::ScenarioXml;
using test::TestConsist;
using test::TestVehicle;

// Catalogues as a gathering from the sample installation leaves them.
StockCatalogue Stock(std::string kind, std::string name, std::string id,
                     std::string provider = "Kuju", std::string product = "RailSimulator") {
  StockCatalogue c;
  c.kind = std::move(kind);
  c.leaf = "RailVehicles";
  c.provider = std::move(provider);
  c.product = std::move(product);
  c.entries = {{std::move(name), std::move(id)}};
  return c;
}
StockCatalogue Class86Stock(std::string kind = "Electric") {
  return Stock(std::move(kind), "Class 86", "RailVehicles\\Electric\\Class86\\Class86.xml");
}
StockCatalogue VanStock() {
  return Stock("Freight", "VEA Covered Van", "RailVehicles\\Freight\\Van\\VanVEA.xml");
}
StockCatalogue TankerStock() {
  return Stock("Freight", "TTA Fuel Tanker", "RailVehicles\\Freight\\Tanker\\TankerTTA.xml",
               "ValeWorks", "Branch Lines");
}
StockCatalogue TenderStock() {
  return Stock("Tender", "Black Five Tender",
               "RailVehicles\\Steam\\BlackFive\\BlackFiveTender.xml");
}

// The vehicle as a swap leaves it: the stock's address, name, number and mass.
TestVehicle Swapped(TestVehicle v, const std::string& number, const std::string& mass,
                    const StockCatalogue& stock) {
  v.provider = stock.provider;
  v.product = stock.product;
  v.blueprintId = stock.entries[0].blueprintId;
  v.name = stock.entries[0].name;
  v.number = number;
  v.mass = mass;
  return v;
}

class SwapTest : public test::SampleStockTest {
 protected:
  ConsistOutcome SwapSelected(std::vector<std::size_t> rows, const StockCatalogue& stock,
                              std::optional<std::size_t> stockRow = 0, std::size_t consist = 0) {
    const Converter conv = converter();
    return SwapSelectedItems(text, consist, rows, stock, stockRow,
                             StockSource{conv, install.RsPath(), random}, dialogs);
  }
  ConsistOutcome SwapAll(std::optional<std::size_t> row, const StockCatalogue& stock,
                         std::optional<std::size_t> stockRow = 0, std::size_t consist = 0) {
    const Converter conv = converter();
    return SwapAllIdenticalStock(text, consist, row, stock, stockRow,
                                 StockSource{conv, install.RsPath(), random}, dialogs);
  }
  void ExpectOnly(std::string_view message, MessageIcon icon) {
    ASSERT_EQ(dialogs.shown.size(), 1u) << dialogs.Messages().back();
    EXPECT_EQ(dialogs.shown[0].text, message);
    EXPECT_EQ(dialogs.shown[0].icon, icon);
    EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
  }

  std::string text;
  test::ScriptedUniform random{{0.0f}};
  test::ScriptedDialogs dialogs;
};

TEST_F(SwapTest, SwapSelectedRewritesAddressNameNumberAndMassOfTheRowOnly) {
  const std::vector<TestConsist> before = {
      {"Up coal", true, "1", "1", {Class66(), Hopper(), Hopper("310015")}},
      {"", true, "0", "0", {Class66("66001")}}};
  text = ScenarioXml(before);
  const ConsistOutcome outcome = SwapSelected({0}, Class86Stock());
  std::vector<TestConsist> after = before;
  after[0].vehicles[0] = Swapped(Class66(), "86229", "85", Class86Stock());
  EXPECT_EQ(text, ScenarioXml(after));
  EXPECT_TRUE(outcome.consistsChanged);
  ExpectOnly(kRollingStockUpdated, MessageIcon::Information);
  // The blueprint's conversion stays in TempFiles under its own name.
  EXPECT_TRUE(TempFilesEntries().contains("Class86.xml"));
}

TEST_F(SwapTest, EachSelectedRowGetsItsOwnConversionAndDraw) {
  random = test::ScriptedUniform({0.0f, 0.999f, 0.0f});
  const std::vector<TestConsist> before = {
      {"", true, "0", "0", {Hopper("1"), Hopper("2"), Hopper("3"), Hopper("4")}}};
  text = ScenarioXml(before);
  const StockCatalogue tanker = TankerStock();
  SwapSelected({3, 0, 2}, tanker);
  EXPECT_EQ(ConverterRuns(), 3);
  EXPECT_EQ(random.draws, 3);
  std::vector<TestConsist> after = before;
  // Seven numbers: the first draw takes the first; the high draw reaches further in.
  const std::string listText =
      test::ReadFileBytes(Assets("ValeWorks/Branch Lines/RailVehicles/Freight/Tanker/"
                                 "TankerTTANumbers.dcsv"))
          .toStdString();
  std::string second;
  for (const char* n : {"57013", "57021", "57036", "57044", "57058", "57060"}) {
    std::vector<TestConsist> candidate = before;
    candidate[0].vehicles[0] = Swapped(Hopper("1"), "57002", "24", tanker);
    candidate[0].vehicles[2] = Swapped(Hopper("3"), n, "24", tanker);
    candidate[0].vehicles[3] = Swapped(Hopper("4"), "57002", "24", tanker);
    if (ScenarioXml(candidate) == text) second = n;
  }
  EXPECT_FALSE(second.empty()) << "row 2 should hold a later number of the list";
  EXPECT_NE(listText.find(second), std::string::npos);
}

TEST_F(SwapTest, StockWithoutNumberListKeepsTheRunningNumber) {
  const std::vector<TestConsist> before = {{"", true, "0", "0", {Hopper("310001")}}};
  text = ScenarioXml(before);
  SwapSelected({0}, VanStock());
  std::vector<TestConsist> after = before;
  after[0].vehicles[0] = Swapped(Hopper(), "310001", "13.5", VanStock());
  EXPECT_EQ(text, ScenarioXml(after));
}

TEST_F(SwapTest, ProductFolderStockWritesItsIdsAsGathered) {
  StockCatalogue stock =
      Stock("Electric", "Class 86", "RailSimulator\\RailVehicles\\Electric\\Class86\\Class86.xml");
  stock.productFolderChosen = true;
  stock.leaf = "RailSimulator";
  const std::vector<TestConsist> before = {{"", true, "0", "0", {Class66()}}};
  text = ScenarioXml(before);
  SwapSelected({0}, stock);
  std::vector<TestConsist> after = before;
  after[0].vehicles[0] = Swapped(Class66(), "86229", "85", stock);
  EXPECT_EQ(text, ScenarioXml(after));
}

struct KindCase {
  const char* label;
  StockCatalogue stock;
  TestVehicle vehicle;
  std::string refusal;  // empty: the swap goes through
};

class SwapKindTest : public SwapTest, public testing::WithParamInterface<KindCase> {};

TEST_P(SwapKindTest, LocosAndWagonsStayApart) {
  const KindCase& c = GetParam();
  const std::string before = ScenarioXml({{"", true, "0", "0", {c.vehicle}}});
  text = before;
  const ConsistOutcome outcome = SwapSelected({0}, c.stock);
  if (c.refusal.empty()) {
    EXPECT_NE(text, before);
    ExpectOnly(kRollingStockUpdated, MessageIcon::Information);
  } else {
    EXPECT_EQ(text, before);
    EXPECT_FALSE(outcome.consistsChanged);
    ExpectOnly(c.refusal, MessageIcon::Exclamation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapKindTest,
    testing::Values(
        KindCase{"loco onto wagon", Class86Stock("Diesel"), Hopper(),
                 std::string(kCannotSwapLocosForWagons)},
        KindCase{"steam loco onto wagon", Class86Stock("Steam"), Hopper(),
                 std::string(kCannotSwapLocosForWagons)},
        KindCase{"wagon onto loco", VanStock(), Class66(), std::string(kCannotSwapWagonsForLocos)},
        KindCase{"passenger onto loco",
                 Stock("Passenger", "Mk2 First Open", "RailVehicles\\Passenger\\Mk2\\Mk2_FO.xml"),
                 Class66(), std::string(kCannotSwapWagonsForLocos)},
        KindCase{"tender onto loco", TenderStock(), Class66(),
                 std::string(kCannotSwapWagonsForLocos)},
        KindCase{"loco onto loco", Class86Stock("Diesel"), Class66(), ""},
        KindCase{"wagon onto wagon", VanStock(), Hopper(), ""},
        KindCase{"dmu onto anything", Class86Stock("DMU"), Hopper(), ""},
        KindCase{"emu onto anything",
                 Stock("EMU", "VEA Covered Van", "RailVehicles\\Freight\\Van\\VanVEA.xml"),
                 Class66(), ""},
        KindCase{"no kind onto anything", Class86Stock(""), Hopper(), ""}),
    test::CaseName());

TEST_F(SwapTest, RefusalStopsAtItsRowAndKeepsTheRowsBefore) {
  const std::vector<TestConsist> before = {
      {"", true, "0", "0", {Hopper("1"), Class66(), Hopper("3")}}};
  text = ScenarioXml(before);
  const ConsistOutcome outcome = SwapSelected({0, 1, 2}, VanStock());
  std::vector<TestConsist> after = before;
  after[0].vehicles[0] = Swapped(Hopper("1"), "1", "13.5", VanStock());
  EXPECT_EQ(text, ScenarioXml(after));
  EXPECT_TRUE(outcome.consistsChanged);
  ExpectOnly(kCannotSwapWagonsForLocos, MessageIcon::Exclamation);
}

struct RefusalCase {
  const char* label;
  std::vector<std::size_t> rows;
  std::optional<std::size_t> stockRow;
  std::size_t consist;
  std::string message;  // empty: a message naming the row
};

class SwapSelectedRefusalTest : public SwapTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SwapSelectedRefusalTest, ChangesNothing) {
  const RefusalCase& c = GetParam();
  const std::string before = ScenarioXml({{"", true, "0", "0", {Hopper()}},
                                          {"", true, "0", "0", {}},
                                          {"", true, "0", "0", {Hopper("9")}}});
  text = before;
  const ConsistOutcome outcome = SwapSelected(c.rows, VanStock(), c.stockRow, c.consist);
  EXPECT_EQ(text, before);
  EXPECT_FALSE(outcome.consistsChanged);
  EXPECT_EQ(ConverterRuns(), 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  if (!c.message.empty()) {
    EXPECT_EQ(dialogs.shown[0].text, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapSelectedRefusalTest,
    testing::Values(
        RefusalCase{"no stock row chosen", {0}, std::nullopt, 0, std::string(kNoStockRowChosen)},
        RefusalCase{"stock row beyond the list", {0}, 5, 0, std::string(kNoStockRowChosen)},
        RefusalCase{"empty consist row", {0}, 0, 1, std::string(kEmptyConsist)},
        RefusalCase{"row beyond the consist", {0, 1}, 0, 0, ""},
        RefusalCase{"no such consist", {0}, 0, 3, ""}),
    test::CaseName());

TEST_F(SwapTest, NoSelectedRowChangesNothingButStillConfirms) {
  const std::string before = ScenarioXml({{"", true, "0", "0", {Hopper()}}});
  text = before;
  const ConsistOutcome outcome = SwapSelected({}, VanStock());
  EXPECT_EQ(text, before);
  EXPECT_FALSE(outcome.consistsChanged);
  ExpectOnly(kRollingStockUpdated, MessageIcon::Information);
}

struct FailureCase {
  const char* label;
  const char* failSetting;  // converter fault, or empty
  bool brokenBlueprint;     // the stock blueprint lacks its Mass
  bool vehicleWithoutMass;  // the second vehicle lacks its TotalMass
};

class SwapFailureTest : public SwapTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(SwapFailureTest, ReportsAndLeavesTheDocumentAsItWas) {
  const FailureCase& c = GetParam();
  StockCatalogue stock = VanStock();
  if (c.brokenBlueprint) {
    test::BlueprintXml xml;
    xml.mass = "";
    WriteBlueprint("Kuju/RailSimulator/RailVehicles/Freight/Broken/Broken.bin", xml.Text());
    stock = Stock("Freight", "Test Wagon", "RailVehicles\\Freight\\Broken\\Broken.xml");
  }
  std::string second = test::VehicleXml(Hopper("2"));
  if (c.vehicleWithoutMass) {
    const std::size_t at = second.find("\t\t\t\t\t\t\t<TotalMass");
    second.erase(at, second.find('\n', at) + 1 - at);
  }
  std::string before = ScenarioXml({{"", true, "0", "0", {Hopper("1"), Hopper("3")}}});
  before.insert(before.find("\t\t\t\t<cOwnedEntity", before.find("</cOwnedEntity>")), second);
  if (*c.failSetting) qputenv("FENNICK_SERZ_FAIL", c.failSetting);

  for (const bool all : {false, true}) {
    text = before;
    dialogs.shown.clear();
    const ConsistOutcome outcome = all ? SwapAll(0, stock) : SwapSelected({0, 1, 2}, stock);
    EXPECT_EQ(text, before) << (all ? "swap all" : "swap selected");
    EXPECT_FALSE(outcome.consistsChanged);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.shown[0].text.rfind("Error - ", 0), 0u) << dialogs.shown[0].text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapFailureTest,
    testing::Values(FailureCase{"converter fails", "exit", false, false},
                    FailureCase{"converter writes nothing", "silent", false, false},
                    FailureCase{"blueprint without mass", "", true, false},
                    FailureCase{"vehicle without total mass", "", false, true}),
    test::CaseName());

TEST_F(SwapTest, ShortNumberReplacingALongOneStaysInsideItsVehicle) {
  // Rewriting a 60-character number with a 5-character one must not let the search for the
  // mass run past this vehicle's TotalMass into the next vehicle.
  const std::string longNumber(60, 'X');
  const std::vector<TestConsist> before = {
      {"", true, "0", "0", {Class66(longNumber), Class66(longNumber), Hopper()}}};
  text = ScenarioXml(before);
  SwapSelected({0}, Class86Stock());
  SwapAll(1, Class86Stock());
  std::vector<TestConsist> after = before;
  after[0].vehicles[0] = Swapped(Class66(), "86229", "85", Class86Stock());
  after[0].vehicles[1] = Swapped(Class66(), "86229", "85", Class86Stock());
  EXPECT_EQ(text, ScenarioXml(after));
}

TEST_F(SwapTest, SwapAllChangesEveryVehicleOfThatNameInThatConsistOnly) {
  random = test::ScriptedUniform({0.0f, 0.999f});
  TestVehicle shouting = Hopper("310003");
  shouting.name = "HTA COAL HOPPER";
  const std::vector<TestConsist> before = {
      {"Up coal", true, "1", "1", {Class66(), Hopper("310001"), Mk2(), shouting}},
      {"", true, "0", "0", {Hopper("310009")}}};
  text = ScenarioXml(before);
  const StockCatalogue tanker = TankerStock();
  const ConsistOutcome outcome = SwapAll(1, tanker);
  EXPECT_TRUE(outcome.consistsChanged);
  ExpectOnly(kRollingStockUpdated, MessageIcon::Information);
  EXPECT_EQ(random.draws, 2);
  EXPECT_EQ(ConverterRuns(), 2);
  std::vector<TestConsist> after = before;
  after[0].vehicles[1] = Swapped(Hopper(), "57002", "24", tanker);
  bool matched = false;
  for (const char* n : {"57013", "57021", "57036", "57044", "57058", "57060"}) {
    after[0].vehicles[3] = Swapped(shouting, n, "24", tanker);
    matched = matched || ScenarioXml(after) == text;
  }
  EXPECT_TRUE(matched) << text;
}

TEST_F(SwapTest, SwapAllChecksTheKindOnTheWholeConsist) {
  // Wagons named like the target pass when the consist holds an engine anywhere.
  const std::vector<TestConsist> mixed = {{"", true, "0", "0", {Class66(), Hopper()}}};
  text = ScenarioXml(mixed);
  SwapAll(1, Class86Stock("Diesel"));
  std::vector<TestConsist> after = mixed;
  after[0].vehicles[1] = Swapped(Hopper(), "86229", "85", Class86Stock("Diesel"));
  EXPECT_EQ(text, ScenarioXml(after));

  dialogs.shown.clear();
  const std::string wagonsOnly = ScenarioXml({{"", true, "0", "0", {Hopper(), Hopper()}}});
  text = wagonsOnly;
  const ConsistOutcome outcome = SwapAll(0, Class86Stock("Diesel"));
  EXPECT_EQ(text, wagonsOnly);
  EXPECT_FALSE(outcome.consistsChanged);
  ExpectOnly(kCannotSwapLocosForWagons, MessageIcon::Exclamation);
}

TEST_F(SwapTest, SwapAllWithoutACurrentRowChangesNoNamedVehicleYetCountsAsAChange) {
  const std::string before = ScenarioXml({{"", true, "0", "0", {Hopper(), Mk2()}}});
  text = before;
  const ConsistOutcome outcome = SwapAll(std::nullopt, VanStock());
  EXPECT_EQ(text, before);
  EXPECT_TRUE(outcome.consistsChanged);
  ExpectOnly(kRollingStockUpdated, MessageIcon::Information);
}

struct SwapAllRefusalCase {
  const char* label;
  std::optional<std::size_t> row;
  std::optional<std::size_t> stockRow;
  std::size_t consist;
  std::string message;
};

class SwapAllRefusalTest : public SwapTest,
                           public testing::WithParamInterface<SwapAllRefusalCase> {};

TEST_P(SwapAllRefusalTest, ChangesNothing) {
  const SwapAllRefusalCase& c = GetParam();
  const std::string before = ScenarioXml({{"", true, "0", "0", {Hopper()}},
                                          {"", true, "0", "0", {}},
                                          {"", true, "0", "0", {Hopper("9")}}});
  text = before;
  const ConsistOutcome outcome = SwapAll(c.row, VanStock(), c.stockRow, c.consist);
  EXPECT_EQ(text, before);
  EXPECT_FALSE(outcome.consistsChanged);
  ExpectOnly(c.message, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(Cases, SwapAllRefusalTest,
                         testing::Values(SwapAllRefusalCase{"no stock row chosen", 0, std::nullopt,
                                                            0, std::string(kNoStockRowChosen)},
                                         SwapAllRefusalCase{"empty consist row", 0, 0, 1,
                                                            std::string(kEmptyConsist)}),
                         test::CaseName());

}  // namespace
}  // namespace fennick
