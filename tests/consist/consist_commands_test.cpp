#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "consist/delete_item.h"
#include "consist/drive_it.h"
#include "consist/duplicate_item.h"
#include "consist/load_wagons.h"
#include "consist/vehicle_copy.h"
#include "tests/consist/consist_test_support.h"

namespace fennick {
namespace {

using test::Class66;
using test::Hopper;
using test::Mk2;
using test::ScenarioXml;
using test::TestConsist;
using test::TestVehicle;

constexpr std::string_view kScenarioUpdated =
    "Your Scenario information will be updated once you save changes.";

TEST(RunningNumberOfCopy, AddsThreeToTheLeadingNumberWithADotInAnyLanguage) {
  const std::pair<const char*, const char*> cases[] = {
      {"101", "104"},  {"12.5", "15.5"}, {"B954123", "3"}, {"66001A", "66004"},
      {"", "3"},       {"-5", "-2"},     {"007", "10"},    {"999999999999", "1000000000002"},
      {"0.25", "3.25"}};
  for (const auto& [number, copy] : cases) EXPECT_EQ(RunningNumberOfCopy(number), copy) << number;
  const test::CommaDecimalLocale german;
  ASSERT_TRUE(german.active()) << "no comma-decimal locale installed (de_DE.UTF-8)";
  for (const auto& [number, copy] : cases) EXPECT_EQ(RunningNumberOfCopy(number), copy) << number;
}

// Vehicles numbered 101, 102, ... so every copy is told apart by its number.
std::vector<TestVehicle> Numbered(int count) {
  std::vector<TestVehicle> vehicles;
  for (int i = 0; i < count; ++i) vehicles.push_back(Hopper(std::to_string(101 + i)));
  return vehicles;
}

TEST(DuplicateItem, PutsACopyNumberedThreeHigherInPlace) {
  const struct {
    bool atRear;
    int vehicles;
    std::size_t row;
    int anchor;   // the vehicle the copy goes next to
    bool behind;  // behind the anchor, else in front of it
  } cases[] = {{false, 3, 1, 1, true}, {false, 3, 2, 2, true},  // directly behind
               {true, 5, 0, 4, true},                           // the first behind the last
               {true, 5, 2, 0, false}, {true, 5, 4, 0, false},  // the others in front
               {true, 1, 0, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE((c.atRear ? "at rear, row " : "row ") + std::to_string(c.row));
    const std::string before = ScenarioXml({{Numbered(c.vehicles)}, {{Hopper("900")}}});
    std::string text = before;
    test::ScriptedDialogs dialogs;
    const ConsistOutcome outcome = c.atRear ? DuplicateAtRear(text, 0, c.row, dialogs)
                                            : DuplicateItem(text, 0, c.row, dialogs);
    const std::string copy = test::VehicleBlock(Hopper(std::to_string(104 + c.row)));
    EXPECT_EQ(text, test::Inserted(before, c.anchor, c.behind, copy));
    EXPECT_TRUE(outcome.consistsChanged);
    test::ExpectOnlyMessage(dialogs, kScenarioUpdated, MessageIcon::Information);
  }
  // A vehicle without a running number is copied byte for byte.
  const std::string before = test::WithoutLine(ScenarioXml({{{Hopper()}}}), "<UniqueNumber");
  std::string text = before;
  test::ScriptedDialogs dialogs;
  DuplicateItem(text, 0, 0, dialogs);
  const std::size_t start = before.find("<cOwnedEntity"), end = before.find("\r\n</RailVehicles");
  EXPECT_EQ(text, test::Inserted(before, 0, true, before.substr(start, end - start)));
}

TEST(DeleteItem, RemovesTheVehicleAndMayEmptyTheConsist) {
  const std::string before = ScenarioXml({{{Hopper("1")}}, {Numbered(3)}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  EXPECT_TRUE(DeleteItem(text, 1, 1, dialogs).consistsChanged);
  test::ExpectOnlyMessage(dialogs, kScenarioUpdated, MessageIcon::Information);
  EXPECT_TRUE(DeleteItem(text, 0, 0, dialogs).consistsChanged);
  EXPECT_EQ(text, test::WithoutBlock(test::WithoutBlock(before, 2), 0));
}

TEST(DriveIt, HandsTheDriverToTheConsist) {
  const std::vector<TestConsist> three = {
      {{Class66(), Hopper()}, "1", "1"}, {{Mk2()}}, {{Hopper(), Class66("66002")}, "0", "1"}};
  const struct {
    const std::vector<TestConsist>& before;
    std::size_t consist;
    std::size_t row;
    std::vector<std::string> drivers;  // PlayerDriver of each consist afterwards
    std::string label;
  } cases[] = {{three, 2, 1, {"0", "0", "1"}, "Class 66"},
               {three, 0, 1, {"1", "0", "0"}, "HTA Coal Hopper"},
               {three, 1, 0, {"0", "1", "0"}, "Mk2 Standard Open"}};
  for (const auto& c : cases) {
    SCOPED_TRACE("consist " + std::to_string(c.consist));
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
    EXPECT_EQ(outcome.drivenLabel, c.label);
    test::ExpectOnlyMessage(
        dialogs, "Your Scenario Driver information will be updated once you save changes.",
        MessageIcon::Information);
  }
  // Without a vehicle row the label is emptied.
  std::string text = ScenarioXml(three);
  test::ScriptedDialogs dialogs;
  EXPECT_EQ(DriveIt(text, 1, std::nullopt, dialogs).drivenLabel, "");
}

TestVehicle Loadable(std::string number, std::string preloaded = "eFalse") {
  TestVehicle v = Hopper(std::move(number));
  v.preloaded = std::move(preloaded);
  return v;
}

TEST(LoadSelectedWagons, SetsPreloadedOfTheRowsUpToANonLoadableOne) {
  const struct {
    std::vector<TestVehicle> before;
    std::vector<std::size_t> rows;
    WagonLoad load;
    std::vector<std::string> preloadedAfter;
    std::string message;  // empty: none
  } cases[] = {{{Loadable("1"), Loadable("2"), Loadable("3")},
                {2, 0},
                WagonLoad::kLoaded,
                {"eTrue", "eFalse", "eTrue"},
                ""},
               {{Loadable("1", "eTrue"), Loadable("2", "eTrue")},
                {1},
                WagonLoad::kEmpty,
                {"eTrue", "eFalse"},
                ""},
               {{Loadable("1"), Class66(), Loadable("3")},
                {2, 1, 0},
                WagonLoad::kLoaded,
                {"eTrue", "eFalse", "eFalse"},
                "Class 66 is not a loadable vehicle"},
               {{Mk2(), Loadable("2")},
                {0, 1},
                WagonLoad::kLoaded,
                {"eFalse", "eFalse"},
                "Mk2 Standard Open is not a loadable vehicle"},
               {{Loadable("1")}, {}, WagonLoad::kLoaded, {"eFalse"}, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message + " rows " + std::to_string(c.rows.size()));
    const std::vector<TestConsist> before = {{c.before}, {{Loadable("9")}}};
    std::string text = ScenarioXml(before);
    test::ScriptedDialogs dialogs;
    const ConsistOutcome outcome = LoadSelectedWagons(text, 0, c.rows, c.load, dialogs);
    std::vector<TestConsist> after = before;
    for (std::size_t i = 0; i < c.preloadedAfter.size(); ++i) {
      after[0].vehicles[i].preloaded = c.preloadedAfter[i];
    }
    EXPECT_EQ(text, ScenarioXml(after));
    EXPECT_EQ(outcome.consistsChanged, text != ScenarioXml(before));
    if (c.message.empty()) {
      EXPECT_TRUE(dialogs.shown.empty());
    } else {
      test::ExpectOnlyMessage(dialogs, c.message, MessageIcon::Exclamation);
    }
  }
}

TEST(LoadSelectedWagons, FindsPreloadedInAnyCase) {
  std::string before = ScenarioXml({{{Loadable("1"), Loadable("2", "eTrue")}}});
  before.replace(before.find("<IsPreloaded"), 12, "<ISPRELOADED");
  before.replace(before.find("</IsPreloaded"), 13, "</ISPRELOADED");
  std::string text = before;
  test::ScriptedDialogs dialogs;
  EXPECT_TRUE(LoadSelectedWagons(text, 0, {0, 1}, WagonLoad::kLoaded, dialogs).consistsChanged);
  before.replace(before.find(">eFalse<"), 8, ">eTrue<");
  EXPECT_EQ(text, before);
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace fennick
