// The sample generator's text helpers: code page, GUID numbers and the converter's XML layout.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "tools/sample_install/delta_xml_writer.h"
#include "tools/sample_install/guid_numbers.h"
#include "tools/sample_install/windows1252.h"

namespace fennick::sample {
namespace {

TEST(Windows1252, TurnsUtf8IntoSingleBytesAndRefusesWhatItCannotHold) {
  const std::pair<std::string, std::string> cases[] = {{"", ""},
                                                       {"Holtby Yard\r\n", "Holtby Yard\r\n"},
                                                       {"Côte d'Émeraude", "C\xF4te d'\xC9meraude"},
                                                       {"Bridge – Holtby €5",
                                                        "Bridge \x96 Holtby \x80"
                                                        "5"}};
  for (const auto& [utf8, expected] : cases) EXPECT_EQ(Utf8ToWindows1252(utf8), expected) << utf8;
  EXPECT_THROW(Utf8ToWindows1252("Ω"), std::invalid_argument);
  EXPECT_THROW(Utf8ToWindows1252("\xE9t\xE9"), std::invalid_argument);  // not UTF-8
}

TEST(GuidNumbers, AreBothHalvesOfTheGuidsMemoryLayoutAsDecimalNumbers) {
  // The GUID text and its two numbers: 6677445500112233 and FFEEDDCCBBAA9988 in hexadecimal.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"00112233-4455-6677-8899-AABBCCDDEEFF", "7383445245961249331", "18441921395520346504"},
      {"00112233-4455-6677-8899-aabbccddeeff", "7383445245961249331", "18441921395520346504"},
      {"00000001-0000-0000-0100-000000000000", "1", "1"}};
  for (const auto& [guid, first, second] : cases) {
    const UuidNumbers numbers = UuidNumbersOf(guid);
    EXPECT_EQ(numbers.first, first) << guid;
    EXPECT_EQ(numbers.second, second) << guid;
  }
  EXPECT_THROW(UuidNumbersOf("00112233445566778899AABBCCDDEEFF"), std::invalid_argument);
  EXPECT_THROW(UuidNumbersOf("0011223G-4455-6677-8899-AABBCCDDEEFF"), std::invalid_argument);
}

TEST(DeltaXmlWriter, WritesTheConvertersLayoutInItsCodePageAndRefusesOpenElements) {
  DeltaXmlWriter xml(41503660);
  xml.OpenRoot("cRecordSet", true);
  xml.Value("Name", "cDeltaString", "Été");
  xml.Float("StartTime", "25200.0000");
  xml.Close("cRecordSet");
  EXPECT_EQ(
      xml.Finish(),
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cRecordSet "
      "xmlns:d=\"http://www.kuju.com/TnT/2003/Delta\" d:version=\"1.0\" d:id=\"41503660\">\r\n"
      "\t<Name d:type=\"cDeltaString\">\xC9t\xE9</Name>\r\n\t<StartTime d:type=\"sFloat32\" "
      "d:alt_encoding=\"00000000009CD840\" d:precision=\"string\">25200.0000</StartTime>\r\n"
      "</cRecordSet>\r\n");

  DeltaXmlWriter unfinished(1);
  unfinished.OpenRoot("cRecordSet", false);
  EXPECT_THROW(unfinished.Finish(), std::logic_error);
}

}  // namespace
}  // namespace fennick::sample
