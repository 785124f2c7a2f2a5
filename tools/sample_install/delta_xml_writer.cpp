#include "tools/sample_install/delta_xml_writer.h"

#include <cstring>
#include <stdexcept>

#include "tools/sample_install/guid_numbers.h"
#include "tools/sample_install/windows1252.h"

namespace fennick::sample {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>";

}  // namespace

std::string FloatAltEncoding(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (int byte = 0; byte < 8; ++byte) {
    const auto b = static_cast<unsigned>((bits >> (8 * byte)) & 0xFFu);
    hex.push_back(kDigits[b >> 4]);
    hex.push_back(kDigits[b & 0xFu]);
  }
  return hex;
}

void DeltaXmlWriter::Line(std::string_view content) {
  text_.append(static_cast<std::size_t>(depth_), '\t');
  text_.append(content);
  text_.push_back('\n');
}

void DeltaXmlWriter::OpenRoot(std::string_view tag, bool withId) {
  if (!text_.empty()) throw std::logic_error("root element opened twice");
  Line(kDeclaration);
  std::string open = "<" + std::string(tag) + " xmlns:d=\"" + std::string(kDeltaNamespace) +
                     "\" d:version=\"1.0\"";
  if (withId) open += " d:id=\"" + std::to_string(NextId()) + "\"";
  Line(open + ">");
  ++depth_;
}

void DeltaXmlWriter::Open(std::string_view tag) {
  Line("<" + std::string(tag) + ">");
  ++depth_;
}

void DeltaXmlWriter::OpenWithId(std::string_view tag) {
  OpenWithId(tag, NextId());
}

void DeltaXmlWriter::OpenWithId(std::string_view tag, std::uint32_t id) {
  Line("<" + std::string(tag) + " d:id=\"" + std::to_string(id) + "\">");
  ++depth_;
}

void DeltaXmlWriter::Close(std::string_view tag) {
  --depth_;
  Line("</" + std::string(tag) + ">");
}

void DeltaXmlWriter::Empty(std::string_view tag) {
  Line("<" + std::string(tag) + "/>");
}

void DeltaXmlWriter::Value(std::string_view tag, std::string_view type, std::string_view text) {
  const std::string name(tag);
  Line("<" + name + " d:type=\"" + std::string(type) + "\">" + std::string(text) + "</" + name +
       ">");
}

void DeltaXmlWriter::Bool(std::string_view tag, bool value) {
  Value(tag, "bool", value ? "1" : "0");
}

void DeltaXmlWriter::Float(std::string_view tag, std::string_view text) {
  const std::string name(tag);
  const double value = std::stod(std::string(text));
  Line("<" + name + " d:type=\"sFloat32\" d:alt_encoding=\"" + FloatAltEncoding(value) +
       "\" d:precision=\"string\">" + std::string(text) + "</" + name + ">");
}

void DeltaXmlWriter::Localised(std::string_view tag, const LocalisedText& text) {
  Open(tag);
  Open("Localisation-cUserLocalisedString");
  Value("English", "cDeltaString", text.english);
  Value("French", "cDeltaString", text.french);
  Value("Italian", "cDeltaString", text.italian);
  Value("German", "cDeltaString", text.german);
  Value("Spanish", "cDeltaString", text.spanish);
  Value("Key", "cDeltaString", text.key);
  Close("Localisation-cUserLocalisedString");
  Close(tag);
}

void DeltaXmlWriter::AbsoluteBlueprintId(std::string_view provider, std::string_view product,
                                         std::string_view blueprintId) {
  Open("iBlueprintLibrary-cAbsoluteBlueprintID");
  Open("BlueprintSetID");
  Open("iBlueprintLibrary-cBlueprintSetID");
  Value("Provider", "cDeltaString", provider);
  Value("Product", "cDeltaString", product);
  Close("iBlueprintLibrary-cBlueprintSetID");
  Close("BlueprintSetID");
  Value("BlueprintID", "cDeltaString", blueprintId);
  Close("iBlueprintLibrary-cAbsoluteBlueprintID");
}

void DeltaXmlWriter::Guid(std::string_view guidText) {
  const UuidNumbers numbers = UuidNumbersOf(guidText);
  Open("cGUID");
  Open("UUID");
  Value("e", "sUInt64", numbers.first);
  Value("e", "sUInt64", numbers.second);
  Close("UUID");
  Value("DevString", "cDeltaString", guidText);
  Close("cGUID");
}

std::string DeltaXmlWriter::Finish() const {
  if (depth_ != 0) throw std::logic_error("document finished with open elements");
  const std::string bytes = Utf8ToWindows1252(text_);
  std::string withCrLf;
  withCrLf.reserve(bytes.size() + bytes.size() / 16);
  for (char c : bytes) {
    if (c == '\n') withCrLf.push_back('\r');
    withCrLf.push_back(c);
  }
  return withCrLf;
}

}  // namespace fennick::sample
