#include <gtest/gtest.h>

#include "bridge/identifier.h"

namespace fennick {
namespace {

TEST(Identifier, ThreeFormsOfOneGuid) {
  struct Case {
    const char* guid;
    const char* text;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {"{00112233-4455-6677-8899-aabbccddeeff}", "00112233-4455-6677-8899-AABBCCDDEEFF",
       "7383445245961249331", "18441921395520346504"},
      // Leading zeros of a small first group stay in the text and inside the first number.
      {"{0000000a-0001-0002-0000-000000000001}", "0000000A-0001-0002-0000-000000000001",
       "562954248388618", "72057594037927936"},
  };
  for (const Case& c : cases) {
    const IdentifierText id = IdentifierFromGuid(QUuid(QString(c.guid)));
    EXPECT_EQ(id.text, c.text);
    EXPECT_EQ(id.text.size(), 36);
    EXPECT_EQ(id.firstNumber, c.first);
    EXPECT_EQ(id.secondNumber, c.second);
  }
}

TEST(Identifier, NewOnesDifferAndAreWellFormed) {
  const IdentifierText a = NewIdentifierText();
  const IdentifierText b = NewIdentifierText();
  EXPECT_NE(a.text, b.text);
  EXPECT_EQ(QUuid(a.text).toString(QUuid::WithoutBraces).toUpper(), a.text);
}

TEST(Identifier, NullGuidGivesEmptyTextAndZeros) {
  const IdentifierText id = IdentifierFromGuid(QUuid());
  EXPECT_TRUE(id.text.isEmpty());
  EXPECT_EQ(id.firstNumber, "0");
  EXPECT_EQ(id.secondNumber, "0");
}

TEST(HexToDecimalText, DigitsOfEitherCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"ff", "255"},
      {"FF", "255"},
      {"1F", "31"},
      {"", "0"},
      {"1G", ""},
      {"-1", ""},
      {"FFFFFFFFFFFFFFFF", "18446744073709551615"},
      {"FFFFFFFFFFFFFFFFFFFFFFFF", "79228162514264337593543950335"},  // 96 bits
      {"10000000000000000", "18446744073709551616"},                  // carry past 64 bits
      {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", "340282366920938463463374607431768211455"},
      {"100000000000000000000000000000000", ""},  // more than 128 bits
  };
  for (const auto& [hex, decimal] : cases) EXPECT_EQ(HexToDecimalText(hex), decimal) << hex;
}

}  // namespace
}  // namespace fennick
