// Stand-in for the simulator's converter serz.exe: turns its own binary form into XML and
// anything else into the binary form, with the real converter's command line.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

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
  if (fault.kind == FaultKind::kExitNonZero) {
    return Fail(kFaultExitStatus, "failing on request (FENNICK_SERZ_FAIL)");
  }
  if (fault.kind == FaultKind::kSilentNoOutput) return 0;

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
  return 0;
}
