#include "scenario/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace fennick {
namespace {

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Reference: the plain definition, byte by byte.
Pos PlainFind(const std::string& text, const std::string& needle, Pos from) {
  if (from < 1 || from > text.size() || needle.empty()) return 0;
  for (std::size_t i = from - 1; i + needle.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && Fold(text[i + k]) == Fold(needle[k])) ++k;
    if (k == needle.size()) return i + 1;
  }
  return 0;
}

// The block-wise scans have edges every 16 bytes; sweep texts and starts across them. '@' and '`'
// (and 0x0F and '/') differ only in bit 0x20 but are not letters; bytes above 127 never fold.
TEST(FindNoCase, AgreesWithPlainSearchAcrossBlockEdges) {
  std::mt19937 random(7);
  const std::string alphabet = "<</>aAnNcC@`\x0f\xCE\xC9\xE9";
  auto randomText = [&](std::size_t size) {
    std::string text(size, ' ');
    for (char& ch : text) ch = alphabet[random() % alphabet.size()];
    return text;
  };
  const std::string wanted = "nc/";
  for (int round = 0; round < 5000; ++round) {
    const std::string text = randomText(random() % 70);
    const std::string needle = randomText(1 + random() % 5);
    const Pos from = random() % (text.size() + 2);
    ASSERT_EQ(FindNoCase(text, needle, from), PlainFind(text, needle, from))
        << "text=" << text << " needle=" << needle << " from=" << from;
    // A tag scan stops only at a "<" followed by a wanted byte, letters in either case.
    Pos tag = 0;
    for (std::size_t i = from == 0 ? text.size() : from - 1; tag == 0 && i + 1 < text.size(); ++i) {
      if (text[i] == '<' && wanted.find(Fold(text[i + 1])) != std::string::npos) tag = i + 1;
    }
    ASSERT_EQ(FindTagStart(text, from, TagStartSet(wanted)), tag) << "text=" << text;
  }
  EXPECT_EQ(FindNoCase("abc", "", 1), 0u);
  EXPECT_EQ(FindNoCase(std::string(1000, '<') + "<StartTime>", "<starttime", 1), 1001u);
}

}  // namespace
}  // namespace fennick
