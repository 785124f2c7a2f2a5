// Whole commands of rs_fennick_cli on a sample installation whose scenario is the generated
// 64 MiB document (2,000 consists of 30 vehicles), with the stand-in converter. Each round runs
// the conversions the command makes, alone, then the command itself, and the medians of five
// rounds give the ratio of the command to its conversions: what the program adds must vanish
// next to the converter. Wall-clock times, as the work is mostly in child processes.
//
// Peak memory is the command's own high-water resident size, read as it exits, divided by the
// document's size; the converter's own peak is printed beside it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/scenario/scenario_document_generator.h"
#include "tools/sample_install/install_layout.h"
#include "tools/serz_format/binary_form.h"
#include "tools/serz_format/file_bytes.h"

namespace fennick::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 5;
const std::string kRoute = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";
const std::string kScenario = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";

struct Run {
  double seconds = 0;
  double peakBytes = 0;
  int status = -1;
};

// The peak resident size of a stopped process, from its VmHWM line; 0 when unreadable.
double HighWaterBytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024.0;  // kB
  }
  return 0;
}

// Runs the program with its output thrown away; times it and reads its own peak resident size
// as it exits. The process is traced for its exit only: wait4's figure would also count the
// converter runs it waits for and, after a spawn, the memory of this benchmark itself.
Run RunChild(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("cannot fork");
  if (pid == 0) {
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    raise(SIGSTOP);
    execv(argv[0], argv.data());
    _exit(127);
  }
  Run run;
  int status = 0;
  waitpid(pid, &status, 0);  // stopped before the exec
  ptrace(PTRACE_SETOPTIONS, pid, nullptr,
         reinterpret_cast<void*>(static_cast<long>(PTRACE_O_TRACEEXIT | PTRACE_O_TRACEEXEC)));
  ptrace(PTRACE_CONT, pid, nullptr, nullptr);
  while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
    const int event = status >> 16;
    long signal = 0;
    if (event == PTRACE_EVENT_EXIT) {
      run.peakBytes = HighWaterBytes(pid);
    } else if (event == 0 && WSTOPSIG(status) != SIGTRAP) {
      signal = WSTOPSIG(status);  // the program's own signals pass on
    }
    ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(signal));
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.status = status;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(arguments[0] + " " + arguments[1] + " did not succeed");
  }
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// A sample installation with the generated scenario, a program folder holding the command line,
// and a scratch folder for the conversions run alone.
class BenchInstall {
 public:
  BenchInstall() {
    root_ = fs::temp_directory_path() / ("fennick-command-bench-" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "program");
    fs::create_directories(root_ / "alone");
    const sample::InstallReport report = sample::LayOutSampleInstallation(
        {root_ / "rs", FENNICK_SERZ_STANDIN, FENNICK_RAILSIM_STANDIN, FENNICK_RAILSIMEDITOR_STANDIN,
         false});
    if (!report.ok()) throw std::runtime_error(report.error);
    const std::string document = GenerateScenarioDocument();
    documentBytes_ = static_cast<double>(document.size());
    if (!serz::WriteFileBytes(ScenarioBin(), serz::EncodeToBinary(document))) {
      throw std::runtime_error("cannot write the generated scenario");
    }
    scenarioBin_ = *serz::ReadFileBytes(ScenarioBin());
    indexBin_ = *serz::ReadFileBytes(IndexBin());
    fs::copy_file(FENNICK_CLI, Cli());
  }
  ~BenchInstall() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  fs::path RouteFolder() const { return root_ / "rs/Content/Routes" / kRoute; }
  fs::path ScenarioFolder() const { return RouteFolder() / "Scenarios" / kScenario; }
  fs::path IndexBin() const { return RouteFolder() / "Scenarios.bin"; }
  fs::path ScenarioBin() const { return ScenarioFolder() / "Scenario.bin"; }
  fs::path Cli() const { return root_ / "program/rs_fennick_cli"; }
  fs::path Alone(const std::string& name) const { return root_ / "alone" / name; }
  double DocumentBytes() const { return documentBytes_; }

  Run Command(const std::vector<std::string>& arguments) const {
    std::vector<std::string> argv{Cli().string(), "--rs-path", (root_ / "rs").string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunChild(argv);
  }

  Run Convert(const fs::path& from, const fs::path& to) const {
    return RunChild({FENNICK_SERZ_STANDIN, from.string(), "xml:" + to.string()});
  }

  // Puts both documents back as they were and drops the backups a save made.
  void Restore() const {
    for (const fs::path& folder : {RouteFolder(), ScenarioFolder()}) {
      for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension().string().rfind(".bak", 0) == 0) fs::remove(entry.path());
      }
    }
    if (!serz::WriteFileBytes(IndexBin(), indexBin_) ||
        !serz::WriteFileBytes(ScenarioBin(), scenarioBin_)) {
      throw std::runtime_error("cannot restore the documents");
    }
  }

 private:
  fs::path root_;
  double documentBytes_ = 0;
  std::string scenarioBin_, indexBin_;
};

const BenchInstall& Install() {
  static const BenchInstall install;
  return install;
}

struct Rounds {
  std::vector<double> command, conversions, commandPeak, converterPeak;

  void Report(benchmark::State& state, std::size_t conversionsPerRound) const {
    const double documentBytes = Install().DocumentBytes();
    state.counters["command_s"] = Median(command);
    state.counters["conversions_s"] = Median(conversions);
    state.counters["conversions"] = static_cast<double>(conversionsPerRound);
    state.counters["ratio_to_conversions"] = Median(command) / Median(conversions);
    state.counters["peak_per_document_byte"] = Median(commandPeak) / documentBytes;
    state.counters["converter_peak_per_document_byte"] = Median(converterPeak) / documentBytes;
    state.counters["document_MiB"] = documentBytes / (1 << 20);
  }
};

// `show ROUTE SCENARIO` against its two conversions: the index and the scenario.
void BM_ShowCommand(benchmark::State& state) {
  const BenchInstall& install = Install();
  install.Restore();
  Rounds rounds;
  for (auto _ : state) {
    const Run index = install.Convert(install.IndexBin(), install.Alone("Scenarios.xml"));
    const Run scenario = install.Convert(install.ScenarioBin(), install.Alone("Scenario.xml"));
    const Run show = install.Command({"show", kRoute, kScenario});
    rounds.conversions.push_back(index.seconds + scenario.seconds);
    rounds.converterPeak.push_back(std::max(index.peakBytes, scenario.peakBytes));
    rounds.command.push_back(show.seconds);
    rounds.commandPeak.push_back(show.peakBytes);
    state.SetIterationTime(show.seconds);
  }
  rounds.Report(state, 2);
}

// `save ROUTE SCENARIO --all-consists --start-time 0600` against its five conversions: the
// index and the scenario when opening, the index again before writing (another copy may have
// saved meanwhile), then both back into .bin files.
void BM_SaveAllConsistsStartTime(benchmark::State& state) {
  const BenchInstall& install = Install();
  Rounds rounds;
  for (auto _ : state) {
    install.Restore();
    double alone = 0, converterPeak = 0;
    for (const auto& [from, to] :
         {std::pair{install.IndexBin(), install.Alone("Scenarios.xml")},
          std::pair{install.ScenarioBin(), install.Alone("Scenario.xml")},
          std::pair{install.IndexBin(), install.Alone("Scenarios.xml")},
          std::pair{install.Alone("Scenarios.xml"), install.Alone("Scenarios.bin")},
          std::pair{install.Alone("Scenario.xml"), install.Alone("Scenario.bin")}}) {
      const Run run = install.Convert(from, to);
      alone += run.seconds;
      converterPeak = std::max(converterPeak, run.peakBytes);
    }
    const Run save = install.Command(
        {"--yes", "save", kRoute, kScenario, "--all-consists", "--start-time", "0600"});
    rounds.conversions.push_back(alone);
    rounds.converterPeak.push_back(converterPeak);
    rounds.command.push_back(save.seconds);
    rounds.commandPeak.push_back(save.peakBytes);
    state.SetIterationTime(save.seconds);
  }
  install.Restore();
  rounds.Report(state, 5);
}

BENCHMARK(BM_ShowCommand)->UseManualTime()->Iterations(kRounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAllConsistsStartTime)
    ->UseManualTime()
    ->Iterations(kRounds)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench

BENCHMARK_MAIN();
