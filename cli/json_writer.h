#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace fennick::cli {

// Writes one JSON document as it goes, laid out as QJsonDocument's indented form (four blanks a
// level), so a document of tens of thousands of vehicles is never held as a tree. Texts are
// UTF-8; they are escaped as JSON requires, and a byte that is not UTF-8 is written as U+FFFD.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out);
  ~JsonWriter();  // writes out what is still buffered

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();

  // The key of the next value inside an object.
  void Key(std::string_view key);
  void String(std::string_view utf8);
  void Bool(bool value);

  // A key and its value in one.
  void Field(std::string_view key, std::string_view utf8) {
    Key(key);
    String(utf8);
  }
  void Field(std::string_view key, const char* utf8) { Field(key, std::string_view(utf8)); }
  void Field(std::string_view key, bool value) {
    Key(key);
    Bool(value);
  }

  // Hands the buffered text to the stream.
  void Flush();

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void Indent(std::size_t levels);
  void Escaped(std::string_view utf8);

  std::ostream& out_;
  std::string buffer_;
  // One entry per open container: whether it holds anything yet.
  std::vector<bool> filled_;
  bool afterKey_ = false;
};

}  // namespace fennick::cli
