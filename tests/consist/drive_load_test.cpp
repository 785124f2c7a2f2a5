#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "consist/drive_it.h"
#include "consist/load_wagons.h"
#include "consist/messages.h"
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

struct DriveCase {
  const char* label;
  std::vector<TestConsist> before;
  std::size_t consist;
  std::size_t row;
  std::vector<std::string> drivers;  // PlayerDriver of each consist afterwards
  std::string label3;
};

class DriveItTest : public testing::TestWithParam<DriveCase> {};

TEST_P(DriveItTest, HandsTheDriverToTheConsist) {
  const DriveCase& c = GetParam();
  std::string text = ScenarioXml(c.before);
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome = DriveIt(text, c.consist, c.row, dialogs);
  std::vector<TestConsist> after = c.before;
  for (std::size_t i = 0; i < after.size(); ++i) {
    after[i].playerDriver = c.drivers[i];
    after[i].playerControlled = "0";
  }
  EXPECT_EQ(text, ScenarioXml(after));
  EXPECT_TRUE(outcome.consistsChanged);
  EXPECT_EQ(outcome.drivenLabel, c.label3);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kDriverUpdated);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
}

const std::vector<TestConsist> kThree = {{"Up coal", true, "1", "1", {Class66(), Hopper()}},
                                         {"Down", true, "0", "0", {Mk2()}},
                                         {"Shunt", true, "0", "1", {Hopper(), Class66("66002")}}};
const std::vector<TestConsist> kMiddleWithoutFlag = {{"Up coal", true, "1", "1", {Class66()}},
                                                     {"Down", false, "", "0", {Mk2()}},
                                                     {"Shunt", true, "0", "0", {Hopper()}}};

INSTANTIATE_TEST_SUITE_P(
    Cases, DriveItTest,
    testing::Values(
        DriveCase{"third of three", kThree, 2, 1, {"0", "0", "1"}, "Class 66"},
        DriveCase{"first again", kThree, 0, 1, {"1", "0", "0"}, "HTA Coal Hopper"},
        DriveCase{"row names only the label", kThree, 1, 0, {"0", "1", "0"}, "Mk2 Standard Open"},
        DriveCase{"consist without a flag hands it on",
                  kMiddleWithoutFlag,
                  1,
                  0,
                  {"0", "", "1"},
                  "Mk2 Standard Open"}),
    test::CaseName());

TEST(DriveIt, WithoutRowEmptiesTheLabelAndChangesNothing) {
  const std::string before = ScenarioXml(kThree);
  std::string text = before;
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome = DriveIt(text, 1, std::nullopt, dialogs);
  EXPECT_EQ(text, before);
  EXPECT_FALSE(outcome.consistsChanged);
  EXPECT_EQ(outcome.drivenLabel, "");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kNothingToDrive);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
}

TEST(DriveIt, RefusesAConsistWithoutVehicles) {
  const std::string before =
      ScenarioXml({{"Up", true, "1", "1", {Class66()}}, {"Empty", true, "0", "0", {}}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome = DriveIt(text, 1, 0, dialogs);
  EXPECT_EQ(text, before);
  EXPECT_FALSE(outcome.consistsChanged);
  EXPECT_EQ(outcome.drivenLabel, std::nullopt);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kEmptyConsist);
}

TestVehicle Loadable(std::string number, std::string preloaded = "eFalse") {
  TestVehicle v = Hopper(std::move(number));
  v.preloaded = std::move(preloaded);
  return v;
}

struct LoadCase {
  const char* label;
  std::vector<TestVehicle> before;
  std::vector<std::size_t> rows;
  WagonLoad load;
  std::vector<std::string> preloadedAfter;
  std::string message;  // empty: none
  bool changed;
};

class LoadWagonsTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadWagonsTest, SetsPreloadedOfTheSelectedRows) {
  const LoadCase& c = GetParam();
  const std::vector<TestConsist> before = {{"", true, "0", "0", c.before},
                                           {"", true, "0", "0", {Loadable("9")}}};
  std::string text = ScenarioXml(before);
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome = LoadSelectedWagons(text, 0, c.rows, c.load, dialogs);
  std::vector<TestConsist> after = before;
  for (std::size_t i = 0; i < c.preloadedAfter.size(); ++i) {
    after[0].vehicles[i].preloaded = c.preloadedAfter[i];
  }
  EXPECT_EQ(text, ScenarioXml(after));
  EXPECT_EQ(outcome.consistsChanged, c.changed);
  if (c.message.empty()) {
    EXPECT_TRUE(dialogs.shown.empty());
  } else {
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, c.message);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadWagonsTest,
    testing::Values(
        LoadCase{"load two of three",
                 {Loadable("1"), Loadable("2"), Loadable("3")},
                 {2, 0},
                 WagonLoad::kLoaded,
                 {"eTrue", "eFalse", "eTrue"},
                 "",
                 true},
        LoadCase{"unload",
                 {Loadable("1", "eTrue"), Loadable("2", "eTrue")},
                 {1},
                 WagonLoad::kEmpty,
                 {"eTrue", "eFalse"},
                 "",
                 true},
        LoadCase{"non-loadable stops the command",
                 {Loadable("1"), Class66(), Loadable("3")},
                 {0, 1, 2},
                 WagonLoad::kLoaded,
                 {"eTrue", "eFalse", "eFalse"},
                 "Class 66 is not a loadable vehicle",
                 true},
        LoadCase{"non-loadable first changes nothing",
                 {Mk2(), Loadable("2")},
                 {0, 1},
                 WagonLoad::kLoaded,
                 {"eFalse", "eFalse"},
                 "Mk2 Standard Open is not a loadable vehicle",
                 false},
        LoadCase{
            "nothing selected", {Loadable("1")}, {}, WagonLoad::kLoaded, {"eFalse"}, "", false}),
    test::CaseName());

TEST(LoadWagons, FindsPreloadedInAnyCaseAndSkipsBlocksWithoutIt) {
  std::string upper = test::VehicleXml(Loadable("1"));
  upper.replace(upper.find("<IsPreloaded"), 12, "<ISPRELOADED");
  upper.replace(upper.find("</IsPreloaded"), 13, "</ISPRELOADED");
  std::string without = test::VehicleXml(Loadable("2"));
  const std::size_t at = without.find("\t\t\t\t\t\t\t<IsPreloaded");
  without.erase(at, without.find('\n', at) + 1 - at);
  const std::string before = "<cConsist>\r\n" + upper + without + "</cConsist>\r\n";
  std::string text = before;
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome = LoadSelectedWagons(text, 0, {0, 1}, WagonLoad::kLoaded, dialogs);
  std::string expected = before;
  expected.replace(expected.find(">eFalse<"), 8, ">eTrue<");
  EXPECT_EQ(text, expected);
  EXPECT_TRUE(outcome.consistsChanged);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(LoadWagons, RefusesRowsOfAnEmptyConsist) {
  const std::string before =
      ScenarioXml({{"", true, "0", "0", {}}, {"", true, "0", "0", {Loadable("9")}}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  EXPECT_FALSE(LoadSelectedWagons(text, 0, {0}, WagonLoad::kLoaded, dialogs).consistsChanged);
  EXPECT_EQ(text, before);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kEmptyConsist);
}

}  // namespace
}  // namespace fennick
