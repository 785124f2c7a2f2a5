#include "scenario/element_finder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct SpanCase {
  const char* label;
  std::string text;
  std::string name;
  TagStatus status;
  // Markers: unique text beginning at open, openEnd and close; empty for 0.
  std::string open, openEnd, close;
};

class ElementFinderTest : public testing::TestWithParam<SpanCase> {};

Pos MarkerAt(const std::string& text, const std::string& marker) {
  return marker.empty() ? 0 : text.find(marker) + 1;
}

TEST_P(ElementFinderTest, LocatesTheParts) {
  const SpanCase& c = GetParam();
  const ElementSpan span = ElementFinder(c.name).Find(c.text, 1);
  EXPECT_EQ(span.status, c.status);
  EXPECT_EQ(span.open, MarkerAt(c.text, c.open));
  EXPECT_EQ(span.openEnd, MarkerAt(c.text, c.openEnd));
  EXPECT_EQ(span.close, MarkerAt(c.text, c.close));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElementFinderTest,
    testing::Values(
        SpanCase{"paired", "x<Flipped d:type=\"bool\">1</Flipped>", "Flipped", TagStatus::kFound,
                 "<Flipped", ">1", "</Flipped"},
        SpanCase{"empty form", "x<InitialLevel/><InitialLevel>2</InitialLevel>", "InitialLevel",
                 TagStatus::kEmptyForm, "<InitialLevel/", "><InitialLevel>2", ""},
        SpanCase{"empty form with attribute", "<Name d:type=\"x\"/>", "Name", TagStatus::kEmptyForm,
                 "<Name", ">", ""},
        SpanCase{"slash inside attribute value", "<Name d:a=\"a/\">v</Name>", "Name",
                 TagStatus::kFound, "<Name", ">v", "</Name"},
        SpanCase{"no closing", "<Name>v</Other>", "Name", TagStatus::kUnclosed, "<Name", ">v", ""},
        SpanCase{"no tag end", "<Name", "Name", TagStatus::kUnclosed, "<Name", "", ""},
        SpanCase{"absent", "<Other/>", "Name", TagStatus::kNotFound, "", "", ""}),
    test::CaseName());

TEST(ElementSpan, TextIsBetweenTagEndAndClosingTag) {
  const std::string text = "<a b=\"1\">\xE9text</a>";
  const ElementSpan span = ElementFinder("a").Find(text, 1);
  ASSERT_EQ(span.status, TagStatus::kFound);
  EXPECT_EQ(span.Text(text), "\xE9text");
}

}  // namespace
}  // namespace fennick
