#include "tools/sample_install/install_layout.h"

#include <chrono>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "tools/sample_install/archived_stock.h"
#include "tools/sample_install/route_documents.h"
#include "tools/sample_install/sample_backups.h"
#include "tools/sample_install/sample_catalogue.h"
#include "tools/sample_install/scenario_document.h"
#include "tools/sample_install/stock_documents.h"
#include "tools/serz_format/binary_form.h"
#include "tools/serz_format/file_bytes.h"

namespace fennick::sample {

namespace fs = std::filesystem;

namespace {

// The simulator's own spelling of its folders; the program addresses them in other cases.
constexpr const char* kContent = "Content";
constexpr const char* kRoutes = "Routes";
constexpr const char* kScenarios = "Scenarios";
constexpr const char* kAssets = "Assets";

// Joins a "\"-separated text from the simulator's documents below a folder.
fs::path Below(fs::path folder, std::string_view backslashPath) {
  std::size_t start = 0;
  while (start <= backslashPath.size()) {
    const std::size_t end = backslashPath.find('\\', start);
    const std::size_t stop = end == std::string_view::npos ? backslashPath.size() : end;
    if (stop > start) folder /= std::string(backslashPath.substr(start, stop - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return folder;
}

class SampleWriter {
 public:
  explicit SampleWriter(fs::path root) : root_(std::move(root)) {}

  const fs::path& root() const { return root_; }
  std::size_t filesWritten() const { return filesWritten_; }

  void Plain(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    if (!serz::WriteFileBytes(path, bytes)) {
      throw std::runtime_error("cannot write " + path.string());
    }
    ++filesWritten_;
  }

  // A .bin document: the XML in the converter's binary form.
  void Binary(const fs::path& path, std::string_view xml) {
    Plain(path, serz::EncodeToBinary(xml));
  }

  void Executable(const fs::path& source, const std::string& name) {
    const fs::path target = root_ / name;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    fs::permissions(target,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace);
    ++filesWritten_;
  }

 private:
  fs::path root_;
  std::size_t filesWritten_ = 0;
};

fs::path Utf8FileName(const std::string& name) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(name.data()), name.size()));
}

fs::path AssetsFolder(const fs::path& root, const std::string& provider,
                      const std::string& product) {
  return root / kAssets / provider / product;
}

void WriteAssets(SampleWriter& out) {
  for (const StockBlueprint& b : SampleStock()) {
    const fs::path product = AssetsFolder(out.root(), b.provider, b.product);
    out.Binary(Below(product, b.path + ".bin"), VehicleBlueprintXml(b));
    if (!b.numbers.empty()) {
      out.Plain(Below(product, b.numberList + ".dcsv"), NumberListXml(b));
    }
  }
  for (const AuxiliaryAsset& asset : SampleAuxiliaryAssets()) {
    const fs::path path =
        Below(AssetsFolder(out.root(), asset.provider, asset.product), asset.path);
    if (asset.rootTag.empty()) {
      static constexpr char kTexture[] = "TGPCDX\0\x01\x02\x03\xFF\xFE texture data";
      out.Plain(path, std::string_view(kTexture, sizeof kTexture - 1));
    } else {
      out.Binary(path, AuxiliaryBlueprintXml(asset));
    }
  }
  for (const WeatherBlueprint& w : SampleWeather()) {
    out.Binary(Below(AssetsFolder(out.root(), w.provider, w.product), w.path + ".bin"),
               WeatherBlueprintXml(w));
  }
}

void WriteRoutes(SampleWriter& out) {
  const fs::path content = out.root() / kContent;
  out.Plain(content / "Routes.xml", RoutesXml(SampleRoutes()));
  for (const SampleRoute& route : SampleRoutes()) {
    const fs::path routeFolder = content / kRoutes / route.guid;
    out.Binary(routeFolder / "Scenarios.bin", ScenarioIndexXml(route));
    for (const SampleScenario& scenario : route.scenarios) {
      const fs::path folder = routeFolder / kScenarios / scenario.guid;
      if (scenario.folderState == ScenarioFolderState::kFolderMissing) continue;
      fs::create_directories(folder);
      if (scenario.folderState == ScenarioFolderState::kScenarioBinMissing) continue;
      out.Binary(folder / "Scenario.bin", ScenarioDocumentXml(scenario));
      for (const SavedGame& save : scenario.savedGames) {
        out.Plain(folder / Utf8FileName(save.fileName), SavedGameXml(scenario, save));
      }
    }
  }
}

void WriteBackups(SampleWriter& out) {
  for (const SampleBackup& backup : SampleBackups()) {
    fs::path path = out.root() / kContent / kRoutes / backup.routeGuid;
    if (!backup.scenarioGuid.empty()) path /= fs::path(kScenarios) / backup.scenarioGuid;
    path /= backup.fileName;
    if (backup.xml.empty()) {
      out.Plain(path, backup.plainText);
    } else {
      out.Binary(path, backup.xml);
    }
    fs::last_write_time(path,
                        fs::file_time_type::clock::now() - std::chrono::hours(24) * backup.daysAgo);
  }
}

std::string CheckSource(const fs::path& path, const char* what) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::string(what) + " not found at " + path.string();
  return "";
}

// An empty or missing folder is fine; a non-empty one only with --force and only when an
// earlier run of this tool made it, so a mistyped folder never loses anyone's files.
std::string PrepareOutputFolder(const InstallRequest& request) {
  const fs::path& folder = request.outputFolder;
  std::error_code ec;
  if (!fs::exists(folder, ec)) {
    fs::create_directories(folder);
    return "";
  }
  if (!fs::is_directory(folder, ec)) return folder.string() + " exists and is not a folder";
  if (fs::is_empty(folder, ec)) return "";
  if (!request.force) {
    return folder.string() +
           " is not empty; pass --force to replace an earlier sample installation there";
  }
  if (!fs::exists(folder / kSampleMarkerName, ec)) {
    return folder.string() +
           " is not empty and was not laid out by make_sample_install; refusing to clear it";
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    fs::remove_all(entry.path());
  }
  return "";
}

}  // namespace

InstallReport LayOutSampleInstallation(const InstallRequest& request) {
  InstallReport report;
  for (const auto& [path, what] :
       {std::pair{request.serz, "serz.exe"}, std::pair{request.railSim, "RailSim.exe stand-in"},
        std::pair{request.railSimEditor, "RailSimEditor.exe stand-in"}}) {
    report.error = CheckSource(path, what);
    if (!report.ok()) return report;
  }
  try {
    report.error = PrepareOutputFolder(request);
    if (!report.ok()) return report;

    SampleWriter out(request.outputFolder);
    out.Plain(request.outputFolder / kSampleMarkerName,
              "Sample simulator installation laid out by make_sample_install.\n");
    out.Executable(request.serz, "serz.exe");
    out.Executable(request.railSim, "RailSim.exe");
    out.Executable(request.railSimEditor, "RailSimEditor.exe");
    WriteAssets(out);
    WriteRoutes(out);
    WriteBackups(out);
    report.filesWritten = out.filesWritten() + WriteStockArchives(request.outputFolder / kAssets);
  } catch (const std::exception& e) {
    report.error = e.what();
  }
  return report;
}

}  // namespace fennick::sample
