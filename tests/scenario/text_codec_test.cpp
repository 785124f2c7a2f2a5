#include "scenario/text_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/case_name.h"

namespace fennick {
namespace {

using test::PrintTo;

struct EncodingCase {
  const char* label;
  std::string document;
  TextEncoding encoding;
};

class DocumentEncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(DocumentEncodingTest, FollowsTheDeclaration) {
  EXPECT_EQ(DocumentEncoding(GetParam().document), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentEncodingTest,
    testing::Values(
        EncodingCase{"utf8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", TextEncoding::kUtf8},
        EncodingCase{"lower case", "<?xml version=\"1.0\" encoding=\"utf-8\"?>",
                     TextEncoding::kUtf8},
        EncodingCase{"single quotes", "<?xml encoding = 'UTF-8' ?>", TextEncoding::kUtf8},
        EncodingCase{"with byte order mark", "\xEF\xBB\xBF<?xml encoding=\"UTF-8\"?>",
                     TextEncoding::kUtf8},
        EncodingCase{"latin", "<?xml encoding=\"ISO-8859-1\"?>", TextEncoding::kWindows1252},
        EncodingCase{"no encoding", "<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>",
                     TextEncoding::kWindows1252},
        EncodingCase{"no declaration", "<cRecordSet encoding=\"UTF-8\">",
                     TextEncoding::kWindows1252},
        EncodingCase{"unterminated", "<?xml encoding=\"UTF-8", TextEncoding::kWindows1252},
        EncodingCase{"empty", "", TextEncoding::kWindows1252}),
    test::CaseName());

struct DecodeCase {
  const char* label;
  std::string bytes;
  TextEncoding encoding;
  std::string utf8;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DecodesForDisplay) {
  EXPECT_EQ(DecodeForDisplay(GetParam().bytes, GetParam().encoding), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTest,
    testing::Values(DecodeCase{"ascii", "Van 1", TextEncoding::kWindows1252, "Van 1"},
                    DecodeCase{"latin letters", "Caf\xE9 Gro\xDF", TextEncoding::kWindows1252,
                               "Caf\xC3\xA9 Gro\xC3\x9F"},
                    DecodeCase{"euro and quotes", "\x80\x93\x94", TextEncoding::kWindows1252,
                               "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"},
                    DecodeCase{"undefined byte", "\x81", TextEncoding::kWindows1252, "\xC2\x81"},
                    DecodeCase{"utf8 kept", "Caf\xC3\xA9", TextEncoding::kUtf8, "Caf\xC3\xA9"},
                    DecodeCase{"invalid utf8 replaced",
                               "a\xFF"
                               "b\xC3",
                               TextEncoding::kUtf8,
                               "a\xEF\xBF\xBD"
                               "b\xEF\xBF\xBD"},
                    DecodeCase{"overlong utf8 replaced", "\xC0\xAF", TextEncoding::kUtf8,
                               "\xEF\xBF\xBD\xEF\xBF\xBD"}),
    test::CaseName());

TEST(TextCodec, EveryWindows1252ByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const Result<std::string> back = EncodeForDocument(
      DecodeForDisplay(all, TextEncoding::kWindows1252), TextEncoding::kWindows1252);
  ASSERT_TRUE(back.ok()) << back.error();
  EXPECT_EQ(*back, all);
}

struct RefuseCase {
  const char* label;
  std::string utf8;
  TextEncoding encoding;
  std::string named;  // text the message must hold
};

class EncodeRefusalTest : public testing::TestWithParam<RefuseCase> {};

TEST_P(EncodeRefusalTest, NamesTheCharacter) {
  const Result<std::string> encoded = EncodeForDocument(GetParam().utf8, GetParam().encoding);
  ASSERT_FALSE(encoded.ok());
  EXPECT_NE(encoded.error().find(GetParam().named), std::string::npos) << encoded.error();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeRefusalTest,
    testing::Values(
        RefuseCase{"cyrillic", "Poezd \xD0\x96", TextEncoding::kWindows1252, "U+0416"},
        RefuseCase{"emoji", "\xF0\x9F\x9A\x82", TextEncoding::kWindows1252, "U+1F682"},
        RefuseCase{"c1 control without a byte", "\xC2\x80", TextEncoding::kWindows1252, "U+0080"},
        RefuseCase{"invalid input", "ab\xFF", TextEncoding::kWindows1252, "byte 3"},
        RefuseCase{"invalid input for utf8", "\xED\xA0\x80", TextEncoding::kUtf8, "byte 1"}),
    test::CaseName());

TEST(EncodeForDocument, EncodesWhatTheDocumentCanHold) {
  EXPECT_EQ(*EncodeForDocument("Caf\xC3\xA9 \xE2\x82\xAC", TextEncoding::kWindows1252),
            "Caf\xE9 \x80");
  EXPECT_EQ(*EncodeForDocument("\xD0\x96\xF0\x9F\x9A\x82", TextEncoding::kUtf8),
            "\xD0\x96\xF0\x9F\x9A\x82");
}

}  // namespace
}  // namespace fennick
