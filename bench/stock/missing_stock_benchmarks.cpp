// `check` against `show` of the same large scenario, both run as the command line runs them:
// 2,000 consists whose vehicles name 300 distinct blueprints, most installed as loose files,
// some only inside a product archive, a few nowhere. Both open the scenario through the stand-in
// converter and load it as the editor does; check must cost at most a little more than show.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/scenario/scenario_document_generator.h"
#include "tools/sample_install/install_layout.h"
#include "tools/serz_format/binary_form.h"
#include "tools/serz_format/file_bytes.h"

namespace fennick::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kBlueprints = 300;  // the Class 66 engine and 299 kinds of wagon
constexpr int kArchived = 30;     // wagons packed in the product's archive
constexpr int kAbsent = 9;        // wagons installed nowhere
const char* const kRoute = "c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530";     // Marsh Junction
const char* const kScenario = "b07a91ca-d8e9-4e4b-a7bc-839ae1f2a3b4";  // Pullman Excursion

std::string WagonPath(int wagon) {
  char name[64];
  std::snprintf(name, sizeof name, "RailVehicles\\Bench\\W%03d\\Wagon%03d", wagon, wagon);
  return name;
}

fs::path Below(const fs::path& folder, std::string backslashPath) {
  for (char& c : backslashPath) {
    if (c == '\\') c = '/';
  }
  return folder / backslashPath;
}

// The generated vehicles all name one wagon; spread them over the bench's wagons.
std::string WithDistinctWagons(const std::string& document) {
  static const std::string kVan = "RailVehicles\\Freight\\Van\\van.xml";
  std::string out;
  out.reserve(document.size() + document.size() / 50);
  std::size_t from = 0;
  int next = 0;
  for (std::size_t at = document.find(kVan); at != std::string::npos;
       at = document.find(kVan, from)) {
    out.append(document, from, at - from);
    out += WagonPath(next++ % (kBlueprints - 1)) + ".xml";
    from = at + kVan.size();
  }
  out.append(document, from, std::string::npos);
  return out;
}

void LayOutWagons(const fs::path& product) {
  int error = 0;
  const std::string archivePath = (product / "BenchPack.ap").string();
  zip_t* archive = zip_open(archivePath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  static const char kBytes[] = "SERZ wagon blueprint";
  for (int w = 0; w < kBlueprints - 1; ++w) {
    const std::string path = WagonPath(w);
    if (w < kArchived) {
      std::string entry = path + ".bin";
      for (char& c : entry) {
        if (c == '\\') c = '/';
      }
      zip_file_add(archive, entry.c_str(), zip_source_buffer(archive, kBytes, sizeof kBytes, 0), 0);
    } else if (w < kBlueprints - 1 - kAbsent) {
      // Each blueprint folder also holds what a real one does: textures and a shape.
      const fs::path bin = Below(product, path + ".bin");
      fs::create_directories(bin.parent_path() / "Textures");
      serz::WriteFileBytes(bin, kBytes);
      serz::WriteFileBytes(bin.parent_path() / "Wagon.GeoPcDx", "shape");
      serz::WriteFileBytes(bin.parent_path() / "Textures" / "Body.TgPcDx", "texture");
    }
  }
  zip_close(archive);
}

class Installation {
 public:
  Installation() {
    const fs::path root = dir_.path().toStdString();
    sample::InstallRequest request{root / "rs", FENNICK_SERZ_STANDIN, FENNICK_RAILSIM_STANDIN,
                                   FENNICK_RAILSIMEDITOR_STANDIN};
    const sample::InstallReport report = sample::LayOutSampleInstallation(request);
    if (!report.ok()) throw std::runtime_error(report.error);
    LayOutWagons(root / "rs" / "Assets" / "Kuju" / "RailSimulator");
    const std::string document = WithDistinctWagons(GenerateScenarioDocument());
    serz::WriteFileBytes(
        root / "rs" / "Content" / "Routes" / kRoute / "Scenarios" / kScenario / "Scenario.bin",
        serz::EncodeToBinary(document));
    bytes_ = document.size();
    // A program folder of its own, as an installed copy has.
    fs::create_directories(root / "program");
    cli_ = QString::fromStdString((root / "program" / fs::path(FENNICK_CLI).filename()).string());
    QFile::copy(FENNICK_CLI, cli_);
    rsPath_ = QString::fromStdString((root / "rs").string());
  }

  // Runs the command line; returns its time in seconds and its exit status.
  double Run(const QString& command, int& exitCode, std::string& err) const {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(cli_, {"--rs-path", rsPath_, command, kRoute, kScenario});
    process.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    exitCode = process.exitCode();
    err = process.readAllStandardError().toStdString();
    return seconds;
  }

  std::size_t bytes() const { return bytes_; }

 private:
  QTemporaryDir dir_;
  QString cli_;
  QString rsPath_;
  std::size_t bytes_ = 0;
};

void BM_CheckAgainstShow(benchmark::State& state) {
  static const Installation installation;
  double show = 0;
  double check = 0;
  int exitCode = 0;
  std::string err;
  for (auto _ : state) {
    show += installation.Run("show", exitCode, err);
    if (exitCode != 0) state.SkipWithError(("show failed: " + err).c_str());
    const double once = installation.Run("check", exitCode, err);
    // Every absent wagon is missing, so check says so.
    if (exitCode != 1) state.SkipWithError(("check did not report: " + err).c_str());
    check += once;
    state.SetIterationTime(once);
  }
  const double runs = double(state.iterations());
  state.counters["show_ms"] = show / runs * 1e3;
  state.counters["check_ms"] = check / runs * 1e3;
  state.counters["ratio_check_to_show"] = check / show;
  state.counters["document_MiB"] = double(installation.bytes()) / (1 << 20);
  state.SetLabel(err.substr(0, err.find('\n')));
}

BENCHMARK(BM_CheckAgainstShow)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench

BENCHMARK_MAIN();
