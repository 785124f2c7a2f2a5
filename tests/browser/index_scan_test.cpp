#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "browser/index_scan.h"

namespace fennick::browser {
namespace {

// One entry as the converter writes it: DevString, then a five-language name block.
std::string Entry(const std::string& folder, const std::string& english,
                  const std::string& french = "", const std::string& italian = "",
                  const std::string& german = "", const std::string& spanish = "") {
  return "<cRouteProperties d:id=\"1\">\r\n<ID><cGUID><DevString d:type=\"cDeltaString\">" +
         folder +
         "</DevString></cGUID></ID>\r\n<DisplayName><Localisation-cUserLocalisedString>\r\n"
         "<English d:type=\"cDeltaString\">" +
         english + "</English>\r\n<French d:type=\"cDeltaString\">" + french +
         "</French>\r\n<Italian d:type=\"cDeltaString\">" + italian +
         "</Italian>\r\n<German d:type=\"cDeltaString\">" + german +
         "</German>\r\n<Spanish d:type=\"cDeltaString\">" + spanish +
         "</Spanish>\r\n<Key d:type=\"cDeltaString\"></Key>\r\n"
         "</Localisation-cUserLocalisedString></DisplayName>\r\n</cRouteProperties>\r\n";
}

std::string Document(const std::string& entries) {
  return "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cRecordSet>\r\n<Record>\r\n" +
         entries + "</Record>\r\n</cRecordSet>\r\n";
}

struct Expected {
  std::string folder;
  std::string name;
  bool nameBlockMissing = false;
};

struct ScanCase {
  const char* name;
  std::string text;
  std::vector<Expected> entries;
  bool stopped = false;
};

// Test names carry the case; this keeps ctest's listing short.
void PrintTo(const ScanCase& c, std::ostream* os) {
  *os << c.name;
}

class IndexScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(IndexScanCases, FoldersAndNamesInDocumentOrder) {
  const ScanCase& c = GetParam();
  const IndexScan scan = ScanIndexEntries(c.text);
  ASSERT_EQ(scan.entries.size(), c.entries.size());
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(scan.entries[i].folderName, c.entries[i].folder);
    EXPECT_EQ(scan.entries[i].displayName, c.entries[i].name);
    EXPECT_EQ(scan.entries[i].nameBlockMissing, c.entries[i].nameBlockMissing);
  }
  EXPECT_EQ(scan.stoppedAtUnclosedDevString, c.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Scan, IndexScanCases,
    ::testing::Values(
        ScanCase{"Order",
                 Document(Entry("Route C", "Gamma") + Entry("Route A", "Alpha") +
                          Entry("Route B", "Beta")),
                 {{"Route C", "Gamma"}, {"Route A", "Alpha"}, {"Route B", "Beta"}}},
        ScanCase{"FrenchWhenEnglishEmpty",
                 Document(Entry("r1", "", "Ligne") + Entry("r2", "Line", "Ligne")),
                 {{"r1", "Ligne"}, {"r2", "Line"}}},
        ScanCase{"ItalianGermanSpanishInTurn",
                 Document(Entry("it", "", "", "Linea", "Strecke", "Linea ES") +
                          Entry("de", "", "", "", "Strecke", "Linea ES") +
                          Entry("es", "", "", "", "", "Linea ES")),
                 {{"it", "Linea"}, {"de", "Strecke"}, {"es", "Linea ES"}}},
        ScanCase{"AllFiveEmptyGiveAnEmptyName", Document(Entry("quiet", "")), {{"quiet", ""}}},
        ScanCase{"TagsInAnyLetterCase",
                 "<devstring>lower</DEVSTRING><english>Low</ENGLISH>"
                 "<DEVSTRING d:type=\"x\">upper</devString><ENGLISH>Up</english>",
                 {{"lower", "Low"}, {"upper", "Up"}}},
        ScanCase{"EntryWithoutNamesDoesNotBorrowTheNextName",
                 Document("<cRouteProperties><ID><DevString>bare</DevString></ID>"
                          "</cRouteProperties>\r\n" +
                          Entry("named", "Named Route")),
                 {{"bare", "", true}, {"named", "Named Route"}}},
        ScanCase{"LastEntryWithoutNames",
                 Document(Entry("first", "First") + "<DevString>last</DevString>"),
                 {{"first", "First"}, {"last", "", true}}},
        ScanCase{"EnglishPresentOthersMissing",
                 "<DevString>x</DevString><English>Only</English>",
                 {{"x", "Only"}}},
        ScanCase{"EmptyEnglishAndNoFrench",
                 "<DevString>x</DevString><English></English>",
                 {{"x", "", true}}},
        ScanCase{"NoClosingTagAtAll",
                 Document(Entry("kept", "Kept") + "<DevString>lost"),
                 {{"kept", "Kept"}},
                 true},
        ScanCase{"NoDevString", Document("<Other>text</Other>"), {}},
        ScanCase{"EmptyText", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IndexScan, FiftyTwoAndMoreEntriesWithoutAFixedCapacity) {
  for (int count : {50, 51, 52, 53, 160}) {
    SCOPED_TRACE(count);
    std::string entries;
    for (int i = 0; i < count; ++i) {
      entries += Entry("folder" + std::to_string(i), "Name " + std::to_string(i));
    }
    const IndexScan scan = ScanIndexEntries(Document(entries));
    ASSERT_EQ(scan.entries.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(scan.entries.back().folderName, "folder" + std::to_string(count - 1));
    EXPECT_EQ(scan.entries.back().displayName, "Name " + std::to_string(count - 1));
  }
}

}  // namespace
}  // namespace fennick::browser
