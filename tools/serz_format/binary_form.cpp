#include "tools/serz_format/binary_form.h"

#include <cstdint>

namespace fennick::serz {

namespace {

std::uint8_t KeyAt(std::uint64_t position) {
  return static_cast<std::uint8_t>(0xA5u + position * 31u + (position >> 8) * 7u);
}

std::uint8_t RotateLeft3(std::uint8_t value) {
  return static_cast<std::uint8_t>((value << 3) | (value >> 5));
}

std::uint8_t RotateRight3(std::uint8_t value) {
  return static_cast<std::uint8_t>((value >> 3) | (value << 5));
}

std::uint32_t Fnv1a(std::string_view bytes) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 16777619u;
  }
  return hash;
}

void AppendLittleEndian(std::string& out, std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) {
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
  }
}

std::uint64_t ReadLittleEndian(std::string_view bytes, std::size_t offset, int byteCount) {
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) {
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  }
  return value;
}

}  // namespace

bool HasBinaryMagic(std::string_view bytes) {
  return bytes.substr(0, 8) == kBinaryMagic;
}

std::string EncodeToBinary(std::string_view plainText) {
  std::string out;
  out.reserve(kBinaryHeaderSize + plainText.size());
  out.append(kBinaryMagic);
  AppendLittleEndian(out, plainText.size(), 8);
  AppendLittleEndian(out, Fnv1a(plainText), 4);
  for (std::size_t i = 0; i < plainText.size(); ++i) {
    const auto plain = static_cast<std::uint8_t>(plainText[i]);
    out.push_back(static_cast<char>(RotateLeft3(plain ^ KeyAt(i))));
  }
  return out;
}

DecodedText DecodeFromBinary(std::string_view binary) {
  DecodedText result;
  if (!HasBinaryMagic(binary)) {
    result.error = "not a binary document (magic header missing)";
    return result;
  }
  if (binary.size() < kBinaryHeaderSize) {
    result.error = "binary document is truncated inside its header";
    return result;
  }
  const std::uint64_t length = ReadLittleEndian(binary, 8, 8);
  const auto checksum = static_cast<std::uint32_t>(ReadLittleEndian(binary, 16, 4));
  const std::string_view body = binary.substr(kBinaryHeaderSize);
  if (body.size() != length) {
    result.error = "binary document is damaged: its header announces " + std::to_string(length) +
                   " bytes but " + std::to_string(body.size()) + " follow";
    return result;
  }
  result.text.resize(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    const auto scrambled = static_cast<std::uint8_t>(body[i]);
    result.text[i] = static_cast<char>(RotateRight3(scrambled) ^ KeyAt(i));
  }
  if (Fnv1a(result.text) != checksum) {
    result.text.clear();
    result.error = "binary document is damaged: checksum mismatch";
  }
  return result;
}

}  // namespace fennick::serz
