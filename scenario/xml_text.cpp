#include "scenario/xml_text.h"

#include <cstdint>
#include <cstdlib>

namespace fennick {

namespace {

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out.push_back(char(code));
  } else if (code < 0x800) {
    out.push_back(char(0xC0 | (code >> 6)));
    out.push_back(char(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(char(0xE0 | (code >> 12)));
    out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(char(0x80 | (code & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (code >> 18)));
    out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(char(0x80 | (code & 0x3F)));
  }
}

// The character a reference names (the text between "&" and ";"), or nothing.
bool ReferencedCharacter(std::string_view name, std::string& out) {
  if (name == "amp") return out.push_back('&'), true;
  if (name == "lt") return out.push_back('<'), true;
  if (name == "gt") return out.push_back('>'), true;
  if (name == "quot") return out.push_back('"'), true;
  if (name == "apos") return out.push_back('\''), true;
  if (name.size() < 2 || name[0] != '#') return false;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return false;
  std::uint32_t code = 0;
  for (char c : digits) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    if (hex && c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') value = c - 'A' + 10;
    if (value < 0) return false;
    code = code * (hex ? 16 : 10) + std::uint32_t(value);
  }
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
  AppendUtf8(out, code);
  return true;
}

}  // namespace

std::string UnescapeXmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      const std::size_t semicolon = text.find(';', i + 1);
      if (semicolon != std::string_view::npos && semicolon - i <= 12 &&
          ReferencedCharacter(text.substr(i + 1, semicolon - i - 1), out)) {
        i = semicolon;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

std::string EscapeXmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

std::string ShowText(std::string_view bytes, TextEncoding encoding) {
  return UnescapeXmlText(DecodeForDisplay(bytes, encoding));
}

Result<std::string> TextForDocument(std::string_view typed, TextEncoding encoding) {
  return EncodeForDocument(EscapeXmlText(typed), encoding);
}

}  // namespace fennick
