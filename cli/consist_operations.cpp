#include "cli/consist_operations.h"

#include "bridge/converter.h"
#include "cli/scenario_lookup.h"
#include "consist/classification_cache.h"
#include "consist/consist_command.h"
#include "consist/stock_catalogue.h"
#include "consist/stock_gatherer.h"
#include "consist/uniform_source.h"
#include "scenario/editor_load.h"

namespace fennick::cli {

struct ConsistOperations::Stock {
  StockCatalogue catalogue;
  ClassificationCache cache;
  UnseededUniformSource random;
  bool gathered = false;
};

ConsistOperations::ConsistOperations(CliContext& context, ScenarioSession& session,
                                     std::string& drivenCaption)
    : context_(context),
      session_(session),
      drivenCaption_(drivenCaption),
      stock_(std::make_unique<Stock>()) {}

ConsistOperations::~ConsistOperations() = default;

bool ConsistOperations::Apply(const EditOption& option) {
  CliDialogs& dialogs = context_.dialogs;
  const Converter converter(context_.state.paths.ProgramFolder(), context_.state.settings.rsPath);

  if (option.name == "--stock") {
    // FOLDER[:KIND]; a folder may itself hold a colon (a drive letter), so the kind is taken
    // only when it names one.
    QString folder = option.value;
    std::optional<std::string> kind;
    const int colon = folder.lastIndexOf(':');
    if (colon > 0) {
      if (auto caption = StockKindCaption(folder.mid(colon + 1).toStdString())) {
        kind = caption;
        folder = folder.left(colon);
      }
    }
    const StockGatherer gatherer(converter, stock_->cache);
    const GatherOutcome outcome = gatherer.Gather(folder, kind, stock_->catalogue, dialogs);
    stock_->gathered = outcome.gathered;
    return outcome.gathered;
  }

  const bool swap = option.name == "--swap" || option.name == "--swap-all";
  const bool rowsOptional = option.name == "--drive";
  const auto target = ParseConsistTarget(option.value, swap, rowsOptional);
  if (!target) {
    UsageError(context_.err,
               "cannot read " + option.name.toStdString() + " " + option.value.toStdString());
    return false;
  }
  const std::size_t m = std::size_t(target->consist);
  std::vector<std::size_t> rows(target->vehicles.begin(), target->vehicles.end());
  const std::optional<std::size_t> current =
      rows.empty() ? std::optional<std::size_t>(0) : std::optional<std::size_t>(rows.front());
  if (swap && !stock_->gathered) {
    Report(context_, "Gather the available stock with --stock FOLDER[:KIND] before a swap.");
    return false;
  }
  const StockSource source{converter, context_.state.settings.rsPath, stock_->random};
  const std::optional<std::size_t> stockRow =
      target->stockRow >= 0 ? std::optional<std::size_t>(target->stockRow) : std::nullopt;

  static const std::pair<const char*, ConsistCommand> kCommands[] = {
      {"--swap", ConsistCommand::kSwapSelected},
      {"--swap-all", ConsistCommand::kSwapAll},
      {"--duplicate", ConsistCommand::kDuplicate},
      {"--duplicate-rear", ConsistCommand::kDuplicateAtRear},
      {"--delete", ConsistCommand::kDelete},
      {"--drive", ConsistCommand::kDriveIt},
      {"--load", ConsistCommand::kLoad},
      {"--unload", ConsistCommand::kUnload}};
  ConsistCommand command = ConsistCommand::kLoad;
  for (const auto& [name, which] : kCommands) {
    if (option.name == name) command = which;
  }
  const ConsistOutcome outcome = RunConsistCommand(command, session_.scenarioText,
                                                   ConsistSelection{m, current, rows, stockRow},
                                                   stock_->catalogue, source, dialogs);
  if (outcome.drivenLabel) drivenCaption_ = *outcome.drivenLabel;
  // After a refusal or a failure the operations that follow are not run.
  return outcome.ended == Outcome::Kind::kDone;
}

}  // namespace fennick::cli
