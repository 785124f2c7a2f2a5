// Gathering the available stock over a generated RailVehicles tree of 2,000 candidate
// blueprints, with the stand-in converter. In one run it times the same gathering done one file
// at a time and with one converter per core, then a second gathering with the classification
// cache filled by the first, and reports the two ratios: parallel to one-at-a-time, and cached
// to first. Wall-clock times, as the work is waiting for child processes; two iterations, each
// running the three gatherings in turn, so a change of load on the machine falls on all of them.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <stdexcept>

#include "app/dialogs.h"
#include "bench/consist/stock_tree_generator.h"
#include "consist/classification_cache.h"
#include "consist/stock_gatherer.h"

namespace fennick::bench {
namespace {

constexpr int kCandidates = 2000;

// Answers nothing and counts what would have been shown; the bench's tree shows nothing.
class SilentDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string&, MessageIcon, const std::string&) override { ++messages; }
  bool AskYesNo(const std::string&, MessageIcon, const std::string&) override { return true; }
  bool AskOkCancel(const std::string&, MessageIcon, const std::string&) override { return true; }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
  int messages = 0;
};

// A simulator folder with the generated tree and a program folder holding the stand-in.
struct BenchInstall {
  BenchInstall() {
    if (!dir.isValid()) throw std::runtime_error("no temporary folder");
    rsPath = dir.filePath("RailSimulator");
    programFolder = dir.filePath("program");
    railVehicles =
        QString::fromStdString(GenerateStockTree(rsPath.toStdString(), kCandidates).string());
    QDir().mkpath(programFolder);
    const QString serz = programFolder + "/serz.exe";
    if (!QFile::copy(QStringLiteral(FENNICK_SERZ_STANDIN), serz)) {
      throw std::runtime_error("cannot copy the stand-in converter");
    }
    QFile::setPermissions(serz, QFile::permissions(QStringLiteral(FENNICK_SERZ_STANDIN)));
  }
  QTemporaryDir dir;
  QString rsPath, programFolder, railVehicles;
};

struct Timed {
  double seconds = 0;
  GatherOutcome outcome;
  std::size_t listed = 0;
};

Timed Gather(const BenchInstall& install, ClassificationCache& cache, unsigned workers) {
  const StockGatherer gatherer(Converter(install.programFolder, install.rsPath), cache, workers);
  StockCatalogue catalogue;
  SilentDialogs dialogs;
  const auto start = std::chrono::steady_clock::now();
  Timed timed;
  timed.outcome = gatherer.Gather(install.railVehicles, std::string("DMU"), catalogue, dialogs);
  timed.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  timed.listed = catalogue.entries.size();
  if (dialogs.messages != 0 || timed.listed != kCandidates) {
    throw std::runtime_error("the gathering did not list every generated blueprint");
  }
  return timed;
}

void BM_GatherStock(benchmark::State& state) {
  const BenchInstall install;
  double serial = 0, parallel = 0, cached = 0;
  for (auto _ : state) {
    ClassificationCache serialCache;
    serial += Gather(install, serialCache, 1).seconds;
    ClassificationCache cache;
    const Timed first = Gather(install, cache, DefaultClassifierWorkers());
    parallel += first.seconds;
    const Timed second = Gather(install, cache, DefaultClassifierWorkers());
    if (second.outcome.conversions != 0) throw std::runtime_error("the cache missed");
    cached += second.seconds;
    state.SetIterationTime(first.seconds);
  }
  state.counters["candidates"] = kCandidates;
  state.counters["workers"] = DefaultClassifierWorkers();
  state.counters["serial_s"] = serial / static_cast<double>(state.iterations());
  state.counters["parallel_s"] = parallel / static_cast<double>(state.iterations());
  state.counters["cached_s"] = cached / static_cast<double>(state.iterations());
  // Targets: at most 0.65 on two cores, and at most 0.05.
  state.counters["parallel_to_serial"] = parallel / serial;
  state.counters["cached_to_first"] = cached / parallel;
}

BENCHMARK(BM_GatherStock)->Iterations(2)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace fennick::bench

BENCHMARK_MAIN();
