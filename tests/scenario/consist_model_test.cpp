#include "scenario/consist_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/scenario/scenario_texts.h"

namespace fennick {
namespace {

// One vehicle block; an empty field is left out of it.
struct Vehicle {
  std::string name;
  std::string blueprint = "RailVehicles\\Freight\\Van\\van.xml";
  std::string flipped = "0";
  std::string preloaded = "eFalse";
  bool emptyLoad = false;  // holds <InitialLevel/>
  std::string provider = "Kuju";
};

// Fields stand where the converter writes them; an unattributed <BlueprintID> container comes
// ahead of the attributed path element, and the Name comes last.
std::string VehicleBlock(const Vehicle& v) {
  std::string text = "<cOwnedEntity d:id=\"7025\"><cWagon>";
  if (!v.flipped.empty()) text += "<Flipped d:type=\"bool\">" + v.flipped + "</Flipped>";
  text += "<UniqueNumber>B954123</UniqueNumber></cWagon>\n";
  if (!v.preloaded.empty()) text += "<IsPreloaded>" + v.preloaded + "</IsPreloaded>";
  if (v.emptyLoad) text += "<InitialLevel/>";
  text += "<BlueprintID>";
  if (!v.provider.empty()) text += "<Provider>" + v.provider + "</Provider>";
  text += "<Product>RailSimulator</Product>";
  if (!v.blueprint.empty()) text += "<BlueprintID d:type=\"x\">" + v.blueprint + "</BlueprintID>";
  return text + "</BlueprintID>\n<Name d:type=\"cDeltaString\">" + v.name +
         "</Name></cOwnedEntity>\n";
}

std::string Consist(const std::string& inner, const std::vector<Vehicle>& vehicles) {
  std::string text = "<cConsist d:id=\"1234\">\n<RailVehicles>\n";
  for (const Vehicle& v : vehicles) text += VehicleBlock(v);
  return text + "</RailVehicles>\n" + inner + "</cConsist>\n";
}

TEST(FindConsistEnds, ListingTextsRunFromOneClosingTagToTheNext) {
  const std::string text =
      "<h><cConsist>a</cConsist>\n<cConsist>b</CCONSIST><cConsist>c</cConsist>";
  const std::vector<Pos> ends = FindConsistEnds(text);
  ASSERT_EQ(ends.size(), 4u);
  EXPECT_EQ(ConsistListingText(text, ends, 0), "<h><cConsist>a");
  EXPECT_EQ(ConsistListingText(text, ends, 1), "</cConsist>\n<cConsist>b");
  EXPECT_EQ(ConsistListingText(text, ends, 2), "</CCONSIST><cConsist>c");
  EXPECT_EQ(ConsistListingText(text, ends, 3), "");
  EXPECT_EQ(FindConsistEnds("no consists"), std::vector<Pos>{1});
}

// The caption as the one scan that lists the vehicles reads it.
Result<std::string> SummaryCaption(std::string_view consist) {
  const Result<ConsistSummary> summary = ReadConsist(consist);
  if (!summary) return Error{summary.error()};
  return summary->caption;
}

TEST(ReadConsist, CaptionIsTheServiceNameLooseOrAnErrorNamingWhatIsMissing) {
  struct Case {
    std::string consist;
    std::string expected;  // the caption, or a word the error must hold
    bool ok = true;
  };
  const Case cases[] = {
      {Consist(test::Block("ServiceName", "1A05 Express"), {{"a"}}), "1A05 Express"},
      {Consist(test::Block("ServiceName", "", "Rapide"), {{"a"}}), "Rapide"},
      {Consist("", {{"a"}}), "Loose Consist"},
      {Consist("<ServiceNameX>a</ServiceNameX>", {}), "Loose Consist"},
      {"<ServiceName><English></English></ServiceName><French>x</French>", "French", false},
      {"<ServiceName><English></English><French>x</French>", "ServiceName", false}};
  for (const Case& c : cases) {
    const Result<std::string> caption = SummaryCaption(c.consist);
    ASSERT_EQ(caption.ok(), c.ok) << c.expected;
    EXPECT_TRUE(c.ok ? *caption == c.expected
                     : caption.error().find(c.expected) != std::string::npos)
        << (c.ok ? *caption : caption.error());
  }
}

TEST(ReadConsist, DrivenWhenItsPlayerDriverReadsAsTheNumberOne) {
  const std::pair<const char*, bool> cases[] = {
      {"<PlayerDriver d:type=\"bool\">1</PlayerDriver>", true},
      {"<PlayerDriver>1.0000</PlayerDriver>", true},
      {"<PlayerDriver> 1 </PlayerDriver>", true},
      {"<PLAYERDRIVER>1</PLAYERDRIVER>", true},
      {"<PlayerDriver>0</PlayerDriver>", false},
      {"<PlayerDriver>2</PlayerDriver>", false},
      {"<PlayerDriver/>", false},
      {"<PlayerControlled>1</PlayerControlled>", false}};
  for (const auto& [inner, driven] : cases) {
    const std::string consist = Consist(inner, {{"a"}, {"b"}});
    const Result<ConsistSummary> summary = ReadConsist(consist);
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary->driven, driven) << inner;
    EXPECT_EQ(summary->vehicles, *ReadVehicles(consist));
  }
}

VehicleFields Fields(const Vehicle& v) {
  return {v.name, v.blueprint, v.flipped, v.preloaded, !v.emptyLoad, v.provider, "RailSimulator"};
}

TEST(ReadVehicles, OnePerNameOpeningWithFieldsFromItsOwnBlockOnly) {
  const Vehicle loco{"Class 66", "RailVehicles\\Diesel\\Class66\\class66.xml", "1", "eTrue", true};
  const Vehicle lore{"Gro\xDF Lore", "RailVehicles\\Lore\\lore \xE9.xml", "0", "eFalse"};
  // Each lacks a field the vehicle before it has, and must not borrow it.
  const Vehicle bare[] = {{"NoFlip", "Van.xml", "", "eFalse"},
                          {"NoLoad", "Van.xml", "0", ""},
                          {"NoBlueprint", "", "0", "eFalse"},
                          {"Nothing", "", "", ""},
                          {"NoProvider", "Van.xml", "0", "eFalse", false, ""}};
  std::string nameTag = Consist("", {{"Van"}});
  nameTag.insert(nameTag.find("<Name "), "<NameTag>tag</NameTag>");
  const VehicleFields van = Fields({"Van"});
  struct Case {
    std::string consist;
    std::vector<VehicleFields> expected;
  };
  const Case cases[] = {
      {Consist("", {loco, {"Van"}, lore}), {Fields(loco), van, Fields(lore)}},
      {Consist("", {loco, bare[0], loco, bare[1]}),
       {Fields(loco), Fields(bare[0]), Fields(loco), Fields(bare[1])}},
      {Consist("", {loco, bare[2], loco, bare[3]}),
       {Fields(loco), Fields(bare[2]), Fields(loco), Fields(bare[3])}},
      {Consist("", {loco, bare[4]}), {Fields(loco), Fields(bare[4])}},
      // A name tag in a block is one more vehicle, sharing that block's fields.
      {nameTag, {{"tag", van.blueprint, "0", "eFalse", true, "Kuju", "RailSimulator"}, van}},
      // Outside any block, a vehicle takes nothing from the block closed before it.
      {VehicleBlock({"Van"}) + "<Name>Stray</Name>", {van, {"Stray", "", "", "", true, "", ""}}},
      {"<cOwnedEntity><Name/>", {{"", "", "", "", true, "", ""}}},
      {Consist("", {}), {}}};
  for (const Case& c : cases) {
    const Result<std::vector<VehicleFields>> vehicles = ReadVehicles(c.consist);
    ASSERT_TRUE(vehicles.ok()) << vehicles.error();
    EXPECT_EQ(*vehicles, c.expected) << c.consist;
  }
  const Result<std::vector<VehicleFields>> unclosed =
      ReadVehicles(VehicleBlock({"Van"}) + "<cOwnedEntity><Name>Lost");
  ASSERT_FALSE(unclosed.ok());
  EXPECT_NE(unclosed.error().find("Vehicle 2"), std::string::npos) << unclosed.error();
}

TEST(LocateVehicle, CountsInsideItsOwnConsistOnly) {
  const std::string consists[] = {Consist("", {{"a0"}, {"a1"}}), Consist("", {}),
                                  Consist("", {{"c0"}, {"c1"}, {"c2"}})};
  const std::string text =
      "<?xml?><Record>" + consists[0] + consists[1] + consists[2] + "</Record>";
  for (std::size_t c = 0; c < 3; ++c) {
    const std::optional<TextRange> range = LocateConsist(text, c);
    ASSERT_TRUE(range.has_value()) << c;
    EXPECT_EQ(range->In(text), consists[c].substr(0, consists[c].size() - 1));  // no line feed
  }
  EXPECT_FALSE(LocateConsist(text, 3).has_value());

  struct Case {
    std::size_t consist, vehicle;
    const char* name;  // nullptr: no such vehicle
  };
  for (const Case& c :
       {Case{0, 0, "a0"}, Case{0, 1, "a1"}, Case{0, 2, nullptr}, Case{1, 0, nullptr},
        Case{2, 0, "c0"}, Case{2, 2, "c2"}, Case{2, 3, nullptr}, Case{3, 0, nullptr}}) {
    const std::optional<TextRange> range = LocateVehicle(text, c.consist, c.vehicle);
    ASSERT_EQ(range.has_value(), c.name != nullptr) << c.consist << "/" << c.vehicle;
    if (c.name == nullptr) continue;
    const std::string block = VehicleBlock({c.name});
    EXPECT_EQ(range->In(text), block.substr(0, block.size() - 1));  // without the line feed
  }
  const std::pair<std::size_t, std::size_t> counts[] = {{0, 2}, {1, 0}, {2, 3}, {7, 0}};
  for (const auto& [c, count] : counts) EXPECT_EQ(CountVehicleBlocks(text, c), count) << c;
}

}  // namespace
}  // namespace fennick
