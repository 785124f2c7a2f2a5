#include <gtest/gtest.h>

#include "scenario/xml_text.h"

namespace fennick {
namespace {

TEST(XmlText, ReferencesBecomeTheirCharactersForDisplay) {
  const std::pair<const char*, const char*> cases[] = {
      {"Tom &amp; Jerry", "Tom & Jerry"},
      {"&lt;3&gt; &quot;x&quot; &apos;y&apos;", "<3> \"x\" 'y'"},
      {"caf&#233; &#xE9;", "caf\xC3\xA9 \xC3\xA9"},
      {"&unknown; & alone &#; &#xZZ; &#0;", "&unknown; & alone &#; &#xZZ; &#0;"},
      {"&amp;amp;", "&amp;"},
      {"", ""},
  };
  for (const auto& [stored, shown] : cases) EXPECT_EQ(UnescapeXmlText(stored), shown) << stored;
}

TEST(XmlText, TypedTextNeverBreaksTheDocument) {
  const std::pair<const char*, const char*> cases[] = {
      {"Tom & Jerry", "Tom &amp; Jerry"},
      {"</English><x>", "&lt;/English&gt;&lt;x&gt;"},
      {"quotes \" ' stay", "quotes \" ' stay"},
  };
  for (const auto& [typed, stored] : cases) {
    auto written = TextForDocument(typed, TextEncoding::kWindows1252);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(*written, stored);
    EXPECT_EQ(ShowText(*written, TextEncoding::kWindows1252), typed) << "round trip of " << typed;
  }
}

TEST(XmlText, EncodingStillDecidesTheBytes) {
  auto latin = TextForDocument("\xC3\xA9t\xC3\xA9 & hiver", TextEncoding::kWindows1252);
  ASSERT_TRUE(latin.ok());
  EXPECT_EQ(*latin, "\xE9t\xE9 &amp; hiver");
  EXPECT_FALSE(TextForDocument("\xE2\x82\xAC\xF0\x9F\x9A\x82", TextEncoding::kWindows1252).ok());
}

}  // namespace
}  // namespace fennick
