#include "scenario/scenario_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/scenario/scenario_texts.h"

namespace fennick {
namespace {

using test::Block;

// An index entry as the converter writes it, holding the twelve texts; the localised ones in
// English only, or in all five languages. The typed briefing is long, so its block grows well
// past where it ended before.
std::string MakeEntry(const EntryProperties& p, bool allLanguages = false) {
  auto localised = [&](std::size_t i) {
    const std::string& v = p.values[i];
    const std::string other = allLanguages ? v : "";
    return Block(std::string(kProperties[i].element), v, other, other, other, other);
  };
  auto element = [&](std::size_t i) {
    const std::string name(kProperties[i].element);
    return "<" + name + " d:type=\"cDeltaString\">" + p.values[i] + "</" + name + ">\n";
  };
  std::string entry =
      "<cScenarioProperties d:id=\"187654321\">\n<UUID><e d:type=\"sUInt64\">73834452</e></UUID>"
      "<DevString d:type=\"cDeltaString\">00112233-4455</DevString>\n";
  for (std::size_t i = 0; i < 3; ++i) entry += localised(i);
  for (std::size_t i = 3; i < 8; ++i) entry += element(i);
  entry += "<ScenarioClass d:type=\"cDeltaString\">eStandardScenarioClass</ScenarioClass>\n" +
           element(8) + "<WeatherBlueprint><iBlueprintLibrary-cAbsoluteBlueprintID>" +
           "<BlueprintSetID><iBlueprintLibrary-cBlueprintSetID>" + element(9) + element(10) +
           "</iBlueprintLibrary-cBlueprintSetID></BlueprintSetID>" + element(11) +
           "</iBlueprintLibrary-cAbsoluteBlueprintID></WeatherBlueprint>\n"
           "<IsMultiplayer d:type=\"bool\">0</IsMultiplayer>\n</cScenarioProperties>";
  return entry;
}

const EntryProperties kLoaded = {{"Morning freight", "Take the vans to the yard.",
                                  "Couple up and go.", "25200", "60", "14", "6", "2008",
                                  "SEASON_SUMMER", "Kuju", "RailSimulator", "Weather\\Clear.xml"}};
const EntryProperties kTyped = {{"Evening run \xE9", "",
                                 "Couple up, run round the train and take the vans to the port.",
                                 "19800.0000", "90 ", "1", "12", "1999", "SEASON_WINTER", "Kuju",
                                 "RailSimulator", "Weather\\Fog.xml"}};

TEST(EntryProperties, ReadTwelveInOrderAndWriteThemLeavingTheRestAsItWas) {
  const Result<EntryProperties> read = ReadEntryProperties(MakeEntry(kLoaded));
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(*read, kLoaded);

  std::string entry = MakeEntry(kLoaded);
  ASSERT_TRUE(WriteEntryProperties(entry, kTyped).ok());
  EXPECT_EQ(entry, MakeEntry(kTyped, /*allLanguages=*/true));
  EXPECT_EQ(*ReadEntryProperties(entry), kTyped);
}

// Each element renamed away, <Season/> in the empty form, and a StartTime without its closing
// tag (its search would reach a later one and a write would swallow every property between):
// the write fails naming the element and changes nothing; a missing element fails the read too.
TEST(EntryProperties, BrokenElementIsNamedAndNothingIsWritten) {
  std::vector<std::pair<std::string, std::string>> broken;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i) {
    const std::string name(kProperties[i].element);
    std::string entry = MakeEntry(kLoaded);
    entry.replace(entry.find("<" + name + (i < 3 ? ">" : " ")) + 1, name.size(), "Other");
    const Result<EntryProperties> read = ReadEntryProperties(entry);
    ASSERT_FALSE(read.ok()) << name;
    EXPECT_NE(read.error().find(name), std::string::npos) << read.error();
    broken.emplace_back(entry, name);
  }
  std::string entry = MakeEntry(kLoaded);
  entry.replace(entry.find("SEASON_SUMMER</Season>") - 1, 23, "/>");
  const Result<EntryProperties> read = ReadEntryProperties(entry);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ((*read)[EntryProperty::Season], "");
  EXPECT_EQ((*read)[EntryProperty::Provider], "Kuju");
  broken.emplace_back(entry, "Season");
  entry = MakeEntry(kLoaded);
  entry.replace(entry.find("25200</StartTime>"), 17, "25200");
  broken.emplace_back(entry + "<StartTime>1</StartTime>", "StartTime");

  for (auto [entry, name] : broken) {
    const std::string before = entry;
    const Status written = WriteEntryProperties(entry, kTyped);
    ASSERT_FALSE(written.ok()) << name;
    EXPECT_NE(written.error().find(name), std::string::npos) << written.error();
    EXPECT_EQ(entry, before);
  }
}

// The type test finds "timetable" anywhere in any case; the switch writes lower-case words.
TEST(ScenarioType, TestAndSwitchEveryWordInOnePass) {
  struct Case {
    std::string entry;
    bool timetable;  // before the switch
    bool toTimetable;
    std::string expected;
    std::size_t replaced;
  };
  const Case cases[] = {
      {"<C>eTimeTableScenarioClass</C><E>TIMETABLE x</E>", true, false,
       "<C>estandardScenarioClass</C><E>standard x</E>", 2},
      {"<English>My timetable run</English>", true, false, "<English>My standard run</English>", 1},
      {"<C>eStandardScenarioClass</C>Standard STANDARD", false, true,
       "<C>etimetableScenarioClass</C>timetable timetable", 3},
      {"standardstandard", false, true, "timetabletimetable", 2},
      {"\xE9standard\xFF", false, true, "\xE9timetable\xFF", 1},
      {"time table", false, false, "time table", 0}};
  for (const Case& c : cases) {
    std::string entry = c.entry;
    EXPECT_EQ(IsTimetableEntry(entry), c.timetable) << c.entry;
    EXPECT_EQ(SwitchScenarioType(entry, c.toTimetable), c.replaced) << c.entry;
    EXPECT_EQ(entry, c.expected);
    EXPECT_EQ(IsTimetableEntry(entry), c.toTimetable) << c.entry;
  }
}

}  // namespace
}  // namespace fennick
