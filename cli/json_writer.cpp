#include "cli/json_writer.h"

#include <ostream>

namespace fennick::cli {
namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 16;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

JsonWriter::JsonWriter(std::ostream& out) : out_(out) {
  buffer_.reserve(kFlushAt + 1024);
}

JsonWriter::~JsonWriter() {
  Flush();
}

void JsonWriter::Flush() {
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

void JsonWriter::Indent(std::size_t levels) {
  buffer_.append(levels * 4, ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (filled_.empty()) return;  // the document itself
  if (filled_.back()) buffer_ += ",\n";
  filled_.back() = true;
  Indent(filled_.size());
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  buffer_ += bracket;
  buffer_ += '\n';
  filled_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  if (filled_.back()) buffer_ += '\n';
  filled_.pop_back();
  Indent(filled_.size());
  buffer_ += bracket;
  if (filled_.empty()) buffer_ += '\n';
  if (buffer_.size() >= kFlushAt) Flush();
}

void JsonWriter::BeginObject() {
  Open('{');
}

void JsonWriter::EndObject() {
  Close('}');
}

void JsonWriter::BeginArray() {
  Open('[');
}

void JsonWriter::EndArray() {
  Close(']');
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  buffer_ += '"';
  Escaped(key);
  buffer_ += "\": ";
  afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  buffer_ += '"';
  Escaped(utf8);
  buffer_ += '"';
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  buffer_ += value ? "true" : "false";
}

void JsonWriter::Escaped(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(utf8.substr(i));
      if (length == 0) {
        buffer_ += kReplacement;
        ++i;
      } else {
        buffer_.append(utf8, i, length);
        i += length;
      }
      continue;
    }
    ++i;
    if (byte >= 0x20 && byte != '"' && byte != '\\') {
      buffer_ += static_cast<char>(byte);
      continue;
    }
    buffer_ += '\\';
    switch (byte) {
      case '"':
        buffer_ += '"';
        break;
      case '\\':
        buffer_ += '\\';
        break;
      case '\b':
        buffer_ += 'b';
        break;
      case '\f':
        buffer_ += 'f';
        break;
      case '\n':
        buffer_ += 'n';
        break;
      case '\r':
        buffer_ += 'r';
        break;
      case '\t':
        buffer_ += 't';
        break;
      default:
        buffer_ += "u00";
        buffer_ += kHex[byte >> 4];
        buffer_ += kHex[byte & 0xF];
        break;
    }
  }
}

}  // namespace fennick::cli
