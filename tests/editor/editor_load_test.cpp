#include <gtest/gtest.h>

#include "scenario/editor_load.h"
#include "scenario/vehicle_details.h"
#include "tests/editor/crafted_documents.h"

namespace fennick {
namespace {

using test::Consist;
using test::CraftedVehicle;
using test::Document;
using test::Entry;
using test::Service;
using test::Vehicle;

ScenarioSession Session(const std::string& entry, const std::string& document) {
  ScenarioSession session;
  session.indexHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<cRecordSet><Record>";
  session.scenarioEntry = entry;
  session.indexTail = "</Record></cRecordSet>";
  session.scenarioTextAsRead = session.scenarioText = document;
  return session;
}

TEST(EditorLoad, StartTimeShownAsHoursAndMinutes) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "0000"},          {"3600", "0100"},       {"25200", "0700"},
      {"19800.0000", "0530"}, {"27900.0000", "0745"}, {"86340", "2359"},
      {"86400", "2400"},      {"27930", "0746"},      {"28770", "0760"},
  };
  for (const auto& [stored, shown] : cases) {
    ScenarioSession session = Session(Entry(stored), Document(""));
    auto view = LoadEditor(session);
    ASSERT_TRUE(view.ok()) << view.error();
    EXPECT_EQ(view->boxes[kBoxStartTime], shown) << stored;
    EXPECT_EQ(session.loadedStartTime, stored);
  }
}

TEST(EditorLoad, BoxesInTheirOrder) {
  ScenarioSession session =
      Session(Entry("25200", "eStandardScenarioClass", "Caf\xC3\xA9 run"), Document(""));
  auto view = LoadEditor(session);
  ASSERT_TRUE(view.ok()) << view.error();
  const PropertyBoxes expected = {"Caf\xC3\xA9 run",
                                  "Desc",
                                  "Brief",
                                  "0700",
                                  "60",
                                  "4",
                                  "7",
                                  "1985",
                                  "SEASON_SUMMER",
                                  "Kuju",
                                  "RailSimulator",
                                  "Weather\\Clear.xml"};
  EXPECT_EQ(view->boxes, expected);
  EXPECT_EQ(session.loadedDisplayName, "Caf\xC3\xA9 run");
}

TEST(EditorLoad, TimetableInAnyCase) {
  const std::pair<const char*, bool> cases[] = {
      {"eTimeTableScenarioClass", true}, {"TIMETABLE", true}, {"eStandardScenarioClass", false}};
  for (const auto& [scenarioClass, timetable] : cases) {
    ScenarioSession session = Session(Entry("0", scenarioClass), Document(""));
    session.isTimetable = !timetable;
    auto view = LoadEditor(session);
    ASSERT_TRUE(view.ok());
    EXPECT_EQ(view->timetable, timetable) << scenarioClass;
    EXPECT_EQ(session.isTimetable, timetable);
  }
}

TEST(EditorLoad, ConsistsCaptionsAndTheDrivenOne) {
  const std::string document =
      Document(Consist(Service("Up goods"), "0", Vehicle({"Van A"}) + Vehicle({"Van B"})) +
               Consist("", "0", Vehicle({"Loose wagon"})) +
               Consist(Service("", "Train du matin"), "1.0000", Vehicle({"Loco", "1"})) +
               Consist(Service("Empty"), "0", ""));
  ScenarioSession session = Session(Entry("0"), document);
  auto view = LoadEditor(session);
  ASSERT_TRUE(view.ok()) << view.error();
  ASSERT_EQ(view->consists.size(), 4u);
  EXPECT_EQ(view->consists[0].caption, "Up goods");
  EXPECT_EQ(view->consists[1].caption, "Loose Consist");
  EXPECT_EQ(view->consists[2].caption, "Train du matin");
  EXPECT_TRUE(view->consists[2].driven);
  EXPECT_FALSE(view->consists[0].driven);
  EXPECT_EQ(view->drivenCaption, "Train du matin");
  EXPECT_EQ(view->consists[0].vehicles.size(), 2u);
  EXPECT_EQ(view->consists[2].vehicles[0].flipped, "1");
  EXPECT_TRUE(view->consists[3].vehicles.empty());
}

TEST(EditorLoad, InitialLevelBelongsToItsOwnVehicleOnly) {
  const std::string document = Document(Consist(Service("Mixed"), "1",
                                                Vehicle({"Tank", "0", "eTrue", false}) +
                                                    Vehicle({"Flat", "0", "eFalse", true}) +
                                                    Vehicle({"Van", "0", "eFalse", false})));
  ScenarioSession session = Session(Entry("0"), document);
  auto view = LoadEditor(session);
  ASSERT_TRUE(view.ok());
  const auto& vehicles = view->consists[0].vehicles;
  ASSERT_EQ(vehicles.size(), 3u);
  EXPECT_TRUE(vehicles[0].loadable);
  EXPECT_FALSE(vehicles[1].loadable);
  EXPECT_TRUE(vehicles[2].loadable);
  EXPECT_EQ(vehicles[0].preloaded, "eTrue");
}

TEST(EditorLoad, MoreConsistsThanAnyFixedTable) {
  std::string consists;
  for (int i = 0; i < 620; ++i)
    consists += Consist(Service("T" + std::to_string(i)), "0", Vehicle({"V"}));
  ScenarioSession session = Session(Entry("0"), Document(consists));
  auto view = LoadEditor(session);
  ASSERT_TRUE(view.ok());
  ASSERT_EQ(view->consists.size(), 620u);
  EXPECT_EQ(view->consists[619].caption, "T619");
}

TEST(EditorLoad, BrokenEntryOrDocumentIsReportedAndLeavesTheSession) {
  std::string noSeason = Entry("0");
  noSeason.erase(noSeason.find("<Season"),
                 noSeason.find("</Season>") + 9 - noSeason.find("<Season"));
  ScenarioSession session = Session(noSeason, Document(""));
  session.loadedDisplayName = "before";
  auto view = LoadEditor(session);
  ASSERT_FALSE(view.ok());
  EXPECT_NE(view.error().find("Season"), std::string::npos) << view.error();
  EXPECT_EQ(session.loadedDisplayName, "before");

  ScenarioSession broken = Session(Entry("0"), Document("<cConsist><Name>unclosed</cConsist>"));
  EXPECT_FALSE(LoadEditor(broken).ok());
}

TEST(VehiclesOfConsist, FollowTheDocumentAsItNowStands) {
  std::string document = Document(Consist(Service("A"), "0", Vehicle({"One"}) + Vehicle({"Two"})) +
                                  Consist(Service("B"), "0", Vehicle({"Three"})));
  auto second = VehiclesOfConsist(document, 1);
  ASSERT_TRUE(second.ok());
  ASSERT_EQ(second->size(), 1u);
  EXPECT_EQ((*second)[0].name, "Three");
  document.replace(document.find("Two"), 3, "Zwei");
  auto first = VehiclesOfConsist(document, 0);
  ASSERT_TRUE(first.ok());
  EXPECT_EQ((*first)[1].name, "Zwei");
  EXPECT_FALSE(VehiclesOfConsist(document, 2).ok());
}

}  // namespace
}  // namespace fennick

namespace fennick {
namespace {

TEST(DescribeVehicle, LinesOfTheDetailsWindow) {
  struct Case {
    const char* flipped;
    const char* preloaded;
    bool loadable;
    const char* orientation;
    std::optional<std::string> loaded;
    const char* loadableLine;
  };
  const Case cases[] = {
      {"1", "eTrue", true, "Orientation = Reversed", "Loaded = True", "Loadable = True"},
      {"1.0000", "eFalse", false, "Orientation = Reversed", "Loaded = False", "Loadable = False"},
      {"0", "", true, "Orientation = Forward", std::nullopt, "Loadable = True"},
      {"yes", "etrue", true, "Orientation = Forward", std::nullopt, "Loadable = True"},
      {"", "eTrue", true, "Orientation = Forward", "Loaded = True", "Loadable = True"},
  };
  for (const Case& c : cases) {
    const VehicleFields vehicle{"Van",  "RailVehicles\\Van.xml", c.flipped, c.preloaded, c.loadable,
                                "Kuju", "RailSimulator"};
    const VehicleDetailsText text = DescribeVehicle(vehicle);
    EXPECT_EQ(text.blueprint, "RailVehicles\\Van.xml");
    EXPECT_EQ(text.orientation, c.orientation) << c.flipped;
    EXPECT_EQ(text.loaded, c.loaded) << c.preloaded;
    EXPECT_EQ(text.loadable, c.loadableLine);
  }
}

}  // namespace
}  // namespace fennick
