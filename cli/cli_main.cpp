#include <QCoreApplication>
#include <iostream>

#include "app/app_paths.h"
#include "app/settings.h"
#include "cli/cli_context.h"
#include "cli/help.h"

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace fennick::cli {

int UsageError(std::ostream& err, const std::string& problem) {
  if (!problem.empty()) err << "rs_fennick_cli: " << problem << '\n';
  err << "usage: rs_fennick_cli [--rs-path DIR] [--yes] COMMAND [ARGS...]\ncommands:\n";
  for (const CliCommand& command : Commands()) {
    err << "  " << command.name << ' ' << command.synopsis << '\n';
  }
  return kExitUsage;
}

int Main(const QStringList& argv) {
  QString rsPathOverride;
  bool haveOverride = false;
  bool answerYes = false;
  int at = 1;
  for (; at < argv.size(); ++at) {
    const QString& arg = argv[at];
    if (arg == "--rs-path") {
      if (at + 1 >= argv.size()) return UsageError(std::cerr, "--rs-path needs a folder");
      rsPathOverride = argv[++at];
      haveOverride = true;
    } else if (arg == "--yes") {
      answerYes = true;
    } else if (arg == "--help" || arg == "-h") {
      PrintCommandList(std::cout);
      return kExitDone;
    } else if (arg.startsWith("--")) {
      return UsageError(std::cerr, "unknown option " + arg.toStdString());
    } else {
      break;
    }
  }
  if (at >= argv.size()) return UsageError(std::cerr, "no command given");
  const QString name = argv[at];
  const QStringList arguments = argv.mid(at + 1);

  AppState state{AppPaths::ForExecutable(QCoreApplication::applicationDirPath()), {}};
  LoadSettings(state.paths.IniPath(), state.settings);
  if (haveOverride) state.settings.rsPath = rsPathOverride;

  CliDialogs dialogs(std::cerr, answerYes);
  CliContext context{state, dialogs, std::cout, std::cerr};
  for (const CliCommand& command : Commands()) {
    if (name == command.name) {
      if (arguments.contains("--help") || arguments.contains("-h")) {
        PrintCommandHelp(std::cout, command);
        return kExitDone;
      }
      if (state.settings.rsPath.isEmpty() && name != "help") {
        std::cerr << "No Rail Simulator folder is known: give --rs-path DIR or choose it in "
                     "rs_fennick (Options, Select RS Path).\n";
        return kExitFailed;
      }
      return command.run(context, arguments);
    }
  }
  return UsageError(std::cerr, "unknown command " + name.toStdString());
}

}  // namespace fennick::cli

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
  // The same bytes as on other systems (LF line ends, UTF-8 text), and a console that shows
  // them as UTF-8 while the program runs.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const UINT consoleCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
#endif
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("RS_Fennick"));
  const int status = fennick::cli::Main(QCoreApplication::arguments());
#ifdef Q_OS_WIN
  std::cout.flush();
  std::cerr.flush();
  SetConsoleOutputCP(consoleCodePage);
#endif
  return status;
}
