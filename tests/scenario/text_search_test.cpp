#include "scenario/text_search.h"
#include "scenario/tag_starts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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
    std::string needle = randomText(1 + random() % 5);
    // Longer needles are compared a word at a time: take them from the text, some bytes flipped
    // in bit 0x20, so that they match (letters) or must not ('@' and '`', 0x0F and '/').
    if (round % 2 == 1 && text.size() > 16) {
      const std::size_t start = random() % (text.size() - 16);
      needle = text.substr(start, 4 + random() % 13);
      for (char& ch : needle) {
        if (random() % 4 == 0) ch = static_cast<char>(ch ^ 0x20);
      }
    }
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

// Two-letter starts and closing tags, every scan width, across the 16- and 32-byte steps and the
// classified blocks: each stop as the plain definition makes it, one after another as a listing
// scan asks for them.
TEST(TagStarts, EveryWidthStopsWhereThePlainDefinitionDoes) {
  std::mt19937 random(11);
  const std::string pieces[] = {"<",    "</",   "<Na", "<nu", "<cO", "<Co", "</cC",
                                "</CO", "</cX", "<iS", "<In", "<ic", "<pL", "<pR",
                                "<pb",  "<b",   "<x",  "a",   "  ",  "\xC9"};
  const TagStartSet wanted({"na", "co", "is", "in", "pl", "pr", "b"}, {"co", "cc"});
  const auto plainStop = [](const std::string& t, std::size_t i) {
    if (t[i] != '<' || i + 1 >= t.size()) return false;
    const auto folded = [&](std::size_t k) { return k < t.size() ? Fold(t[k]) : '\0'; };
    const std::string two{folded(i + 1), folded(i + 2)};
    if (two[0] == '/') {
      const std::string closing{folded(i + 2), folded(i + 3)};
      return closing == "co" || closing == "cc";
    }
    return two[0] == 'b' || two == "na" || two == "co" || two == "is" || two == "in" ||
           two == "pl" || two == "pr";
  };
  for (int round = 0; round < 400; ++round) {
    std::string text;
    const std::size_t pieceCount = random() % (round % 10 == 0 ? 3000 : 60);
    for (std::size_t k = 0; k < pieceCount; ++k) text += pieces[random() % std::size(pieces)];
    std::vector<Pos> expected;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (plainStop(text, i)) expected.push_back(i + 1);
    }
    for (ScanWidth width : {ScanWidth::kWidest, ScanWidth::k16, ScanWidth::k1}) {
      TagStarts starts(text, wanted, width);
      std::vector<Pos> found;
      for (Pos at = starts.Find(1); at != kNotFound; at = starts.Find(at + 1)) found.push_back(at);
      ASSERT_EQ(found, expected) << "width " << static_cast<int>(width) << " text=" << text;
      const Pos from = random() % (text.size() + 2);
      const auto next = std::lower_bound(expected.begin(), expected.end(), from);
      ASSERT_EQ(FindTagStart(text, from, wanted, width),
                from == 0 || next == expected.end() ? kNotFound : *next);
    }
  }
}

}  // namespace
}  // namespace fennick
