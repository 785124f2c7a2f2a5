#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "bridge/converter.h"
#include "consist/blueprint_class.h"
#include "consist/classification_cache.h"
#include "consist/gather_progress.h"
#include "scenario/result.h"

namespace fennick {

struct Classifications {
  // One per file, in the order given; empty for files not reached because of a cancel.
  std::vector<std::optional<Result<BlueprintClass>>> results;
  bool cancelled = false;
  std::size_t conversions = 0;  // converter runs made (files not found in the cache)
};

// One worker per core unless told otherwise.
unsigned DefaultClassifierWorkers();

// Classifies the files with up to `workers` converter processes at a time. Each worker has its
// own scratch file (temp.xml, temp2.xml, ...) and deletes it after every run, so no two
// processes ever write one file. Files whose size and time match the cache are not converted;
// every fresh result is stored in it. Progress is reported on the calling thread.
Classifications ClassifyFiles(const Converter& converter, const std::vector<QString>& files,
                              ClassificationCache& cache, unsigned workers,
                              GatherProgress* progress);

}  // namespace fennick
