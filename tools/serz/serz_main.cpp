// Stand-in for the simulator's converter serz.exe: turns its own binary form into XML and
// anything else into the binary form, with the real converter's command line.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "tools/serz/fault_injection.h"
#include "tools/serz/run_log.h"
#include "tools/serz/serz_arguments.h"
#include "tools/serz_format/binary_form.h"
#include "tools/serz_format/file_bytes.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr int kBadArguments = 2;
constexpr int kConversionFailed = 1;

int Fail(int status, const std::string& message) {
  std::cerr << "serz.exe: " << message << '\n';
  return status;
}

long long ProcessId() {
#ifdef _WIN32
  return static_cast<long long>(GetCurrentProcessId());
#else
  return static_cast<long long>(getpid());
#endif
}

// A stand-in that must stay put until a test lets it go looks for its file now and then.
void WaitUntilExists(const std::filesystem::path& path) {
  std::error_code ignored;
  while (!std::filesystem::exists(path, ignored)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// Written under another name first, so a test that sees the file sees all of it.
bool WriteWhole(const std::string& path, const std::string& bytes) {
  if (!fennick::serz::WriteFileBytes(path + ".part", bytes)) return false;
  std::error_code error;
  std::filesystem::rename(path + ".part", path, error);
  return !error;
}

// FENNICK_SERZ_HOLD=PATH: once the output is written, says so by writing the output path into
// PATH.waiting and stays until PATH exists.
bool HoldAfterWriting(const std::string& holdPath, const std::string& outputPath) {
  if (!WriteWhole(holdPath + ".waiting", outputPath)) return false;
  WaitUntilExists(holdPath);
  return true;
}

// The command line as the process received it. On Windows that is one text whose quoting the
// arguments no longer show; elsewhere the arguments joined by blanks stand in for it.
std::string WholeCommandLine(const std::vector<std::string>& arguments) {
#ifdef _WIN32
  (void)arguments;
  const wchar_t* line = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), size, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
#else
  std::string text = "serz.exe";
  for (const std::string& argument : arguments) text += ' ' + argument;
  return text;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace fennick::serz;
  const std::vector<std::string> arguments(argv + 1, argv + argc);

  if (const char* logPath = std::getenv("FENNICK_SERZ_LOG"); logPath && *logPath) {
    if (!AppendLogLine(logPath, TabJoined(arguments))) {
      return Fail(kBadArguments, std::string("cannot append to FENNICK_SERZ_LOG file ") + logPath);
    }
  }

  if (const char* logPath = std::getenv("FENNICK_SERZ_COMMAND_LOG"); logPath && *logPath) {
    if (!AppendLogLine(logPath, WholeCommandLine(arguments))) {
      return Fail(kBadArguments,
                  std::string("cannot append to FENNICK_SERZ_COMMAND_LOG file ") + logPath);
    }
  }

  const ParsedArguments parsed = ParseSerzArguments(arguments);
  if (!parsed.ok()) return Fail(kBadArguments, parsed.error);
  const ConversionPaths& paths = parsed.paths;

  const FaultDecision fault = DecideFault(std::getenv("FENNICK_SERZ_FAIL"), paths.inputPath);
  if (!fault.error.empty()) return Fail(kBadArguments, fault.error);
  switch (fault.kind) {
    case FaultKind::kExitNonZero:
      return Fail(kFaultExitStatus, "failing on request (FENNICK_SERZ_FAIL)");
    case FaultKind::kSilentNoOutput:
      return 0;
    case FaultKind::kNoisy:
      std::cerr << std::string(kNoisyLength, 'E') << '\n';
      return Fail(kFaultExitStatus, "failing noisily on request (FENNICK_SERZ_FAIL)");
    case FaultKind::kReadInput:
      while (std::getchar() != EOF) {
      }
      break;
    case FaultKind::kHang:
      if (!WriteWhole(paths.outputPath, std::to_string(ProcessId()))) {
        return Fail(kConversionFailed, "cannot write the output file " + paths.outputPath);
      }
      for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
    case FaultKind::kNone:
      break;
  }

  const std::optional<std::string> input = ReadFileBytes(paths.inputPath);
  if (!input) return Fail(kConversionFailed, "cannot read the input file " + paths.inputPath);

  std::string output;
  if (HasBinaryMagic(*input)) {
    DecodedText decoded = DecodeFromBinary(*input);
    if (!decoded.ok()) return Fail(kConversionFailed, paths.inputPath + ": " + decoded.error);
    output = std::move(decoded.text);
  } else {
    output = EncodeToBinary(*input);
  }

  if (!WriteFileBytes(paths.outputPath, output)) {
    return Fail(kConversionFailed, "cannot write the output file " + paths.outputPath);
  }
  if (const char* hold = std::getenv("FENNICK_SERZ_HOLD"); hold && *hold) {
    if (!HoldAfterWriting(hold, paths.outputPath)) {
      return Fail(kConversionFailed, std::string("cannot signal FENNICK_SERZ_HOLD at ") + hold);
    }
  }
  return 0;
}
