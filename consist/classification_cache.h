#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <mutex>
#include <optional>

#include "consist/blueprint_class.h"

namespace fennick {

// Blueprint classifications of one run of the program, so gathering the same folder again
// converts nothing. An entry holds only while the file keeps its size and modification time.
// Safe to use from several threads.
class ClassificationCache {
 public:
  // The file's size and modification time now; nothing when it cannot be looked at.
  struct Stamp {
    std::int64_t size = 0;
    std::int64_t modified = 0;  // milliseconds since the epoch
    bool operator==(const Stamp&) const = default;
  };
  static std::optional<Stamp> StampOf(const QString& filePath);

  std::optional<BlueprintClass> Find(const QString& filePath, const Stamp& stamp) const;
  void Store(const QString& filePath, const Stamp& stamp, const BlueprintClass& found);
  std::size_t size() const;

 private:
  struct Entry {
    Stamp stamp;
    BlueprintClass found;
  };
  mutable std::mutex mutex_;
  QHash<QString, Entry> entries_;
};

}  // namespace fennick
