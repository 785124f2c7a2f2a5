#include "consist/stock_gatherer.h"

#include <QDir>

#include "bridge/paths.h"
#include "consist/messages.h"
#include "consist/stock_folder.h"
#include "consist/stock_walk.h"

namespace fennick {

namespace {

std::string Shown(const QString& path) {
  return QDir::toNativeSeparators(path).toStdString();
}

// Whether the candidate is stock of the kind its test asks for.
bool PassesTest(KindTest test, const BlueprintClass& found) {
  switch (test) {
    case KindTest::kEngine:
      return found.engine;
    case KindTest::kWagon:
      return found.wagon;
    case KindTest::kTender:
      return found.tender;
    case KindTest::kEngineOrWagon:
      return found.engine || found.wagon;
    case KindTest::kSkip:
      break;
  }
  return false;
}

std::string WalkErrorMessage(const std::vector<std::string>& errors) {
  std::string message;
  for (const std::string& description : errors) {
    if (!message.empty()) message += '\n';
    message.append(kWalkErrorLead).append(description).append(kWalkErrorTail);
  }
  return message;
}

}  // namespace

StockGatherer::StockGatherer(Converter converter, ClassificationCache& cache, unsigned workers)
    : converter_(std::move(converter)), cache_(cache), workers_(workers) {}

GatherOutcome StockGatherer::Gather(const QString& folderPath,
                                    const std::optional<std::string>& chosenKind,
                                    StockCatalogue& catalogue, Dialogs& dialogs,
                                    GatherProgress* progress) const {
  GatherOutcome outcome;
  catalogue.entries.clear();
  if (chosenKind) catalogue.kind = *chosenKind;

  const std::optional<StockFolder> folder = SplitStockFolder(folderPath);
  if (!folder) {
    dialogs.ShowMessage("The folder " + Shown(folderPath) +
                        " is too near the top of the disk to name a provider and a product "
                        "folder. Please select a RailVehicles folder below Assets.");
    return outcome;
  }
  if (!IsRailVehiclesFolder(*folder)) {
    if (!dialogs.AskOkCancel(std::string(kNotRailVehiclesFolder))) return outcome;
    catalogue.anyFolderAccepted = true;
  }
  catalogue.leaf = folder->leaf;
  catalogue.product = folder->product;
  catalogue.provider = folder->provider;
  catalogue.productFolderChosen = folder->productFolderChosen;

  StockWalk walk = WalkStockFolder(*folder, catalogue.kind, catalogue.anyFolderAccepted);
  std::vector<QString> files;
  files.reserve(walk.candidates.size());
  for (const StockCandidate& candidate : walk.candidates) files.push_back(candidate.filePath);
  outcome.candidates = files.size();

  Classifications classified = ClassifyFiles(converter_, files, cache_, workers_, progress);
  outcome.conversions = classified.conversions;
  if (classified.cancelled) {
    outcome.cancelled = true;
    return outcome;
  }

  std::vector<std::string> errors = std::move(walk.errors);
  for (std::size_t i = 0; i < walk.candidates.size(); ++i) {
    // A file no worker reached (only after a cancel, which returned above) is not listed.
    if (i >= classified.results.size() || !classified.results[i]) continue;
    const Result<BlueprintClass>& result = *classified.results[i];
    if (!result) {
      errors.push_back(result.error());
      continue;
    }
    if (!PassesTest(walk.candidates[i].test, *result)) continue;
    if (!result->name) {
      errors.push_back("the blueprint " + Shown(NativePath(files[i])) + " has no Name element");
      continue;
    }
    catalogue.entries.push_back({*result->name, walk.candidates[i].blueprintId});
  }
  outcome.errors = errors.size();
  if (!errors.empty()) dialogs.ShowMessage(WalkErrorMessage(errors));
  outcome.gathered = true;
  return outcome;
}

}  // namespace fennick
