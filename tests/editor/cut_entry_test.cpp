#include <gtest/gtest.h>

#include "browser/open_scenario.h"

namespace fennick {
namespace {

const std::string kIndex =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<cRecordSet>\r\n"
    "<cScenarioProperties d:id=\"11111\"><DevString>AAA-1</DevString><Briefing>see BBB-2</Briefing>"
    "</cScenarioProperties>\r\n"
    "<cScenarioProperties d:id=\"22222\"><DevString>BBB-2</DevString></cScenarioProperties>\r\n"
    "<CSCENARIOPROPERTIES d:id=\"33333\"><DevString>ccc-3</DevString></cscenarioproperties>\r\n"
    "</cRecordSet>";

TEST(CutScenarioEntry, PiecesJoinBackToTheIndex) {
  struct Case {
    const char* folder;
    const char* entryStartsWith;
    const char* entryEndsWith;
  };
  const Case cases[] = {
      {"AAA-1", "<cScenarioProperties d:id=\"11111\">", "</cScenarioProperties>"},
      // The first occurrence of the name anywhere decides, even inside another entry's text.
      {"BBB-2", "<cScenarioProperties d:id=\"11111\">", "</cScenarioProperties>"},
      {"CCC-3", "<CSCENARIOPROPERTIES d:id=\"33333\">", "</cscenarioproperties>"},
  };
  for (const Case& c : cases) {
    auto cut = CutScenarioEntry(kIndex, c.folder);
    ASSERT_TRUE(cut.ok()) << c.folder << ": " << cut.error();
    EXPECT_EQ(cut->head + cut->entry + cut->tail, kIndex);
    EXPECT_EQ(cut->entry.rfind(c.entryStartsWith, 0), 0u) << c.folder;
    EXPECT_EQ(cut->entry.substr(cut->entry.size() - 22), c.entryEndsWith) << c.folder;
  }
}

TEST(CutScenarioEntry, MissingOrBrokenEntriesAreErrors) {
  EXPECT_FALSE(CutScenarioEntry(kIndex, "DDD-4").ok());
  EXPECT_FALSE(CutScenarioEntry(kIndex, "").ok());
  EXPECT_FALSE(CutScenarioEntry("<DevString>AAA-1</DevString>", "AAA-1").ok());
  EXPECT_FALSE(CutScenarioEntry("<cScenarioProperties><DevString>AAA-1</DevString>", "AAA-1").ok());
  // A name in front of every entry has no entry around it.
  EXPECT_FALSE(CutScenarioEntry("AAA-1 <cScenarioProperties></cScenarioProperties>", "AAA-1").ok());
}

}  // namespace
}  // namespace fennick
