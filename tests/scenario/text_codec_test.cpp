#include "scenario/text_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "scenario/xml_text.h"

namespace fennick {
namespace {

constexpr TextEncoding kLatin = TextEncoding::kWindows1252;
constexpr TextEncoding kUtf8 = TextEncoding::kUtf8;

TEST(DocumentEncoding, FollowsTheXmlDeclarationOnly) {
  const std::pair<const char*, TextEncoding> cases[] = {
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", kUtf8},
      {"<?xml encoding = 'utf-8' ?>", kUtf8},
      {"\xEF\xBB\xBF<?xml encoding=\"UTF-8\"?>", kUtf8},
      {"<?xml encoding=\"ISO-8859-1\"?>", kLatin},
      {"<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>", kLatin},
      {"<cRecordSet encoding=\"UTF-8\">", kLatin},
      {"<?xml encoding=\"UTF-8", kLatin}};
  for (const auto& [document, encoding] : cases) {
    EXPECT_EQ(DocumentEncoding(document), encoding) << document;
  }
}

TEST(ShowText, DecodesTheDocumentsEncodingThenReferences) {
  const std::tuple<const char*, TextEncoding, const char*> cases[] = {
      {"Van 1", kLatin, "Van 1"},
      {"Caf\xE9 Gro\xDF", kLatin, "Caf\xC3\xA9 Gro\xC3\x9F"},
      {"\x80\x93\x94", kLatin, "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"},
      {"\x81", kLatin, "\xC2\x81"},
      {"Caf\xC3\xA9", kUtf8, "Caf\xC3\xA9"},
      {"a\xFFz\xC3", kUtf8, "a\xEF\xBF\xBDz\xEF\xBF\xBD"},
      {"\xC0\xAF", kUtf8, "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"Tom &amp; Jerry", kLatin, "Tom & Jerry"},
      {"&lt;3&gt; &quot;x&quot; &apos;y&apos;", kLatin, "<3> \"x\" 'y'"},
      {"caf&#233; &#xE9;", kUtf8, "caf\xC3\xA9 \xC3\xA9"},
      {"&unknown; & alone &#; &#xZZ; &#0;", kLatin, "&unknown; & alone &#; &#xZZ; &#0;"},
      {"&amp;amp;", kLatin, "&amp;"}};
  for (const auto& [bytes, encoding, shown] : cases) {
    EXPECT_EQ(ShowText(bytes, encoding), shown) << bytes;
  }
}

// Typed text is escaped, so a typed "&" or "<" never breaks the document, and shows again as
// typed. U+0080 is a C1 control the code page has no byte for.
TEST(TextForDocument, GivesTheDocumentsBytesOrNamesWhatItCannotHold) {
  struct Case {
    const char* typed;
    TextEncoding encoding;
    const char* expected;  // the bytes, or the text the error must hold
    bool ok = true;
  };
  const Case cases[] = {{"Caf\xC3\xA9 \xE2\x82\xAC", kLatin, "Caf\xE9 \x80"},
                        {"\xD0\x96\xF0\x9F\x9A\x82", kUtf8, "\xD0\x96\xF0\x9F\x9A\x82"},
                        {"Tom & Jerry", kLatin, "Tom &amp; Jerry"},
                        {"</English><x>", kUtf8, "&lt;/English&gt;&lt;x&gt;"},
                        {"quotes \" ' stay", kLatin, "quotes \" ' stay"},
                        {"Poezd \xD0\x96", kLatin, "U+0416", false},
                        {"\xE2\x82\xAC\xF0\x9F\x9A\x82", kLatin, "U+1F682", false},
                        {"\xC2\x80", kLatin, "U+0080", false},
                        {"ab\xFF", kLatin, "byte 3", false},
                        {"\xED\xA0\x80", kUtf8, "byte 1", false}};
  for (const Case& c : cases) {
    const Result<std::string> bytes = TextForDocument(c.typed, c.encoding);
    ASSERT_EQ(bytes.ok(), c.ok) << c.expected;
    EXPECT_TRUE(c.ok ? *bytes == c.expected : bytes.error().find(c.expected) != std::string::npos)
        << (c.ok ? *bytes : bytes.error());
    if (c.ok) {
      EXPECT_EQ(ShowText(*bytes, c.encoding), c.typed);
    }
  }
  // Decoding never loses a byte: every Windows-1252 byte encodes back to itself.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(*EncodeForDocument(DecodeForDisplay(all, kLatin), kLatin), all);
}

}  // namespace
}  // namespace fennick
