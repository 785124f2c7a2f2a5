#include <QDir>
#include <QFileInfo>
#include <optional>
#include <ostream>

#include "bridge/converter.h"
#include "cli/command_groups.h"
#include "consist/classification_cache.h"
#include "consist/stock_catalogue.h"
#include "consist/stock_gatherer.h"

namespace fennick::cli {

namespace {

// stock FOLDER [--kind KIND]: "Find Available Rolling-Stock" on FOLDER; one line a vehicle.
int RunStock(CliContext& context, const QStringList& arguments) {
  QString folder;
  std::optional<std::string> kind;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == "--kind") {
      if (i + 1 >= arguments.size()) return UsageError(context.err, "--kind needs a kind");
      kind = StockKindCaption(arguments[++i].toStdString());
      if (!kind) {
        return UsageError(context.err,
                          "unknown kind " + arguments[i].toStdString() +
                              " (one of Diesel, Electric, Steam, Passenger, Freight, Tender, "
                              "DMU, EMU)");
      }
    } else if (argument.startsWith("--")) {
      return UsageError(context.err, "unknown option " + argument.toStdString());
    } else if (folder.isEmpty()) {
      folder = argument;
    } else {
      return UsageError(context.err, "stock takes one folder");
    }
  }
  if (folder.isEmpty()) return UsageError(context.err, "stock needs a folder");

  const QFileInfo info(folder);
  if (!info.isDir()) {
    context.err << "The folder " << QDir::toNativeSeparators(folder).toStdString()
                << " does not exist.\n";
    return kExitFailed;
  }
  ClassificationCache cache;
  const StockGatherer gatherer(
      Converter(context.state.paths.ProgramFolder(), context.state.settings.rsPath), cache);
  StockCatalogue catalogue;
  const GatherOutcome outcome =
      gatherer.Gather(info.absoluteFilePath(), kind, catalogue, context.dialogs);
  if (!outcome.gathered) return kExitFailed;
  for (const StockEntry& entry : catalogue.entries) {
    context.out << entry.name << '\t' << entry.blueprintId << '\n';
  }
  // Errors of the walk were reported on stderr; the list holds everything else that was found.
  return outcome.gathered && outcome.errors == 0 ? kExitDone : kExitFailed;
}

}  // namespace

std::vector<CliCommand> StockCommands() {
  return {{"stock", "FOLDER [--kind KIND]",
           "list the rolling stock of a RailVehicles folder: name, TAB, blueprint ID",
           "/path/to/RailSimulator/Assets/Kuju/RailSimulator/RailVehicles --kind Freight",
           CliOptions::kStockKind, RunStock}};
}

}  // namespace fennick::cli
