#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>
#include <string>

#include "tools/sample_install/delta_xml_writer.h"
#include "tools/sample_install/guid_numbers.h"
#include "tools/sample_install/windows1252.h"

namespace fennick::sample {
namespace {

struct CodePageCase {
  const char* name;
  std::string utf8;
  std::string expected;
};

void PrintTo(const CodePageCase& c, std::ostream* os) {
  *os << c.name;
}

class CodePageText : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageText, BecomesSingleBytes) {
  EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodePageText,
    ::testing::Values(CodePageCase{"Ascii", "Holtby Yard\r\n", "Holtby Yard\r\n"},
                      CodePageCase{"Latin1", "Côte d'Émeraude", "C\xF4te d'\xC9meraude"},
                      CodePageCase{"EnDash", "Bridge – Holtby", "Bridge \x96 Holtby"},
                      CodePageCase{"Euro", "€5",
                                   "\x80"
                                   "5"},
                      CodePageCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePageText, RefusesCharactersOutsideTheCodePage) {
  EXPECT_THROW(Utf8ToWindows1252("Ω"), std::invalid_argument);
  EXPECT_THROW(Utf8ToWindows1252("\xE9t\xE9"), std::invalid_argument);  // not UTF-8
}

struct GuidCase {
  const char* name;
  const char* guid;
  const char* first;
  const char* second;
};

void PrintTo(const GuidCase& c, std::ostream* os) {
  *os << c.name;
}

class GuidText : public ::testing::TestWithParam<GuidCase> {};

TEST_P(GuidText, GivesTheTwoStoredNumbers) {
  const UuidNumbers numbers = UuidNumbersOf(GetParam().guid);
  EXPECT_EQ(numbers.first, GetParam().first);
  EXPECT_EQ(numbers.second, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, GuidText,
                         ::testing::Values(
                             // 6677445500112233 and FFEEDDCCBBAA9988 in hexadecimal.
                             GuidCase{"Documented", "00112233-4455-6677-8899-AABBCCDDEEFF",
                                      "7383445245961249331", "18441921395520346504"},
                             GuidCase{"LowerCase", "00112233-4455-6677-8899-aabbccddeeff",
                                      "7383445245961249331", "18441921395520346504"},
                             GuidCase{"LeadingZeros", "00000001-0000-0000-0100-000000000000", "1",
                                      "1"},
                             GuidCase{"Zero", "00000000-0000-0000-0000-000000000000", "0", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GuidText, RefusesMalformedText) {
  EXPECT_THROW(UuidNumbersOf("00112233445566778899AABBCCDDEEFF"), std::invalid_argument);
  EXPECT_THROW(UuidNumbersOf("0011223G-4455-6677-8899-AABBCCDDEEFF"), std::invalid_argument);
}

TEST(FloatAltEncoding, IsTheDoubleBytesInMemoryOrder) {
  EXPECT_EQ(FloatAltEncoding(25200), "00000000009CD840");
  EXPECT_EQ(FloatAltEncoding(1), "000000000000F03F");
  EXPECT_EQ(FloatAltEncoding(0), "0000000000000000");
}

TEST(DeltaXmlWriter, FinishesInTheConvertersCodePageWithCrLf) {
  DeltaXmlWriter xml(41503660);
  xml.OpenRoot("cRecordSet", true);
  xml.OpenWithId("cScenarioProperties", 187654321);
  xml.Localised("DisplayName", {.french = "Été"});
  xml.Float("StartTime", "25200.0000");
  xml.Close("cScenarioProperties");
  xml.Close("cRecordSet");
  const std::string text = xml.Finish();

  std::size_t lineFeeds = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    ++lineFeeds;
    EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
  }
  EXPECT_EQ(lineFeeds, 16u);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_NE(text.find("d:version=\"1.0\" d:id=\"41503660\">\r\n"), std::string::npos);
  EXPECT_NE(text.find(">\xC9t\xE9</French>"), std::string::npos);
  EXPECT_NE(text.find("d:alt_encoding=\"00000000009CD840\" d:precision=\"string\">25200.0000<"),
            std::string::npos);

  // The element number starts at character 28 of the entry (1-based).
  const std::string entry = text.substr(text.find("<cScenarioProperties"));
  EXPECT_EQ(entry.substr(27, 9), "187654321");

  const std::size_t english = text.find("<English");
  const std::size_t key = text.find("<Key");
  for (const char* language : {"<French", "<Italian", "<German", "<Spanish"}) {
    EXPECT_GT(text.find(language), english) << language;
    EXPECT_LT(text.find(language), key) << language;
  }
}

TEST(DeltaXmlWriter, RefusesToFinishWithOpenElements) {
  DeltaXmlWriter xml(1);
  xml.OpenRoot("cRecordSet", false);
  EXPECT_THROW(xml.Finish(), std::logic_error);
}

}  // namespace
}  // namespace fennick::sample
