#include <ostream>

#include "browser/backup_target.h"
#include "cli/command_groups.h"
#include "cli/scenario_lookup.h"
#include "persist/backup_files.h"
#include "persist/restore_backup.h"

namespace fennick::cli {

namespace {

using browser::BackupTarget;

// ROUTE, or ROUTE SCENARIO, as the browser's selection would name the document.
std::optional<BackupTarget> FindTarget(CliContext& context, const QStringList& arguments) {
  browser::BrowserState browser;
  if (arguments.size() == 1) {
    const auto routeRow = FindRoute(context, browser, arguments[0]);
    if (!routeRow) return std::nullopt;
    return browser::RouteIndexTarget(context.state.settings.rsPath, browser, routeRow);
  }
  const auto row = FindScenario(context, browser, arguments[0], arguments[1]);
  if (!row) return std::nullopt;
  return browser::ScenarioDocumentTarget(browser, {*row});
}

bool HasOneOrTwo(const QStringList& arguments, int extra, CliContext& context, const char* what) {
  const int count = static_cast<int>(arguments.size()) - extra;
  if (count == 1 || count == 2) return true;
  UsageError(context.err, std::string("expected ") + what);
  return false;
}

int Backups(CliContext& context, const QStringList& arguments) {
  if (!HasOneOrTwo(arguments, 0, context, "ROUTE [SCENARIO]")) return kExitUsage;
  const auto target = FindTarget(context, arguments);
  if (!target) return kExitFailed;
  for (const BackupFile& backup : ListBackups(target->folder, target->stem).backups) {
    context.out << backup.name.toStdString() << '\t'
                << backup.modified.toString("yyyy-MM-dd HH:mm:ss").toStdString() << '\t'
                << backup.size << '\n';
  }
  return kExitDone;
}

int RestoreBackupCommand(CliContext& context, const QStringList& arguments) {
  if (!HasOneOrTwo(arguments, 1, context, "ROUTE [SCENARIO] NAME")) return kExitUsage;
  const auto target = FindTarget(context, arguments.mid(0, arguments.size() - 1));
  if (!target) return kExitFailed;
  return Outcome(
      RestoreBackup(target->folder, target->stem, arguments.back(), context.dialogs).done());
}

}  // namespace

std::vector<CliCommand> BackupCommands() {
  return {
      {"backups", "ROUTE [SCENARIO]",
       "list the backups of the route's Scenarios.bin or the scenario's Scenario.bin, oldest first",
       "ROUTE-FOLDER SCENARIO-FOLDER", CliOptions::kNone, Backups},
      {"restore-backup", "ROUTE [SCENARIO] NAME",
       "put the backup NAME back, keeping the current file as a backup first",
       "ROUTE-FOLDER SCENARIO-FOLDER Scenario.bak2", CliOptions::kNone, RestoreBackupCommand},
  };
}

}  // namespace fennick::cli
