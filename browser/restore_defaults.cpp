#include "browser/restore_defaults.h"

#include <filesystem>
#include <system_error>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "browser/backup_target.h"
#include "browser/display_text.h"

namespace fennick::browser {

namespace {

constexpr int kNumberedBackups = 50;

std::filesystem::path FileSystemPath(const QString& pathText) {
  return std::filesystem::path(NativePath(pathText).toStdU16String());
}

// std::filesystem::rename replaces an existing target atomically, unlike QFile::rename.
std::string RenameReplacing(const QString& from, const QString& to) {
  std::error_code failure;
  std::filesystem::rename(FileSystemPath(from), FileSystemPath(to), failure);
  if (!failure) return {};
  return "Cannot rename " + ShownPath(from) + " to " + ShownPath(to) + " (" + failure.message() +
         ")";
}

bool Report(const QString& document, const std::vector<std::string>& failures, Dialogs& dialogs) {
  if (failures.empty()) return true;
  std::string text = "The default of " + ShownPath(document) + " could not be restored:";
  for (const std::string& failure : failures) text += "\n" + failure;
  dialogs.ShowMessage(text);
  return false;
}

bool Revert(const std::optional<BackupTarget>& target, Dialogs& dialogs) {
  if (!target) return false;
  return Report(JoinPath(target->folder, target->stem + ".bin"),
                RestoreFirstBackup(target->folder, target->stem), dialogs);
}

}  // namespace

std::vector<std::string> RestoreFirstBackup(const QString& folder, const QString& stem) {
  std::vector<std::string> failures;
  for (int n = 1; n <= kNumberedBackups; ++n) {
    const QString backup = JoinPath(folder, stem + ".bak" + QString::number(n));
    if (!FileExists(backup)) continue;
    if (Status deleted = DeleteFile(backup); !deleted) failures.push_back(deleted.error());
  }
  const QString document = JoinPath(folder, stem + ".bin");
  const QString firstBackup = JoinPath(folder, stem + ".bak");
  if (FileExists(document) && FileExists(firstBackup)) {
    if (std::string failed = RenameReplacing(firstBackup, document); !failed.empty()) {
      failures.push_back(std::move(failed));
    }
  }
  return failures;
}

bool RevertRoute(const QString& rsPath, const BrowserState& browser, std::optional<int> routeRow,
                 Dialogs& dialogs) {
  return Revert(RouteIndexTarget(rsPath, browser, routeRow), dialogs);
}

bool RevertScenario(const BrowserState& browser, const std::vector<int>& selectedRows,
                    Dialogs& dialogs) {
  return Revert(ScenarioDocumentTarget(browser, selectedRows), dialogs);
}

}  // namespace fennick::browser
