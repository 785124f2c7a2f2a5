// Lays out a sample simulator installation for the demo and the tests.
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "tools/sample_install/install_layout.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: make_sample_install OUTDIR [--serz PATH] [--railsim PATH] [--railsimeditor PATH] "
    "[--force]\n"
    "  The three programs default to serz.exe, RailSim.exe and RailSimEditor.exe beside this "
    "tool.\n"
    "  --force replaces an earlier sample installation in a non-empty OUTDIR.\n";

fs::path OwnFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

int UsageError(const std::string& message) {
  std::cerr << "make_sample_install: " << message << '\n' << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const fs::path ownFolder = OwnFolder(argv[0]);
  fennick::sample::InstallRequest request;
  request.serz = ownFolder / "serz.exe";
  request.railSim = ownFolder / "RailSim.exe";
  request.railSimEditor = ownFolder / "RailSimEditor.exe";

  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](fs::path& target) {
      if (i + 1 >= argc) return false;
      target = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--force") {
      request.force = true;
    } else if (arg == "--serz") {
      if (!value(request.serz)) return UsageError("--serz needs a path");
    } else if (arg == "--railsim") {
      if (!value(request.railSim)) return UsageError("--railsim needs a path");
    } else if (arg == "--railsimeditor") {
      if (!value(request.railSimEditor)) return UsageError("--railsimeditor needs a path");
    } else if (arg.starts_with("--")) {
      return UsageError("unknown option " + std::string(arg));
    } else if (request.outputFolder.empty()) {
      request.outputFolder = arg;
    } else {
      return UsageError("only one OUTDIR may be given");
    }
  }
  if (request.outputFolder.empty()) return UsageError("OUTDIR is missing");

  const fennick::sample::InstallReport report = LayOutSampleInstallation(request);
  if (!report.ok()) {
    std::cerr << "make_sample_install: " << report.error << '\n';
    return 1;
  }
  std::cout << "Laid out a sample installation of " << report.filesWritten << " files in "
            << request.outputFolder.string() << '\n';
  return 0;
}
