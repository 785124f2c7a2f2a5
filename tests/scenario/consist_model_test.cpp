#include "scenario/consist_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct VehicleShape {
  std::string name;
  std::string blueprint = "RailVehicles\\Freight\\Van\\van.xml";
  std::string flipped = "0";
  std::string preloaded = "eFalse";
  bool emptyLoad = false;  // holds <InitialLevel/>
  bool withFlipped = true;
  bool withPreloaded = true;
  bool withBlueprint = true;
};

// One vehicle block in the converter's layout, with an unattributed <BlueprintID> container
// ahead of the attributed path element.
std::string VehicleBlock(const VehicleShape& v) {
  std::string text = "<cOwnedEntity d:id=\"70251488\">\n<Component><cWagon d:id=\"70251489\">\n";
  if (v.withFlipped) text += "<Flipped d:type=\"bool\">" + v.flipped + "</Flipped>\n";
  text +=
      "<UniqueNumber d:type=\"cDeltaString\">B954123</UniqueNumber>\n"
      "<TotalMass d:type=\"sFloat32\" d:precision=\"string\">13.5</TotalMass>\n</cWagon>\n";
  text += "<cCargoComponent d:id=\"70251490\">";
  if (v.withPreloaded) {
    text += "<IsPreloaded d:type=\"cDeltaString\">" + v.preloaded + "</IsPreloaded>";
  }
  if (v.emptyLoad) text += "<InitialLevel/>";
  text +=
      "</cCargoComponent>\n</Component>\n<BlueprintID><iBlueprintLibrary-cAbsoluteBlueprintID>"
      "<BlueprintSetID>\n<iBlueprintLibrary-cBlueprintSetID><Provider d:type=\"cDeltaString\">"
      "Kuju</Provider>\n<Product d:type=\"cDeltaString\">RailSimulator</Product>"
      "</iBlueprintLibrary-cBlueprintSetID>\n</BlueprintSetID>\n";
  if (v.withBlueprint) {
    text += "<BlueprintID d:type=\"cDeltaString\">" + v.blueprint + "</BlueprintID>\n";
  }
  text +=
      "</iBlueprintLibrary-cAbsoluteBlueprintID></BlueprintID>\n<Name d:type=\"cDeltaString\">" +
      v.name + "</Name>\n</cOwnedEntity>\n";
  return text;
}

std::string ServiceName(const std::string& english, const std::string& french = "") {
  return "<ServiceName><Localisation-cUserLocalisedString><English d:type=\"cDeltaString\">" +
         english + "</English><French d:type=\"cDeltaString\">" + french +
         "</French><Italian></Italian><German></German><Spanish></Spanish>"
         "</Localisation-cUserLocalisedString></ServiceName>\n";
}

std::string Consist(const std::string& inner, const std::vector<VehicleShape>& vehicles) {
  std::string text = "<cConsist d:id=\"1234\">\n<RailVehicles>\n";
  for (const VehicleShape& v : vehicles) text += VehicleBlock(v);
  return text + "</RailVehicles>\n" + inner + "</cConsist>\n";
}

const std::string kHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<cRecordSet><Record>\n";
const std::string kTail = "</Record>\n</cRecordSet>";

TEST(FindConsistEnds, StartsAtOneThenEveryClosingTag) {
  const std::string text =
      kHead + Consist("", {{"a"}}) + Consist("", {}) + "<CCONSIST></CCONSIST>" + kTail;
  const std::vector<Pos> ends = FindConsistEnds(text);
  std::vector<Pos> expected{1};
  for (std::size_t at = text.find("</"); at != std::string::npos; at = text.find("</", at + 1)) {
    if (text.compare(at, 10, "</cConsist") == 0 || text.compare(at, 10, "</CCONSIST") == 0) {
      expected.push_back(at + 1);
    }
  }
  EXPECT_EQ(ends, expected);
  ASSERT_EQ(ends.size(), 4u);
  // The first listing text holds everything before the first consist; later ones start with the
  // closing tag of the consist before.
  EXPECT_EQ(ConsistListingText(text, ends, 0).substr(0, kHead.size()), kHead);
  EXPECT_EQ(ConsistListingText(text, ends, 1).substr(0, 10), "</cConsist");
  EXPECT_EQ(ConsistListingText(text, ends, 2).substr(0, 10), "</cConsist");
  EXPECT_EQ(ConsistListingText(text, ends, 3), "");
  EXPECT_EQ(FindConsistEnds("no consists"), std::vector<Pos>{1});
}

struct CaptionCase {
  const char* label;
  std::string consist;
  std::string caption;
};

class ConsistCaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(ConsistCaptionTest, ServiceNameOrLoose) {
  const Result<std::string> caption = ConsistCaption(GetParam().consist);
  ASSERT_TRUE(caption.ok()) << caption.error();
  EXPECT_EQ(*caption, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsistCaptionTest,
    testing::Values(
        CaptionCase{"service name", Consist(ServiceName("1A05 Express"), {{"a"}}), "1A05 Express"},
        CaptionCase{"french fallback", Consist(ServiceName("", "Rapide"), {{"a"}}), "Rapide"},
        CaptionCase{"loose", Consist("", {{"a"}}), "Loose Consist"},
        CaptionCase{"service name tag needs its bracket",
                    Consist("<ServiceNameX>a</ServiceNameX>", {}), "Loose Consist"}),
    test::CaseName());

TEST(ConsistCaption, BrokenServiceNameIsAnErrorNamingWhatIsMissing) {
  struct Row {
    std::string consist;
    std::string named;
  };
  for (const Row& row :
       {Row{"<ServiceName><English></English></ServiceName><French>x</French>", "French"},
        Row{"<ServiceName><English></English><French>x</French>", "ServiceName"}}) {
    const Result<std::string> caption = ConsistCaption(row.consist);
    ASSERT_FALSE(caption.ok()) << row.consist;
    EXPECT_NE(caption.error().find(row.named), std::string::npos) << caption.error();
  }
}

struct DrivenCase {
  const char* label;
  std::string inner;
  bool driven;
};

class IsDrivenConsistTest : public testing::TestWithParam<DrivenCase> {};

TEST_P(IsDrivenConsistTest, ComparesTheNumber) {
  EXPECT_EQ(IsDrivenConsist(Consist(GetParam().inner, {{"a"}})), GetParam().driven);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsDrivenConsistTest,
    testing::Values(DrivenCase{"one", "<PlayerDriver d:type=\"bool\">1</PlayerDriver>", true},
                    DrivenCase{"one with fraction", "<PlayerDriver>1.0000</PlayerDriver>", true},
                    DrivenCase{"blanks", "<PlayerDriver> 1 </PlayerDriver>", true},
                    DrivenCase{"capitals", "<PLAYERDRIVER>1</PLAYERDRIVER>", true},
                    DrivenCase{"zero", "<PlayerDriver>0</PlayerDriver>", false},
                    DrivenCase{"two", "<PlayerDriver>2</PlayerDriver>", false},
                    DrivenCase{"not a number", "<PlayerDriver>yes</PlayerDriver>", false},
                    DrivenCase{"empty form", "<PlayerDriver/>", false},
                    DrivenCase{"none", "<PlayerControlled>1</PlayerControlled>", false}),
    test::CaseName());

TEST(ReadVehicles, ReadsEachVehiclesOwnFields) {
  const std::vector<VehicleShape> shapes = {
      {"Class 66", "RailVehicles\\Diesel\\Class66\\class66.xml", "0", "eFalse", true},
      {"Covered van", "RailVehicles\\Freight\\Van\\van.xml", "1", "eTrue", false},
      {"Gro\xDF"
       "e Lore",
       "RailVehicles\\Freight\\Lore\\lore \xE9.xml", "0", "eFalse", false}};
  const Result<std::vector<VehicleFields>> vehicles = ReadVehicles(Consist("", shapes));
  ASSERT_TRUE(vehicles.ok()) << vehicles.error();
  ASSERT_EQ(vehicles->size(), shapes.size());
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    const VehicleFields expected{shapes[i].name, shapes[i].blueprint, shapes[i].flipped,
                                 shapes[i].preloaded, !shapes[i].emptyLoad};
    EXPECT_EQ((*vehicles)[i], expected) << "vehicle " << i;
  }
}

struct MissingFieldCase {
  const char* label;
  VehicleShape second;
  VehicleFields expected;
};

class MissingFieldTest : public testing::TestWithParam<MissingFieldCase> {};

// The first vehicle has every field; the second lacks one and must not borrow the first's.
TEST_P(MissingFieldTest, FieldIsEmptyNotTheNeighbours) {
  VehicleShape first{"First", "RailVehicles\\First.xml", "1", "eTrue", true};
  const Result<std::vector<VehicleFields>> vehicles =
      ReadVehicles(Consist("", {first, GetParam().second}));
  ASSERT_TRUE(vehicles.ok()) << vehicles.error();
  ASSERT_EQ(vehicles->size(), 2u);
  EXPECT_EQ((*vehicles)[1], GetParam().expected);
}

VehicleShape Without(bool flipped, bool preloaded, bool blueprint) {
  VehicleShape v{"Second", "RailVehicles\\Second.xml", "0", "eFalse"};
  v.withFlipped = !flipped;
  v.withPreloaded = !preloaded;
  v.withBlueprint = !blueprint;
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingFieldTest,
    testing::Values(MissingFieldCase{"no flipped",
                                     Without(true, false, false),
                                     {"Second", "RailVehicles\\Second.xml", "", "eFalse", true}},
                    MissingFieldCase{"no preloaded",
                                     Without(false, true, false),
                                     {"Second", "RailVehicles\\Second.xml", "0", "", true}},
                    MissingFieldCase{"no attributed blueprint",
                                     Without(false, false, true),
                                     {"Second", "", "0", "eFalse", true}},
                    MissingFieldCase{
                        "none of them", Without(true, true, true), {"Second", "", "", "", true}}),
    test::CaseName());

TEST(ReadVehicles, InitialLevelCountsOnlyInsideItsOwnBlock) {
  VehicleShape empty{"Empty wagon"};
  empty.emptyLoad = true;
  const Result<std::vector<VehicleFields>> vehicles =
      ReadVehicles(Consist("", {{"Loco"}, empty, {"Van"}}));
  ASSERT_TRUE(vehicles.ok());
  ASSERT_EQ(vehicles->size(), 3u);
  EXPECT_TRUE((*vehicles)[0].loadable);
  EXPECT_FALSE((*vehicles)[1].loadable);
  EXPECT_TRUE((*vehicles)[2].loadable);
}

TEST(ReadVehicles, EveryNameOpeningCountsAsAVehicle) {
  std::string consist = Consist("", {{"Van"}});
  consist.insert(consist.find("<Name "), "<NameTag>tag</NameTag>\n");
  const Result<std::vector<VehicleFields>> vehicles = ReadVehicles(consist);
  ASSERT_TRUE(vehicles.ok());
  ASSERT_EQ(vehicles->size(), 2u);
  EXPECT_EQ((*vehicles)[0].name, "tag");
  EXPECT_EQ((*vehicles)[1].name, "Van");
  // Both stand in the same block and share its fields.
  EXPECT_EQ((*vehicles)[1].flipped, "0");
  EXPECT_EQ((*vehicles)[0].blueprint, (*vehicles)[1].blueprint);
}

TEST(ReadVehicles, EdgesOfTheListing) {
  const Result<std::vector<VehicleFields>> none = ReadVehicles(Consist("", {}));
  ASSERT_TRUE(none.ok());
  EXPECT_TRUE(none->empty());

  const Result<std::vector<VehicleFields>> emptyName = ReadVehicles("<cOwnedEntity><Name/>");
  ASSERT_TRUE(emptyName.ok());
  ASSERT_EQ(emptyName->size(), 1u);
  EXPECT_EQ((*emptyName)[0].name, "");

  const Result<std::vector<VehicleFields>> unclosed =
      ReadVehicles(VehicleBlock({"Van"}) + "<cOwnedEntity><Name>Lost");
  ASSERT_FALSE(unclosed.ok());
  EXPECT_NE(unclosed.error().find("Vehicle 2"), std::string::npos) << unclosed.error();

  // Outside any block, a vehicle takes nothing from the block closed before it.
  const Result<std::vector<VehicleFields>> outside =
      ReadVehicles(VehicleBlock({"Van"}) + "<Name>Stray</Name>");
  ASSERT_TRUE(outside.ok());
  ASSERT_EQ(outside->size(), 2u);
  EXPECT_EQ((*outside)[1], (VehicleFields{"Stray", "", "", "", true}));
}

TEST(ReadConsist, SummarisesCaptionDriverAndVehicles) {
  const Result<ConsistSummary> summary =
      ReadConsist(Consist(ServiceName("Local") + "<PlayerDriver>1</PlayerDriver>", {{"a"}, {"b"}}));
  ASSERT_TRUE(summary.ok());
  EXPECT_EQ(summary->caption, "Local");
  EXPECT_TRUE(summary->driven);
  ASSERT_EQ(summary->vehicles.size(), 2u);
  EXPECT_EQ(summary->vehicles[1].name, "b");
}

class LocateTest : public testing::Test {
 protected:
  const std::string text = kHead + Consist("", {{"a0"}, {"a1"}}) + Consist("", {}) +
                           Consist("", {{"c0"}, {"c1"}, {"c2"}}) + kTail;
};

TEST_F(LocateTest, ConsistsByOpeningTag) {
  for (std::size_t c = 0; c < 3; ++c) {
    const std::optional<TextRange> range = LocateConsist(text, c);
    ASSERT_TRUE(range.has_value()) << c;
    const std::string_view consist = range->In(text);
    EXPECT_EQ(consist.substr(0, 9), "<cConsist");
    EXPECT_EQ(consist.substr(consist.size() - 11), "</cConsist>");
  }
  EXPECT_FALSE(LocateConsist(text, 3).has_value());
}

TEST_F(LocateTest, VehiclesInsideTheirConsistOnly) {
  struct Row {
    std::size_t consist, vehicle;
    const char* name;  // nullptr: no such vehicle
  };
  for (const Row& row :
       {Row{0, 0, "a0"}, Row{0, 1, "a1"}, Row{0, 2, nullptr}, Row{1, 0, nullptr}, Row{2, 0, "c0"},
        Row{2, 2, "c2"}, Row{2, 3, nullptr}, Row{3, 0, nullptr}}) {
    const std::optional<TextRange> range = LocateVehicle(text, row.consist, row.vehicle);
    if (row.name == nullptr) {
      EXPECT_FALSE(range.has_value()) << row.consist << "/" << row.vehicle;
      continue;
    }
    ASSERT_TRUE(range.has_value()) << row.consist << "/" << row.vehicle;
    std::string block = VehicleBlock({row.name});
    block.pop_back();  // the line feed behind "</cOwnedEntity>"
    EXPECT_EQ(range->In(text), block);
  }
  EXPECT_EQ(CountVehicleBlocks(text, 0), 2u);
  EXPECT_EQ(CountVehicleBlocks(text, 1), 0u);
  EXPECT_EQ(CountVehicleBlocks(text, 2), 3u);
  EXPECT_EQ(CountVehicleBlocks(text, 7), 0u);
}

}  // namespace
}  // namespace fennick
