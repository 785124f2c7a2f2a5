// A scenario's index entry, from tests/data/scenario_entry: loaded.xml holds the twelve texts
// of properties.txt's first line; written.xml is it after writing the second line's.
#include "scenario/scenario_entry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "scenario/index_cut.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

const std::string kFolder = FENNICK_TEST_DATA_DIR "/scenario_entry/";

std::string Entry(const std::string& name) {
  std::ifstream file(kFolder + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

EntryProperties Properties(std::size_t line) {
  const auto lines = test::ReadCaseFile(kFolder + "properties.txt");
  EntryProperties properties;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i)
    properties.values[i] = lines.at(line).fields.at(i + 1);
  return properties;
}

TEST(EntryProperties, ReadTwelveInOrderAndWriteThemLeavingTheRestAsItWas) {
  const EntryProperties loaded = Properties(0), typed = Properties(1);
  const Result<EntryProperties> read = ReadEntryProperties(Entry("loaded.xml"));
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(*read, loaded);
  // The briefing grows well past where its block ended, the description empties, the start
  // time shrinks by more than its closing tag.
  std::string entry = Entry("loaded.xml");
  ASSERT_TRUE(WriteEntryProperties(entry, typed).ok());
  EXPECT_EQ(entry, Entry("written.xml"));
  EXPECT_EQ(*ReadEntryProperties(entry), typed);

  // Cut out of an index, the entry comes with exactly the bytes around it.
  const Result<IndexCut> cut =
      CutScenarioEntry("<Index>" + Entry("loaded.xml") + "<Next/>", "00112233-4455");
  ASSERT_TRUE(cut.ok()) << cut.error();
  EXPECT_EQ(cut->head + "|" + cut->entry + "|" + cut->tail,
            "<Index>|" + Entry("loaded.xml") + "|<Next/>");
}

// Each element renamed away, <Season/> in the empty form, and a StartTime without its closing
// tag (its search would reach a later one and a write would swallow every property between):
// the write fails naming the element and changes nothing; a missing element fails the read too.
TEST(EntryProperties, BrokenElementIsNamedAndNothingIsWritten) {
  std::vector<std::pair<std::string, std::string>> broken;
  for (std::size_t i = 0; i < kEntryPropertyCount; ++i) {
    const std::string name(kProperties[i].element);
    std::string entry = Entry("loaded.xml");
    entry.replace(entry.find("<" + name + (i < 3 ? ">" : " ")) + 1, name.size(), "Other");
    const Result<EntryProperties> read = ReadEntryProperties(entry);
    ASSERT_FALSE(read.ok()) << name;
    EXPECT_NE(read.error().find(name), std::string::npos) << read.error();
    broken.emplace_back(entry, name);
  }
  std::string entry = Entry("loaded.xml");
  entry.replace(entry.find("SEASON_SUMMER</Season>") - 1, 23, "/>");
  const Result<EntryProperties> read = ReadEntryProperties(entry);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ((*read)[EntryProperty::Season], "");
  EXPECT_EQ((*read)[EntryProperty::Provider], "Kuju");
  broken.emplace_back(entry, "Season");
  entry = Entry("loaded.xml");
  entry.erase(entry.find("</StartTime>"), 12);
  broken.emplace_back(entry + "<StartTime>1</StartTime>", "StartTime");

  for (auto [entry, name] : broken) {
    const std::string before = entry;
    const Status written = WriteEntryProperties(entry, Properties(1));
    ASSERT_FALSE(written.ok()) << name;
    EXPECT_NE(written.error().find(name), std::string::npos) << written.error();
    EXPECT_EQ(entry, before);
  }
}

}  // namespace
}  // namespace fennick
