#include "persist/keep_backup.h"

#include <QFileInfo>

#include "bridge/file_utils.h"
#include "bridge/paths.h"

namespace fennick {

QString BackupName(const QString& folder, const QString& stem, int number) {
  const QString name = stem + ".bak" + (number == 0 ? QString() : QString::number(number));
  return JoinPath(folder, name);
}

Result<BackupMove> KeepBackup(const QString& folder, const QString& stem) {
  BackupMove move{JoinPath(folder, stem + ".bin"), {}};
  if (!QFileInfo(NativePath(move.document)).isFile()) return move;
  for (int number = 0; number <= kNumberedBackups; ++number) {
    const QString candidate = BackupName(folder, stem, number);
    if (FileExists(candidate)) continue;
    if (Status renamed = RenameFile(move.document, candidate); !renamed) {
      return Error{renamed.error()};
    }
    move.backup = candidate;
    return move;
  }
  return move;
}

Status UndoBackup(const BackupMove& move) {
  if (!move.renamed()) return Ok();
  const QString native = NativePath(move.document);
  if (QFileInfo::exists(native)) {
    if (Status removed = DeleteFile(move.document); !removed) return removed;
  }
  return RenameFile(move.backup, move.document);
}

}  // namespace fennick
