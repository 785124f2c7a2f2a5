// The text core over a 64 MiB scenario document. Each benchmark times its operation and, in the
// same iterations, a plain baseline over the same text (one memchr pass for a byte that does not
// occur; one copy of the text), and reports the ratios, because absolute times on shared
// machines are noisy. Times are the thread's CPU time where the system offers it, so that other
// work on the machine does not count. It also reports the peak memory the operation held, per
// byte of text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "bench/scenario/allocation_meter.h"
#include "bench/scenario/scenario_document_generator.h"
#include "scenario/consist_model.h"
#include "scenario/editor_load.h"
#include "scenario/tag_scan.h"

namespace fennick::bench {
namespace {

const std::string& Document() {
  static const std::string document = GenerateScenarioDocument();
  return document;
}

double Now() {
#if defined(CLOCK_THREAD_CPUTIME_ID)
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
#else
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

template <class Work>
double Seconds(Work&& work) {
  const double start = Now();
  work();
  return Now() - start;
}

double MemchrPass(const std::string& text) {
  return Seconds([&] {
    benchmark::DoNotOptimize(std::memchr(text.data(), '\x01', text.size()));
    benchmark::ClobberMemory();
  });
}

// Totals over the iterations, turned into counters at the end.
struct Tally {
  double operation = 0;
  double memchr = 0;
  std::size_t peak = 0;

  // Times one run of the operation and meters the memory it takes on top of what existed.
  template <class Work>
  void Measure(benchmark::State& state, Work&& work) {
    AllocationMeter::Reset();
    const double seconds = Seconds(std::forward<Work>(work));
    peak = std::max(peak, AllocationMeter::PeakAboveBase());
    operation += seconds;
    state.SetIterationTime(seconds);
  }

  void Report(benchmark::State& state, std::size_t textSize) const {
    state.counters["ratio_to_memchr"] = operation / memchr;
    state.counters["peak_per_text_byte"] =
        static_cast<double>(textSize + peak) / static_cast<double>(textSize);
    state.counters["text_MiB"] = static_cast<double>(textSize) / (1 << 20);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * textSize));
  }
};

void BM_FindEveryConsistEnd(benchmark::State& state) {
  const std::string& text = Document();
  Tally tally;
  std::size_t consists = 0;
  for (auto _ : state) {
    tally.memchr += MemchrPass(text);
    tally.Measure(state, [&] {
      const std::vector<Pos> ends = FindConsistEnds(text);
      consists = ends.size() - 1;
      benchmark::DoNotOptimize(ends.data());
    });
  }
  tally.Report(state, text.size());
  state.counters["consists"] = static_cast<double>(consists);
}

void BM_PutAllTimes(benchmark::State& state) {
  const std::string& text = Document();
  Tally tally;
  double copying = 0;
  double memcpying = 0;
  std::string warmBuffer(text.size(), '\0');
  BulkRewrite outcome;
  for (auto _ : state) {
    tally.memchr += MemchrPass(text);
    memcpying += Seconds([&] {
      std::memcpy(warmBuffer.data(), text.data(), text.size());
      benchmark::ClobberMemory();
    });
    std::string working;
    copying += Seconds([&] {
      working = text;
      benchmark::DoNotOptimize(working.data());
    });
    tally.Measure(state, [&] { outcome = PutAllTimes(working, 3600); });
  }
  tally.Report(state, text.size());
  state.counters["ratio_to_copy"] = tally.operation / copying;
  state.counters["ratio_to_memcpy"] = tally.operation / memcpying;
  state.counters["start_times"] = static_cast<double>(outcome.rewritten);
}

void BM_ReadEveryVehicle(benchmark::State& state) {
  const std::string& text = Document();
  Tally tally;
  std::size_t vehicles = 0;
  for (auto _ : state) {
    tally.memchr += MemchrPass(text);
    tally.Measure(state, [&] {
      vehicles = 0;
      const std::vector<Pos> ends = FindConsistEnds(text);
      for (std::size_t c = 0; c + 1 < ends.size(); ++c) {
        const Result<ConsistSummary> consist = ReadConsist(ConsistListingText(text, ends, c));
        if (consist) vehicles += consist->vehicles.size();
      }
    });
  }
  tally.Report(state, text.size());
  state.counters["vehicles"] = static_cast<double>(vehicles);
}

// What the editor load does with the document: consist boundaries, captions, the driven
// consist and every vehicle's fields, captions decoded for display.
void BM_EditorLoad(benchmark::State& state) {
  const std::string& text = Document();
  Tally tally;
  std::size_t consists = 0;
  for (auto _ : state) {
    tally.memchr += MemchrPass(text);
    tally.Measure(state, [&] {
      const auto loaded = ReadConsists(text);
      consists = loaded ? loaded->size() : 0;
      benchmark::DoNotOptimize(loaded);
    });
  }
  tally.Report(state, text.size());
  state.counters["consists"] = static_cast<double>(consists);
}

BENCHMARK(BM_EditorLoad)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindEveryConsistEnd)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PutAllTimes)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEveryVehicle)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench

BENCHMARK_MAIN();
