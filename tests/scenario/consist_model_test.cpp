#include "scenario/consist_model.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "scenario/consist_locate.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

TEST(FindConsistEnds, ListingTextsRunFromOneClosingTagToTheNext) {
  const std::string text =
      "<h><cConsist>a</cConsist>\n<cConsist>b</CCONSIST><cConsist>c</cConsist>";
  const std::vector<Pos> ends = FindConsistEnds(text);
  ASSERT_EQ(ends.size(), 4u);
  EXPECT_EQ(ConsistListingText(text, ends, 0), "<h><cConsist>a");
  EXPECT_EQ(ConsistListingText(text, ends, 1), "</cConsist>\n<cConsist>b");
  EXPECT_EQ(ConsistListingText(text, ends, 2), "</CCONSIST><cConsist>c");
  EXPECT_EQ(ConsistListingText(text, ends, 3), "");
  EXPECT_EQ(FindConsistEnds("no consists"), std::vector<Pos>{1});
}

std::string Read(const std::string& consist) {
  const Result<ConsistSummary> summary = ReadConsist(consist);
  if (!summary) return "error:" + summary.error();
  std::string shown = summary->caption + (summary->driven ? "|yes|" : "|no|");
  for (const VehicleFields& v : summary->vehicles) {
    if (&v != &summary->vehicles.front()) shown += ";";
    shown += v.name + "," + v.blueprint + "," + v.flipped + "," + v.preloaded + "," +
             (v.loadable ? "yes" : "no") + "," + v.provider + "," + v.product;
  }
  // The one scan that lists every consist reads the vehicles as ReadVehicles does.
  return summary->vehicles == *ReadVehicles(consist) ? shown : "differs from ReadVehicles";
}

// The block found: its name when it runs from "<cOwnedEntity" through "</cOwnedEntity>".
std::string Locate(const std::string& text, std::size_t c, const std::string& row) {
  const bool whole = row == "-";
  const std::optional<TextRange> range =
      whole ? LocateConsist(text, c) : LocateVehicle(text, c, std::stoul(row));
  if (!range) return "-";
  const std::string_view block = range->In(text);
  const std::string open = whole ? "<cConsist" : "<cOwnedEntity";
  const std::string close = whole ? "</cConsist>" : "</cOwnedEntity>";
  if (!block.starts_with(open) || !block.ends_with(close)) return std::string(block);
  if (whole) return "consist " + std::to_string(CountVehicleBlocks(text, c));
  const std::size_t name = block.find("\">", block.find("<Name ")) + 2;
  return std::string(block.substr(name, block.find('<', name) - name));
}

// tests/data/consist_listing/cases.txt
TEST(ConsistListing, ReadAndLocateAsTheCasesSay) {
  const std::string folder = FENNICK_TEST_DATA_DIR "/consist_listing/";
  std::ifstream file(folder + "locate.xml", std::ios::binary);
  const std::string document((std::istreambuf_iterator<char>(file)), {});
  const auto cases = test::ReadCaseFile(folder + "cases.txt");
  ASSERT_GT(cases.size(), 30u);
  for (const test::CaseLine& line : cases) {
    const auto& f = line.fields;
    const std::string got = f[0] == "read" ? Read(f[1]) : Locate(document, std::stoul(f[1]), f[2]);
    const bool named = f.back().starts_with("error:") && got.starts_with("error:") &&
                       got.find(f.back().substr(6)) != std::string::npos;
    EXPECT_EQ(named ? f.back() : got, f.back()) << "line " << line.lineNumber;
  }
}

}  // namespace
}  // namespace fennick
