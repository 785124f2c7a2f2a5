#include "tools/serz_format/binary_form.h"

#include <gtest/gtest.h>

#include <ostream>

#include <set>
#include <string>

namespace fennick::serz {
namespace {

std::string AllByteValues() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  return bytes;
}

std::string RealisticIndex() {
  std::string entry =
      "\t\t<cScenarioProperties d:id=\"187654321\">\r\n"
      "\t\t\t<DevString "
      "d:type=\"cDeltaString\">0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301</DevString>\r\n"
      "\t\t\t<English d:type=\"cDeltaString\">Ligne de la C\xF4te d'\xC9meraude</English>\r\n"
      "\t\t</cScenarioProperties>\r\n";
  std::string text = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cRecordSet>\r\n";
  for (int i = 0; i < 40; ++i) text += entry;
  return text + "</cRecordSet>\r\n";
}

struct RoundTripCase {
  const char* name;
  std::string plain;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
  *os << c.name;
}

class BinaryFormRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(BinaryFormRoundTrip, DecodesToTheExactBytesEncoded) {
  const std::string& plain = GetParam().plain;
  const std::string binary = EncodeToBinary(plain);

  EXPECT_TRUE(HasBinaryMagic(binary));
  EXPECT_EQ(binary.size(), kBinaryHeaderSize + plain.size());
  const DecodedText decoded = DecodeFromBinary(binary);
  ASSERT_TRUE(decoded.ok()) << decoded.error;
  EXPECT_EQ(decoded.text, plain);
  // Encoding is deterministic, so .bin -> XML -> .bin gives the same file back.
  EXPECT_EQ(EncodeToBinary(decoded.text), binary);
}

INSTANTIATE_TEST_SUITE_P(
    TrickyInputs, BinaryFormRoundTrip,
    ::testing::Values(
        RoundTripCase{"Empty", ""}, RoundTripCase{"CrLfLineEnds", "<a>\r\n<b/>\r\n</a>\r\n"},
        RoundTripCase{"LoneCrAndLf", "\r\r\n\n\r"},
        RoundTripCase{"BytesAbove127", "caf\xE9 \x96 \x80\xFF\xF4"},
        RoundTripCase{"EveryByteValue", AllByteValues()},
        RoundTripCase{"EmbeddedNul", std::string("a\0b\0", 4)},
        RoundTripCase{"StartsLikeTheMagicButIsXml", "SERZ<?xml version=\"1.0\"?><a/>"},
        RoundTripCase{"SevenOfTheEightMagicBytes",
                      std::string(kBinaryMagic.substr(0, 7)) + "<?xml version=\"1.0\"?>"},
        RoundTripCase{"LongerThanTheKeyCycle", RealisticIndex()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BinaryForm, HidesEveryTagNameOfTheText) {
  const std::string binary = EncodeToBinary(RealisticIndex());
  for (const char* visible : {"<?xml", "<cScenarioProperties", "DevString", "English", "</",
                              "cRecordSet", "0a3f5e71", "d:id"}) {
    EXPECT_EQ(binary.find(visible), std::string::npos) << visible;
  }
}

TEST(BinaryForm, SameByteAtDifferentPlacesScramblesDifferently) {
  const std::string body = EncodeToBinary(std::string(256, '<')).substr(kBinaryHeaderSize);
  EXPECT_EQ(std::set<char>(body.begin(), body.end()).size(), 256u);
}

TEST(BinaryForm, OnlyTheFullMagicMarksTheBinaryForm) {
  EXPECT_TRUE(HasBinaryMagic(std::string(kBinaryMagic) + "rest"));
  EXPECT_FALSE(HasBinaryMagic(kBinaryMagic.substr(0, 7)));
  EXPECT_FALSE(HasBinaryMagic("SERZ<?xml"));
  EXPECT_FALSE(HasBinaryMagic(""));
}

struct DamageCase {
  const char* name;
  std::string (*damage)(std::string);
};

void PrintTo(const DamageCase& c, std::ostream* os) {
  *os << c.name;
}

class DamagedBinary : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedBinary, IsRefusedWithAReason) {
  const std::string damaged = GetParam().damage(EncodeToBinary("<a>some text</a>\r\n"));
  const DecodedText decoded = DecodeFromBinary(damaged);
  EXPECT_FALSE(decoded.ok());
  EXPECT_FALSE(decoded.error.empty());
  EXPECT_TRUE(decoded.text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedBinary,
    ::testing::Values(DamageCase{"HeaderCut", [](std::string b) { return b.substr(0, 12); }},
                      DamageCase{"BodyCut",
                                 [](std::string b) { return b.substr(0, b.size() - 3); }},
                      DamageCase{"ByteAppended", [](std::string b) { return b + "x"; }},
                      DamageCase{"BodyByteChanged",
                                 [](std::string b) {
                                   b[kBinaryHeaderSize + 4] =
                                       static_cast<char>(b[kBinaryHeaderSize + 4] ^ 1);
                                   return b;
                                 }},
                      DamageCase{"NoMagic", [](std::string b) { return "X" + b.substr(1); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::serz
