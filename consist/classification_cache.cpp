#include "consist/classification_cache.h"

#include <QDateTime>
#include <QFileInfo>

namespace fennick {

std::optional<ClassificationCache::Stamp> ClassificationCache::StampOf(const QString& filePath) {
  const QFileInfo info(filePath);
  if (!info.isFile()) return std::nullopt;
  return Stamp{info.size(), info.lastModified().toMSecsSinceEpoch()};
}

std::optional<BlueprintClass> ClassificationCache::Find(const QString& filePath,
                                                        const Stamp& stamp) const {
  std::lock_guard lock(mutex_);
  const auto it = entries_.constFind(filePath);
  if (it == entries_.cend() || !(it->stamp == stamp)) return std::nullopt;
  return it->found;
}

void ClassificationCache::Store(const QString& filePath, const Stamp& stamp,
                                const BlueprintClass& found) {
  std::lock_guard lock(mutex_);
  entries_[filePath] = Entry{stamp, found};
}

std::size_t ClassificationCache::size() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

}  // namespace fennick
