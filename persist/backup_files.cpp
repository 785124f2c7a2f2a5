#include "persist/backup_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "bridge/paths.h"
#include "persist/keep_backup.h"

namespace fennick {

std::optional<int> BackupNumber(const QString& fileName, const QString& stem) {
  const QString prefix = stem + ".bak";
  if (!fileName.startsWith(prefix, Qt::CaseInsensitive)) return std::nullopt;
  const QStringView digits = QStringView(fileName).mid(prefix.size());
  if (digits.isEmpty()) return 0;
  // The save writes the number without leading zeros, so "01" is someone else's file.
  if (digits.size() > 2 || digits.front() == u'0') return std::nullopt;
  bool isNumber = false;
  const int number = digits.toInt(&isNumber);
  if (!isNumber || number < 1 || number > kNumberedBackups) return std::nullopt;
  for (QChar digit : digits) {
    if (digit < u'0' || digit > u'9') return std::nullopt;
  }
  return number;
}

BackupListing ListBackups(const QString& folder, const QString& stem) {
  BackupListing listing;
  const QDir dir(NativePath(folder));
  const QString documentName = stem + ".bin";
  for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
    const QString name = file.fileName();
    BackupFile entry{name, -1, file.lastModified(), file.size()};
    if (name.compare(documentName, Qt::CaseInsensitive) == 0) {
      // Two spellings of stem.bin on a case-sensitive disk: the one the program opens wins.
      if (!listing.current || NativePath(JoinPath(folder, documentName)) == file.filePath()) {
        listing.current = entry;
      }
    } else if (const std::optional<int> number = BackupNumber(name, stem)) {
      entry.number = *number;
      listing.backups.push_back(entry);
    }
  }
  std::stable_sort(listing.backups.begin(), listing.backups.end(),
                   [](const BackupFile& a, const BackupFile& b) { return a.number < b.number; });
  return listing;
}

}  // namespace fennick
