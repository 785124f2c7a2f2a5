#include "persist/current_index.h"

#include "bridge/paths.h"
#include "persist/save_messages.h"
#include "persist/save_transaction.h"
#include "scenario/index_cut.h"

namespace fennick {

namespace {

constexpr const char* kChangedMeanwhile =
    "the route's Scenarios.bin was changed by another program since this scenario was opened";

}  // namespace

Result<CurrentIndex> ReadCurrentIndex(const Converter& converter, const ScenarioSession& session) {
  const QString routeFolder = QString::fromStdString(session.routeFolder);
  Result<std::string> text =
      converter.BinToXml(JoinPath(routeFolder, "Scenarios.bin"), QStringLiteral("Scenarios.xml"));
  if (!text) return Error{text.error()};
  Result<IndexCut> cut = CutScenarioEntry(*text, session.folderName);
  if (!cut) {
    return CurrentIndex{{}, {}, std::string(kChangedMeanwhile) + " and no longer lists it"};
  }
  if (cut->entry != session.entryOnDisk) {
    return CurrentIndex{{},
                        {},
                        std::string(kChangedMeanwhile) +
                            ", and its entry there changed too. Open the scenario again to edit "
                            "it as it is now"};
  }
  return CurrentIndex{std::move(cut->head), std::move(cut->tail), {}};
}

std::optional<CurrentIndex> ReadIndexBeforeWriting(const SaveContext& context,
                                                   const ScenarioSession& session,
                                                   Dialogs& dialogs) {
  // The index as it is now, not as it was read: another copy may have saved meanwhile.
  Result<CurrentIndex> current =
      ReadCurrentIndex(Converter(context.programFolder, context.rsPath), session);
  if (current) return std::move(*current);
  dialogs.ShowMessage(
      SaveFailureMessage(DescribeFailure(
          {"reading the route's Scenarios.bin again", current.error()}, kNothingChanged)),
      MessageIcon::Exclamation);
  return std::nullopt;
}

}  // namespace fennick
