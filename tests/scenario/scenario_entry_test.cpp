#include "scenario/scenario_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

std::string Localised(const std::string& tag, const std::string& english) {
  return "<" + tag + "><Localisation-cUserLocalisedString>\n" +
         "  <English d:type=\"cDeltaString\">" + english +
         "</English><French d:type=\"cDeltaString\"></French>\n" +
         "  <Italian d:type=\"cDeltaString\"></Italian><German "
         "d:type=\"cDeltaString\"></German>\n" +
         "  <Spanish d:type=\"cDeltaString\"></Spanish><Key d:type=\"cDeltaString\">"
         "7c1b</Key>\n</Localisation-cUserLocalisedString></" +
         tag + ">\n";
}

// An index entry as the converter writes it, holding the given twelve texts; the localised
// ones in English only.
std::string MakeEntry(const EntryProperties& p) {
  using P = EntryProperty;
  return "<cScenarioProperties d:id=\"187654321\">\n"
         "<UUID><e d:type=\"sUInt64\">7383445245961249331</e><e d:type=\"sUInt64\">1844</e>"
         "</UUID>\n<DevString d:type=\"cDeltaString\">00112233-4455</DevString>\n" +
         Localised("DisplayName", p[P::DisplayName]) + Localised("Description", p[P::Description]) +
         Localised("Briefing", p[P::Briefing]) +
         "<StartTime d:type=\"sFloat32\" d:alt_encoding=\"0000000000A0D840\" "
         "d:precision=\"string\">" +
         p[P::StartTime] + "</StartTime>\n<DurationMins d:type=\"sInt32\">" + p[P::DurationMins] +
         "</DurationMins>\n<StartDD d:type=\"sInt32\">" + p[P::StartDD] +
         "</StartDD><StartMM d:type=\"sInt32\">" + p[P::StartMM] +
         "</StartMM><StartYYYY d:type=\"sInt32\">" + p[P::StartYYYY] +
         "</StartYYYY>\n<ScenarioClass d:type=\"cDeltaString\">eStandardScenarioClass"
         "</ScenarioClass>\n<Season d:type=\"cDeltaString\">" +
         p[P::Season] +
         "</Season>\n<WeatherBlueprint><iBlueprintLibrary-cAbsoluteBlueprintID><BlueprintSetID>\n"
         "<iBlueprintLibrary-cBlueprintSetID><Provider d:type=\"cDeltaString\">" +
         p[P::Provider] + "</Provider>\n<Product d:type=\"cDeltaString\">" + p[P::Product] +
         "</Product></iBlueprintLibrary-cBlueprintSetID>\n</BlueprintSetID>"
         "<BlueprintID d:type=\"cDeltaString\">" +
         p[P::BlueprintID] +
         "</BlueprintID>\n</iBlueprintLibrary-cAbsoluteBlueprintID></WeatherBlueprint>\n"
         "<IsMultiplayer d:type=\"bool\">0</IsMultiplayer>\n</cScenarioProperties>";
}

EntryProperties LoadedValues() {
  return {{"Morning freight", "Take the vans to the yard.", "Couple up and go.", "25200", "60",
           "14", "6", "2008", "SEASON_SUMMER", "Kuju", "RailSimulator", "Weather\\Clear.xml"}};
}

EntryProperties TypedValues() {
  return {{"Evening run \xE9", "", "New briefing", "19800.0000", "90 ", "1", "12", "1999",
           "SEASON_WINTER", "Kuju", "RailSimulator", "Weather\\Fog.xml"}};
}

TEST(ReadEntryProperties, ReadsTwelveInOrder) {
  const Result<EntryProperties> read = ReadEntryProperties(MakeEntry(LoadedValues()));
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(*read, LoadedValues());
}

TEST(WriteEntryProperties, WritesTwelveAndLeavesTheRestAsItWas) {
  std::string entry = MakeEntry(LoadedValues());
  ASSERT_TRUE(WriteEntryProperties(entry, TypedValues()).ok());
  // Every localised language holds the typed text.
  EntryProperties expected = TypedValues();
  std::string all = MakeEntry(expected);
  for (const char* language : {"French", "Italian", "German", "Spanish"}) {
    const std::string empty = "<" + std::string(language) + " d:type=\"cDeltaString\"></";
    std::size_t from = 0;
    for (std::size_t i = 0; i < kLocalizedPropertyCount; ++i) {
      const std::size_t at = all.find(empty, from);
      ASSERT_NE(at, std::string::npos);
      all.insert(at + empty.size() - 2, expected.values[i]);
      from = at + empty.size() + expected.values[i].size();
    }
  }
  EXPECT_EQ(entry, all);
  EXPECT_EQ(*ReadEntryProperties(entry), TypedValues());
}

class MissingElementTest : public testing::TestWithParam<std::size_t> {};

// Each element in turn renamed away: reading names it; writing names it and changes nothing.
TEST_P(MissingElementTest, ReadAndWriteNameTheMissingElement) {
  const std::string name(kEntryPropertyNames[GetParam()]);
  std::string entry = MakeEntry(LoadedValues());
  const std::string opening =
      GetParam() < kLocalizedPropertyCount ? "<" + name + ">" : "<" + name + " ";
  std::size_t at = entry.find(opening);
  ASSERT_NE(at, std::string::npos);
  entry.replace(at + 1, name.size(), "Other");

  const Result<EntryProperties> read = ReadEntryProperties(entry);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.error().find(name), std::string::npos) << read.error();

  const std::string before = entry;
  const Status written = WriteEntryProperties(entry, TypedValues());
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find(name), std::string::npos) << written.error();
  EXPECT_EQ(entry, before);
}

INSTANTIATE_TEST_SUITE_P(EachProperty, MissingElementTest,
                         testing::Range<std::size_t>(0, kEntryPropertyCount),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                           return std::string(kEntryPropertyNames[info.param]);
                         });

TEST(WriteEntryProperties, EmptyFormElementIsReadEmptyButNeverWritten) {
  std::string entry = MakeEntry(LoadedValues());
  const std::string season = "<Season d:type=\"cDeltaString\">SEASON_SUMMER</Season>";
  entry.replace(entry.find(season), season.size(), "<Season d:type=\"cDeltaString\"/>");
  const Result<EntryProperties> read = ReadEntryProperties(entry);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ((*read)[EntryProperty::Season], "");
  EXPECT_EQ((*read)[EntryProperty::Provider], "Kuju");

  const std::string before = entry;
  const Status written = WriteEntryProperties(entry, TypedValues());
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("Season"), std::string::npos);
  EXPECT_EQ(entry, before);
}

TEST(WriteEntryProperties, ElementHoldingOtherElementsIsNeverWrittenThrough) {
  // A StartTime whose closing tag went missing: the search for it runs on to a later one, and
  // a write would swallow every property in between.
  std::string entry = MakeEntry(LoadedValues());
  const std::string close = "25200</StartTime>";
  entry.replace(entry.find(close), close.size(), "25200");
  entry += "<StartTime>1</StartTime>";
  const std::string before = entry;
  const Status written = WriteEntryProperties(entry, TypedValues());
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("StartTime"), std::string::npos) << written.error();
  EXPECT_EQ(entry, before);
}

struct TypeCase {
  const char* label;
  std::string entry;
  bool timetable;
};

class TimetableTest : public testing::TestWithParam<TypeCase> {};

TEST_P(TimetableTest, AnyCaseAnywhere) {
  EXPECT_EQ(IsTimetableEntry(GetParam().entry), GetParam().timetable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimetableTest,
    testing::Values(TypeCase{"class name", "<ScenarioClass>eTimeTableScenarioClass</x>", true},
                    TypeCase{"upper case", "TIMETABLE", true},
                    TypeCase{"in a display name", "<English>My timetable run</English>", true},
                    TypeCase{"standard", "<ScenarioClass>eStandardScenarioClass</x>", false},
                    TypeCase{"split word", "time table", false}),
    test::CaseName());

struct SwitchCase {
  const char* label;
  std::string entry;
  bool toTimetable;
  std::string expected;
};

class SwitchScenarioTypeTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchScenarioTypeTest, ReplacesInLowerCase) {
  std::string entry = GetParam().entry;
  SwitchScenarioType(entry, GetParam().toTimetable);
  EXPECT_EQ(entry, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwitchScenarioTypeTest,
    testing::Values(SwitchCase{"to standard", "<C>eTimeTableScenarioClass</C><E>TIMETABLE x</E>",
                               false, "<C>estandardScenarioClass</C><E>standard x</E>"},
                    SwitchCase{"to timetable", "<C>eStandardScenarioClass</C>Standard STANDARD",
                               true, "<C>etimetableScenarioClass</C>timetable timetable"},
                    SwitchCase{"nothing to switch", "<C>eFreeRoam</C>", true, "<C>eFreeRoam</C>"},
                    SwitchCase{"one pass, no rescan", "standardstandard", true,
                               "timetabletimetable"}),
    test::CaseName());

TEST(SwitchScenarioType, SwitchedEntryTestsAsTheNewType) {
  std::string entry = MakeEntry(LoadedValues());
  ASSERT_FALSE(IsTimetableEntry(entry));
  EXPECT_EQ(SwitchScenarioType(entry, true), 1u);
  EXPECT_TRUE(IsTimetableEntry(entry));
  EXPECT_EQ(SwitchScenarioType(entry, false), 1u);
  std::string expected = MakeEntry(LoadedValues());
  expected.replace(expected.find("eStandard"), 9, "estandard");
  EXPECT_EQ(entry, expected);
}

}  // namespace
}  // namespace fennick
