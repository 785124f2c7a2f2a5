#pragma once

#include <string>
#include <string_view>

namespace fennick::serz {

// The stand-in converter's own binary form. Layout:
//   8 bytes  magic "SERZ" 00 F3 6B 01 (not text, so no XML document starts with it)
//   8 bytes  length of the plain text, little-endian
//   4 bytes  FNV-1a checksum of the plain text, little-endian
//   then the text, each byte scrambled with a position-dependent key
// Scrambling makes tag names unreadable, so nothing can use a .bin without converting it first.

inline constexpr std::string_view kBinaryMagic{"SERZ\x00\xF3\x6B\x01", 8};
inline constexpr std::size_t kBinaryHeaderSize = 20;

// True when the bytes begin with the full magic.
bool HasBinaryMagic(std::string_view bytes);

std::string EncodeToBinary(std::string_view plainText);

struct DecodedText {
  std::string text;
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// Refuses a truncated or altered binary document with a readable reason.
DecodedText DecodeFromBinary(std::string_view binary);

}  // namespace fennick::serz
