#pragma once

#include <QString>

#include "scenario/result.h"

namespace fennick {

// What KeepBackup did, so that a failed save can put it back.
struct BackupMove {
  QString document;  // folder\stem.bin
  QString backup;    // the name it was renamed to; empty when nothing was renamed
  bool renamed() const { return !backup.isEmpty(); }
};

inline constexpr int kNumberedBackups = 50;

// folder\stem.bak for number 0, folder\stem.bakN for 1 to 50.
QString BackupName(const QString& folder, const QString& stem, int number);

// Renames folder\stem.bin to its next backup name, just before the converter writes a new one:
// stem.bak when that does not exist yet (it keeps the document as it was before the first
// save and is never replaced), otherwise the lowest free stem.bak1 to stem.bak50. Renames
// nothing when all fifty-one exist or when there is no stem.bin. Fails when the rename fails.
Result<BackupMove> KeepBackup(const QString& folder, const QString& stem);

// Puts a renamed document back under its own name, removing whatever now stands there.
Status UndoBackup(const BackupMove& move);

}  // namespace fennick
