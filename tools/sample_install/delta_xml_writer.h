#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/sample_install/localised_text.h"

namespace fennick::sample {

inline constexpr std::string_view kDeltaNamespace = "http://www.kuju.com/TnT/2003/Delta";

// Writes XML the way the simulator's converter lays it out: one element per line, tab
// indentation, d:id on records, d:type on values, floats with their raw IEEE bytes.
class DeltaXmlWriter {
 public:
  explicit DeltaXmlWriter(std::uint32_t firstId) : nextId_(firstId) {}

  // The root element carries the namespace and a version (and optionally an id).
  void OpenRoot(std::string_view tag, bool withId);
  void Open(std::string_view tag);
  void OpenWithId(std::string_view tag);
  // Records whose number others refer to (an index entry) keep a fixed id.
  void OpenWithId(std::string_view tag, std::uint32_t id);
  void Close(std::string_view tag);
  void Empty(std::string_view tag);
  void Value(std::string_view tag, std::string_view type, std::string_view text);
  void Bool(std::string_view tag, bool value);
  // An sFloat32 with the text as given (e.g. "25200.0000") and the bytes of its value.
  void Float(std::string_view tag, std::string_view text);
  void Localised(std::string_view tag, const LocalisedText& text);
  void AbsoluteBlueprintId(std::string_view provider, std::string_view product,
                           std::string_view blueprintId);
  void Guid(std::string_view guidText);

  std::uint32_t NextId() { return nextId_++; }

  // The finished document as the converter writes it: Windows-1252 bytes, CR LF line ends.
  std::string Finish() const;

 private:
  void Line(std::string_view content);

  std::string text_;
  int depth_ = 0;
  std::uint32_t nextId_;
};

// The 16 hexadecimal digits of the value's double bytes in memory (little-endian) order.
std::string FloatAltEncoding(double value);

}  // namespace fennick::sample
