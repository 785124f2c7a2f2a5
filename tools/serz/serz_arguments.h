#pragma once

#include <string>
#include <vector>

namespace fennick::serz {

struct ConversionPaths {
  std::string inputPath;
  std::string outputPath;
};

struct ParsedArguments {
  ConversionPaths paths;
  std::string error;  // empty when the arguments were understood
  bool ok() const { return error.empty(); }
};

// Accepts the converter's command-line form in the two shapes it arrives in:
//   - as separate arguments:  in   xml:out     (quotes around either path are stripped)
//   - as one Windows command line:  "in" xml:"out"   (optionally led by serz.exe)
// `arguments` excludes the program name.
ParsedArguments ParseSerzArguments(const std::vector<std::string>& arguments);

}  // namespace fennick::serz
