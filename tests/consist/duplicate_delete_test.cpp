#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "consist/delete_item.h"
#include "consist/duplicate_item.h"
#include "consist/messages.h"
#include "consist/vehicle_copy.h"
#include "tests/consist/scenario_builder.h"
#include "tests/scenario/case_name.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::Hopper;
using test::PrintTo;
using test::ScenarioXml;
using test::TestVehicle;

struct NumberCase {
  const char* label;
  const char* number;
  const char* copy;
};

class RunningNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(RunningNumberTest, AddsThreeToTheLeadingNumber) {
  EXPECT_EQ(RunningNumberOfCopy(GetParam().number), GetParam().copy);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunningNumberTest,
                         testing::Values(NumberCase{"whole number", "101", "104"},
                                         NumberCase{"decimal part", "12.5", "15.5"},
                                         NumberCase{"letter in front", "B954123", "3"},
                                         NumberCase{"letters behind", "66001A", "66004"},
                                         NumberCase{"empty", "", "3"},
                                         NumberCase{"negative", "-5", "-2"},
                                         NumberCase{"leading zeros dropped", "007", "10"},
                                         NumberCase{"large", "999999999999", "1000000000002"}),
                         test::CaseName());

// Vehicles numbered 101, 102, ... so every copy is told apart by its number.
std::vector<TestVehicle> Numbered(int count) {
  std::vector<TestVehicle> vehicles;
  for (int i = 0; i < count; ++i) vehicles.push_back(Hopper(std::to_string(101 + i)));
  return vehicles;
}

struct DuplicateCase {
  const char* label;
  bool atRear;
  int vehicles;
  std::size_t row;
  int anchor;   // the vehicle the copy goes next to
  bool behind;  // behind the anchor, else in front of it
};

class DuplicateTest : public testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateTest, PutsANumberedCopyInPlace) {
  const DuplicateCase& c = GetParam();
  const std::string before = ScenarioXml(
      {{"Up", true, "1", "1", Numbered(c.vehicles)}, {"Down", true, "0", "0", {Hopper("900")}}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome =
      c.atRear ? DuplicateAtRear(text, 0, c.row, dialogs) : DuplicateItem(text, 0, c.row, dialogs);
  const std::string copy =
      test::VehicleBlock(Hopper(std::to_string(101 + static_cast<int>(c.row) + 3)));
  EXPECT_EQ(text, c.behind ? test::InsertedBehind(before, c.anchor, copy)
                           : test::InsertedBefore(before, c.anchor, copy));
  EXPECT_TRUE(outcome.consistsChanged);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kScenarioUpdated);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DuplicateTest,
    testing::Values(DuplicateCase{"item directly behind", false, 3, 1, 1, true},
                    DuplicateCase{"item, last vehicle", false, 3, 2, 2, true},
                    DuplicateCase{"rear, first of five goes behind the last", true, 5, 0, 4, true},
                    DuplicateCase{"rear, third goes in front", true, 5, 2, 0, false},
                    DuplicateCase{"rear, last goes in front", true, 5, 4, 0, false},
                    DuplicateCase{"rear, only vehicle goes in front", true, 1, 0, 0, false}),
    test::CaseName());

TEST(DuplicateItem, DecimalNumberAndVehicleWithoutNumber) {
  const std::string before = ScenarioXml({{"", true, "0", "0", {Hopper("12.5")}}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  DuplicateItem(text, 0, 0, dialogs);
  EXPECT_EQ(text, test::InsertedBehind(before, 0, test::VehicleBlock(Hopper("15.5"))));

  // Without a UniqueNumber element the copy equals the vehicle byte for byte.
  std::string block = test::VehicleBlock(Hopper("1"));
  const std::size_t at = block.find("\t\t\t\t\t\t\t<UniqueNumber");
  block.erase(at, block.find('\n', at) + 1 - at);
  const std::string head = "<cConsist>\r\n\t";
  const std::string tail = "\r\n</cConsist>\r\n";
  text = head + block + tail;
  DuplicateItem(text, 0, 0, dialogs);
  EXPECT_EQ(text, head + block + block + tail);
}

TEST(DeleteItem, RemovesTheVehicleAndOnlyIt) {
  const std::string before =
      ScenarioXml({{"", true, "0", "0", Numbered(3)}, {"", true, "0", "0", Numbered(2)}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  const ConsistOutcome outcome = DeleteItem(text, 1, 1, dialogs);
  EXPECT_EQ(text, test::WithoutBlock(before, 4));
  EXPECT_TRUE(outcome.consistsChanged);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, kScenarioUpdated);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
}

TEST(DeleteItem, OnlyVehicleLeavesAnEmptyConsistWhichLaterCommandsRefuse) {
  const std::string before = ScenarioXml(
      {{"Loco", true, "0", "0", {Hopper("1")}}, {"Next", true, "0", "0", {Hopper("2")}}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  EXPECT_TRUE(DeleteItem(text, 0, 0, dialogs).consistsChanged);
  const std::string emptied = test::WithoutBlock(before, 0);
  ASSERT_EQ(text, emptied);

  // The "Empty Consist" row would otherwise reach the next consist's first vehicle.
  dialogs.shown.clear();
  EXPECT_FALSE(DuplicateItem(text, 0, 0, dialogs).consistsChanged);
  EXPECT_FALSE(DuplicateAtRear(text, 0, 0, dialogs).consistsChanged);
  EXPECT_FALSE(DeleteItem(text, 0, 0, dialogs).consistsChanged);
  EXPECT_EQ(text, emptied);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  for (const auto& shown : dialogs.shown) {
    EXPECT_EQ(shown.text, kEmptyConsist);
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  }
}

using Command = ConsistOutcome (*)(std::string&, std::size_t, std::optional<std::size_t>, Dialogs&);

struct RefusalCase {
  const char* label;
  Command command;
  std::size_t consist;
  std::optional<std::size_t> row;
  std::string message;  // empty: a message of its own naming the row
};

class DuplicateDeleteRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(DuplicateDeleteRefusalTest, ChangesNothing) {
  const RefusalCase& c = GetParam();
  const std::string before = ScenarioXml({{"", true, "0", "0", Numbered(2)}});
  std::string text = before;
  test::ScriptedDialogs dialogs;
  EXPECT_FALSE(c.command(text, c.consist, c.row, dialogs).consistsChanged);
  EXPECT_EQ(text, before);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  if (!c.message.empty()) {
    EXPECT_EQ(dialogs.shown[0].text, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DuplicateDeleteRefusalTest,
    testing::Values(RefusalCase{"duplicate without row", DuplicateItem, 0, std::nullopt,
                                std::string(kNothingToDuplicate)},
                    RefusalCase{"rear without row", DuplicateAtRear, 0, std::nullopt,
                                std::string(kNothingToDuplicate)},
                    RefusalCase{"delete without row", DeleteItem, 0, std::nullopt,
                                std::string(kNothingToDelete)},
                    RefusalCase{"duplicate beyond the consist", DuplicateItem, 0, 2, ""},
                    RefusalCase{"delete in a missing consist", DeleteItem, 1, 0, ""}),
    test::CaseName());

}  // namespace
}  // namespace fennick
