#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace fennick {

// A document or one of its backups, as its folder holds it.
struct BackupFile {
  QString name;     // as spelled on disk
  int number = -1;  // -1 the document itself, 0 for stem.bak, 1 to 50 for stem.bakN
  QDateTime modified;
  qint64 size = 0;
};

struct BackupListing {
  std::optional<BackupFile> current;  // folder\stem.bin, when it exists
  std::vector<BackupFile> backups;    // oldest first: stem.bak, then stem.bak1 up
};

// The document folder\stem.bin and every backup by the save's naming, in any letter case.
// Names outside that naming (stem.bak01, stem.bak51, stem.bak.old) are not backups.
BackupListing ListBackups(const QString& folder, const QString& stem);

// The backup number a file name stands for, or nothing when it is not a backup of stem.
std::optional<int> BackupNumber(const QString& fileName, const QString& stem);

}  // namespace fennick
