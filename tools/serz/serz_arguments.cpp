#include "tools/serz/serz_arguments.h"

#include <cctype>
#include <optional>
#include <string_view>

namespace fennick::serz {

namespace {

constexpr std::string_view kUsage = "usage: serz.exe \"input\" xml:\"output\"";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i]))) {
      return false;
    }
  }
  return true;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    return std::string(text.substr(1, text.size() - 2));
  }
  return std::string(text);
}

void SkipBlanks(std::string_view line, std::size_t& pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

// One piece of a Windows command line: a quoted run (quotes removed) or a blank-free run.
std::optional<std::string> NextPiece(std::string_view line, std::size_t& pos) {
  SkipBlanks(line, pos);
  if (pos >= line.size()) return std::nullopt;
  if (line[pos] == '"') {
    const std::size_t close = line.find('"', pos + 1);
    if (close == std::string_view::npos) return std::nullopt;
    std::string piece(line.substr(pos + 1, close - pos - 1));
    pos = close + 1;
    return piece;
  }
  const std::size_t end = line.find_first_of(" \t", pos);
  const std::size_t stop = end == std::string_view::npos ? line.size() : end;
  std::string piece(line.substr(pos, stop - pos));
  pos = stop;
  return piece;
}

ParsedArguments Failure(std::string reason) {
  ParsedArguments parsed;
  parsed.error = std::move(reason) + "\n" + std::string(kUsage);
  return parsed;
}

ParsedArguments FromPair(std::string input, std::string output) {
  if (input.empty()) return Failure("the input path is empty");
  if (output.empty()) return Failure("the output path after xml: is empty");
  ParsedArguments parsed;
  parsed.paths = {std::move(input), std::move(output)};
  return parsed;
}

ParsedArguments ParseSeparate(const std::string& input, const std::string& outputArgument) {
  if (!StartsWithNoCase(outputArgument, "xml:")) {
    return Failure("the second argument must start with xml:");
  }
  return FromPair(Unquoted(input), Unquoted(std::string_view(outputArgument).substr(4)));
}

ParsedArguments ParseWindowsLine(std::string_view line) {
  std::size_t pos = 0;
  std::optional<std::string> first = NextPiece(line, pos);
  if (first && EndsWithNoCase(*first, "serz.exe")) {
    std::size_t afterProgram = pos;
    SkipBlanks(line, afterProgram);
    if (afterProgram < line.size()) first = NextPiece(line, pos);
  }
  if (!first) return Failure("the input path is missing or its quote is not closed");

  SkipBlanks(line, pos);
  if (!StartsWithNoCase(line.substr(pos), "xml:")) {
    return Failure("the output must be given as xml:\"path\"");
  }
  pos += 4;
  std::string output;
  if (pos < line.size() && line[pos] == '"') {
    const std::size_t close = line.find('"', pos + 1);
    if (close == std::string_view::npos) return Failure("the output path's quote is not closed");
    output = std::string(line.substr(pos + 1, close - pos - 1));
    pos = close + 1;
  } else {
    const std::size_t end = line.find_first_of(" \t", pos);
    const std::size_t stop = end == std::string_view::npos ? line.size() : end;
    output = std::string(line.substr(pos, stop - pos));
    pos = stop;
  }
  SkipBlanks(line, pos);
  if (pos != line.size()) return Failure("unexpected text after the output path");
  return FromPair(std::move(*first), std::move(output));
}

}  // namespace

ParsedArguments ParseSerzArguments(const std::vector<std::string>& arguments) {
  if (arguments.size() == 2) return ParseSeparate(arguments[0], arguments[1]);
  if (arguments.size() == 1) return ParseWindowsLine(arguments[0]);
  return Failure("expected an input path and an xml: output path");
}

}  // namespace fennick::serz
