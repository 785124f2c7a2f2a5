#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace fennick::sample {

struct InstallRequest {
  std::filesystem::path outputFolder;
  std::filesystem::path serz;           // copied in as serz.exe
  std::filesystem::path railSim;        // copied in as RailSim.exe
  std::filesystem::path railSimEditor;  // copied in as RailSimEditor.exe
  // Replace an earlier sample installation in a non-empty folder (only one this tool made).
  bool force = false;
};

struct InstallReport {
  std::string error;  // empty on success
  std::size_t filesWritten = 0;
  bool ok() const { return error.empty(); }
};

// Marks a folder as laid out by this tool, so --force never clears anything else.
inline constexpr const char* kSampleMarkerName = ".fennick-sample-install";

InstallReport LayOutSampleInstallation(const InstallRequest& request);

}  // namespace fennick::sample
