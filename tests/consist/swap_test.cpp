#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "consist/swap_all.h"
#include "consist/swap_selected.h"
#include "tests/consist/consist_test_support.h"

namespace fennick {
namespace {

using test::Class66;
using test::Hopper;
using test::ScenarioXml;
using test::TestConsist;
using test::TestVehicle;

// The texts users know, written out so that a changed message fails here.
constexpr std::string_view kUpdated =
    "Your Consist's Rolling-Stock information will be updated once you save changes.";
constexpr std::string_view kLocosForWagons = "Sorry, but you can not swap Locos for Wagons.";
constexpr std::string_view kWagonsForLocos = "Sorry, but you can not swap Wagons for Locos.";

// A catalogue of one row as a gathering from the sample installation leaves it.
StockCatalogue Stock(std::string kind, std::string name, std::string id,
                     std::string provider = "Kuju", std::string product = "RailSimulator") {
  return {kind, "RailVehicles", product, provider, false, false, {{name, id}}};
}
StockCatalogue Class86(std::string kind = "Electric") {
  return Stock(kind, "Class 86", "RailVehicles\\Electric\\Class86\\Class86.xml");
}
const StockCatalogue kVan =
    Stock("Freight", "VEA Covered Van", "RailVehicles\\Freight\\Van\\VanVEA.xml");
const StockCatalogue kTanker =
    Stock("Freight", "TTA Fuel Tanker", "RailVehicles\\Freight\\Tanker\\TankerTTA.xml", "ValeWorks",
          "Branch Lines");

// The vehicle as a swap leaves it: the stock's address and name, the number and mass given.
TestVehicle Swapped(TestVehicle v, std::string number, std::string mass, const StockCatalogue& s) {
  return {v.record,          number,      mass,
          s.provider,        s.product,   s.entries[0].blueprintId,
          s.entries[0].name, v.preloaded, v.loadable};
}

// A number far longer than the ones drawn: the searches behind a rewritten number must still
// stay inside its vehicle.
const std::string kLong(60, '7');

class SwapTest : public test::SampleStockTest {
 protected:
  ConsistOutcome SwapSelected(std::vector<std::size_t> rows, const StockCatalogue& stock) {
    const Converter conv = converter();
    return SwapSelectedItems(text, 0, rows, stock, 0, {conv, install.RsPath(), random}, dialogs);
  }
  ConsistOutcome SwapAll(std::optional<std::size_t> row, const StockCatalogue& stock) {
    const Converter conv = converter();
    return SwapAllIdenticalStock(text, 0, row, stock, 0, {conv, install.RsPath(), random}, dialogs);
  }

  std::string text;
  test::ScriptedUniform random;
  test::ScriptedDialogs dialogs;
};

TEST_F(SwapTest, SwapSelectedRewritesEachChosenRowWithItsOwnDraw) {
  random = test::ScriptedUniform({0.0f, 0.999f, 0.0f});
  const std::vector<TestConsist> before = {
      {{Class66(), Hopper(kLong), Hopper("2"), Hopper("3")}, "1", "1"}, {{Hopper("9")}}};
  text = ScenarioXml(before);
  EXPECT_TRUE(SwapSelected({3, 1, 2, 3}, kTanker).consistsChanged);
  std::vector<TestConsist> after = before;
  // Rows in ascending order; the high draw reaches further into the list of seven numbers.
  after[0].vehicles[1] = Swapped(Hopper(), "57002", "24", kTanker);
  after[0].vehicles[2] = Swapped(Hopper(), "57036", "24", kTanker);
  after[0].vehicles[3] = Swapped(Hopper(), "57002", "24", kTanker);
  EXPECT_EQ(text, ScenarioXml(after));
  test::ExpectOnlyMessage(dialogs, kUpdated, MessageIcon::Information);
  EXPECT_EQ(ConverterRuns(), 3);
  EXPECT_EQ(random.draws, 3);
  // The blueprint's conversion stays in TempFiles under its own name.
  EXPECT_TRUE(TempFilesEntries().contains("TankerTTA.xml"));
}

TEST_F(SwapTest, StockWithoutNumberListOrFromAProductFolder) {
  text = ScenarioXml({{{Hopper("310001")}}});
  SwapSelected({0}, kVan);
  EXPECT_EQ(text, ScenarioXml({{{Swapped(Hopper(), "310001", "13.5", kVan)}}}));

  // Gathered from the product folder, the listed IDs begin with the product; the vehicle names
  // the same file as Provider, Product and the ID below the product.
  StockCatalogue product =
      Stock("Electric", "Class 86", "RailSimulator\\RailVehicles\\Electric\\Class86\\Class86.xml");
  product.productFolderChosen = true;
  product.leaf = "RailSimulator";
  text = ScenarioXml({{{Class66()}}});
  SwapSelected({0}, product);
  TestVehicle swapped = Swapped(Class66(), "86229", "85", product);
  swapped.blueprintId = "RailVehicles\\Electric\\Class86\\Class86.xml";
  EXPECT_EQ(text, ScenarioXml({{{swapped}}}));
  EXPECT_TRUE(
      QFileInfo::exists(Assets("Kuju/RailSimulator/RailVehicles/Electric/Class86/Class86.bin")));
}

TEST_F(SwapTest, LocosAndWagonsStayApart) {
  const struct {
    StockCatalogue stock;
    TestVehicle vehicle;
    std::string_view refusal;  // empty: the swap goes through
  } cases[] = {{Class86("Diesel"), Hopper(), kLocosForWagons},
               {Class86("Steam"), Hopper(), kLocosForWagons},
               {kVan, Class66(), kWagonsForLocos},
               {Stock("Passenger", "Mk2", "RailVehicles\\Passenger\\Mk2\\Mk2_FO.xml"), Class66(),
                kWagonsForLocos},
               {Stock("Tender", "T", "RailVehicles\\Steam\\BlackFive\\BlackFiveTender.xml"),
                Class66(), kWagonsForLocos},
               {Class86("Diesel"), Class66(), ""},
               {kVan, Hopper(), ""},
               {Class86("DMU"), Hopper(), ""},
               {Stock("EMU", "Van", "RailVehicles\\Freight\\Van\\VanVEA.xml"), Class66(), ""},
               {Class86(""), Hopper(), ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stock.kind + " onto " + c.vehicle.name);
    const std::string before = ScenarioXml({{{c.vehicle}}});
    text = before;
    dialogs.shown.clear();
    EXPECT_EQ(SwapSelected({0}, c.stock).consistsChanged, c.refusal.empty());
    EXPECT_EQ(text == before, !c.refusal.empty());
    test::ExpectOnlyMessage(
        dialogs, c.refusal.empty() ? kUpdated : c.refusal,
        c.refusal.empty() ? MessageIcon::Information : MessageIcon::Exclamation);
  }
}

TEST_F(SwapTest, RefusalStopsAtItsRowAndKeepsTheRowsBefore) {
  const std::vector<TestConsist> before = {{{Hopper("1"), Class66(), Hopper("3")}}};
  text = ScenarioXml(before);
  EXPECT_TRUE(SwapSelected({0, 1, 2}, kVan).consistsChanged);
  std::vector<TestConsist> after = before;
  after[0].vehicles[0] = Swapped(Hopper(), "1", "13.5", kVan);
  EXPECT_EQ(text, ScenarioXml(after));
  test::ExpectOnlyMessage(dialogs, kWagonsForLocos, MessageIcon::Exclamation);
}

TEST_F(SwapTest, NoRowChangesNothingButStillConfirms) {
  const std::string before = ScenarioXml({{{Hopper(), test::Mk2()}}});
  text = before;
  EXPECT_FALSE(SwapSelected({}, kVan).consistsChanged);
  // Swap All without a current row matches no named vehicle, yet counts as a change.
  EXPECT_TRUE(SwapAll(std::nullopt, kVan).consistsChanged);
  EXPECT_EQ(text, before);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  for (const auto& shown : dialogs.shown) {
    EXPECT_EQ(shown.text, kUpdated);
    EXPECT_EQ(shown.icon, MessageIcon::Information);
  }
}

TEST_F(SwapTest, FailedBlueprintOrVehicleLeavesTheDocumentAsItWas) {
  WriteBlueprint("Kuju/RailSimulator/RailVehicles/Freight/Broken/Broken.bin",
                 test::With(&test::BlueprintXml::mass, "").Text());
  const StockCatalogue broken =
      Stock("Freight", "Test Wagon", "RailVehicles\\Freight\\Broken\\Broken.xml");
  TestVehicle heavy = Hopper("2");
  heavy.mass = "99";
  const std::string fine = ScenarioXml({{{Hopper("1"), heavy, Hopper("3")}}});
  const std::string withoutMass = test::WithoutLine(fine, ">99<");  // the second vehicle's
  const struct {
    const char* label;
    const char* fault;
    const StockCatalogue& stock;
    const std::string& before;
  } cases[] = {{"converter fails", "exit", kVan, fine},
               {"converter writes nothing", "silent", kVan, fine},
               {"blueprint without mass", "", broken, fine},
               {"vehicle without total mass", "", kVan, withoutMass}};
  for (const auto& c : cases) {
    Fail(c.fault);
    for (const bool all : {false, true}) {
      SCOPED_TRACE(std::string(c.label) + (all ? ", swap all" : ", swap selected"));
      text = c.before;
      dialogs.shown.clear();
      EXPECT_FALSE((all ? SwapAll(0, c.stock) : SwapSelected({0, 1, 2}, c.stock)).consistsChanged);
      EXPECT_EQ(text, c.before);
      ASSERT_EQ(dialogs.shown.size(), 1u);
      EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
      EXPECT_TRUE(dialogs.shown[0].text.starts_with("Error - ")) << dialogs.shown[0].text;
    }
  }
}

TEST_F(SwapTest, SwapAllChangesEveryVehicleOfThatNameInThatConsistOnly) {
  random = test::ScriptedUniform({0.0f, 0.999f});
  TestVehicle shouting = Hopper("310003");
  shouting.name = "HTA COAL HOPPER";
  const std::vector<TestConsist> before = {
      {{Class66(), Hopper(kLong), test::Mk2(), shouting}, "1", "1"}, {{Hopper("310009")}}};
  text = ScenarioXml(before);
  EXPECT_TRUE(SwapAll(1, kTanker).consistsChanged);
  test::ExpectOnlyMessage(dialogs, kUpdated, MessageIcon::Information);
  EXPECT_EQ(random.draws, 2);
  EXPECT_EQ(ConverterRuns(), 2);
  std::vector<TestConsist> after = before;
  after[0].vehicles[1] = Swapped(Hopper(), "57002", "24", kTanker);
  after[0].vehicles[3] = Swapped(shouting, "57036", "24", kTanker);
  EXPECT_EQ(text, ScenarioXml(after));
}

TEST_F(SwapTest, SwapAllChecksTheKindOnTheWholeConsist) {
  // Wagons named like the target pass when the consist holds an engine anywhere.
  text = ScenarioXml({{{Class66(), Hopper()}}});
  SwapAll(1, Class86("Diesel"));
  EXPECT_EQ(text, ScenarioXml({{{Class66(), Swapped(Hopper(), "86229", "85", Class86())}}}));

  dialogs.shown.clear();
  const std::string wagonsOnly = ScenarioXml({{{Hopper(), Hopper()}}});
  text = wagonsOnly;
  EXPECT_FALSE(SwapAll(0, Class86("Diesel")).consistsChanged);
  EXPECT_EQ(text, wagonsOnly);
  test::ExpectOnlyMessage(dialogs, kLocosForWagons, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace fennick
