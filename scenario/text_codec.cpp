#include "scenario/text_codec.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "scenario/text_search.h"

namespace fennick {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the C1
// controls of the same value, as Windows itself does, so every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one UTF-8 character at `i`, advancing `i`; nothing for an invalid sequence (then `i`
// has moved past its first byte only). Overlong forms and surrogates are invalid.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  std::size_t extra;
  char32_t c;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - i < extra) return std::nullopt;
  for (std::size_t k = 0; k < extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  i += extra;
  return c;
}

std::optional<char> Windows1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == c) return static_cast<char>(0x80 + k);
  }
  return std::nullopt;
}

std::string CharacterName(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  std::string shown;
  AppendUtf8(shown, c);
  return "\"" + shown + "\" (" + code + ")";
}

}  // namespace

TextEncoding DocumentEncoding(std::string_view document) {
  if (!MatchesNoCaseAt(document, 0, "<?xml") &&
      !(MatchesNoCaseAt(document, 0, "\xEF\xBB\xBF<?xml"))) {
    return TextEncoding::kWindows1252;
  }
  const std::string_view declaration = document.substr(0, document.find("?>"));
  const Pos at = FindNoCase(declaration, "encoding", 1);
  if (at == kNotFound) return TextEncoding::kWindows1252;
  std::size_t i = IndexOf(at) + 8;
  while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '=')) ++i;
  if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) {
    return TextEncoding::kWindows1252;
  }
  const char quote = declaration[i];
  const std::size_t end = declaration.find(quote, i + 1);
  if (end == std::string_view::npos) return TextEncoding::kWindows1252;
  return EqualsNoCase(declaration.substr(i + 1, end - i - 1), "UTF-8") ? TextEncoding::kUtf8
                                                                       : TextEncoding::kWindows1252;
}

std::string DecodeForDisplay(std::string_view bytes, TextEncoding encoding) {
  std::string out;
  out.reserve(bytes.size());
  if (encoding == TextEncoding::kUtf8) {
    for (std::size_t i = 0; i < bytes.size();) {
      AppendUtf8(out, NextUtf8(bytes, i).value_or(kReplacement));
    }
    return out;
  }
  for (char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
  }
  return out;
}

Result<std::string> EncodeForDocument(std::string_view utf8, TextEncoding encoding) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const std::optional<char32_t> c = NextUtf8(utf8, i);
    if (!c) {
      return Error{"The text is not valid UTF-8 at byte " + std::to_string(start + 1) + "."};
    }
    if (encoding == TextEncoding::kUtf8) {
      out.append(utf8.substr(start, i - start));
      continue;
    }
    const std::optional<char> byte = Windows1252Byte(*c);
    if (!byte) {
      return Error{"The character " + CharacterName(*c) +
                   " cannot be written in this document, whose encoding is Windows-1252."};
    }
    out.push_back(*byte);
  }
  return out;
}

}  // namespace fennick
