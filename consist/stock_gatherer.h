#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "bridge/converter.h"
#include "consist/classification_cache.h"
#include "consist/gather_progress.h"
#include "consist/parallel_classifier.h"
#include "consist/stock_catalogue.h"

namespace fennick {

struct GatherOutcome {
  bool gathered = false;        // false: refused, stopped at the question, or cancelled
  bool cancelled = false;       // the progress watcher asked to stop; the list stays empty
  std::size_t candidates = 0;   // files that passed the path filters
  std::size_t conversions = 0;  // converter runs made (candidates not in the cache)
  std::size_t errors = 0;       // files the walk could not use, shown together at the end
};

// "Find Available Rolling-Stock": fills a catalogue with the stock of one kind found below a
// folder. Paths are filtered first; the candidates are then classified in parallel and added in
// the walk's order. Every error of the walk is collected and shown once, at the end.
class StockGatherer {
 public:
  StockGatherer(Converter converter, ClassificationCache& cache,
                unsigned workers = DefaultClassifierWorkers());

  // chosenKind: caption of the chosen kind option; nothing keeps the catalogue's kind.
  GatherOutcome Gather(const QString& folderPath, const std::optional<std::string>& chosenKind,
                       StockCatalogue& catalogue, Dialogs& dialogs,
                       GatherProgress* progress = nullptr) const;

 private:
  Converter converter_;
  ClassificationCache& cache_;
  unsigned workers_;
};

}  // namespace fennick
