#include "persist/clone_scenario.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "bridge/paths.h"
#include "persist/boxes_to_entry.h"
#include "persist/clone_name_checks.h"
#include "persist/current_index.h"
#include "persist/element_number.h"
#include "persist/entry_identifier.h"
#include "persist/save_messages.h"
#include "persist/save_transaction.h"
#include "persist/validate_properties.h"
#include "scenario/scenario_entry.h"
#include "scenario/text_codec.h"

namespace fennick {
namespace {

CloneResult Refuse(Dialogs& dialogs, const std::string& reason) {
  dialogs.ShowMessage("The cloned Scenario was not created: " + reason + ".",
                      MessageIcon::Exclamation);
  return {CommandOutcome::kRefused, {}};
}

// The identifier names a folder: only a GUID's hexadecimal digits and hyphens will do.
bool UsableIdentifier(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (!(c.isDigit() && c.unicode() < 128) && !(c >= 'a' && c <= 'f') && !(c >= 'A' && c <= 'F') &&
        c != '-') {
      return false;
    }
  }
  return true;
}

// The folder holding the scenario's folder: the route's Scenarios folder, as the session
// spells it.
QString ScenariosFolderOf(const ScenarioSession& session) {
  const QString scenarioFolder = QString::fromStdString(session.scenarioFolder);
  const qsizetype cut = std::max(scenarioFolder.lastIndexOf('\\'), scenarioFolder.lastIndexOf('/'));
  if (cut > 0) return scenarioFolder.left(cut);
  return JoinPath(QString::fromStdString(session.routeFolder), "Scenarios");
}

// The new entry: the source entry renumbered, with the new identifier and the boxes' texts.
Result<std::string> MakeNewEntry(const ScenarioSession& session, const PropertyBoxes& boxes,
                                 const IdentifierText& identifier) {
  std::string entry = session.scenarioEntry;
  if (Status renumbered = AddToElementNumber(entry, kCloneElementNumberStep); !renumbered) {
    return Error{renumbered.error()};
  }
  const EntryIdentifier newIdentifier{identifier.text.toStdString(),
                                      identifier.firstNumber.toStdString(),
                                      identifier.secondNumber.toStdString()};
  if (Status identified = PutEntryIdentifier(entry, newIdentifier); !identified) {
    return Error{identified.error()};
  }
  Result<EntryProperties> properties =
      EntryPropertiesFromBoxes(boxes, DocumentEncoding(session.indexHead), session.scenarioEntry);
  if (!properties) return Error{properties.error()};
  if (Status written = WriteEntryProperties(entry, *properties); !written) {
    return Error{written.error()};
  }
  return entry;
}

}  // namespace

CloneResult CloneScenario(const SaveContext& context, ScenarioSession& session,
                          const CloneRequest& request, Dialogs& dialogs,
                          const IdentifierSource& newIdentifier) {
  if (!CheckCloneDisplayName(request.boxes[kBoxDisplayName], session.loadedDisplayName, dialogs)) {
    return {};
  }
  if (!dialogs.AskOkCancel(kCloneNote, MessageIcon::Information)) return {};
  if (!ValidateProperties(request.boxes, request.drivenCaption, context.rsPath, dialogs)) {
    return {};
  }

  const IdentifierText identifier = newIdentifier ? newIdentifier() : IdentifierText{};
  if (!UsableIdentifier(identifier.text)) {
    return Refuse(dialogs, "the system gave no usable new identifier for it");
  }
  const QString newFolder = JoinPath(ScenariosFolderOf(session), identifier.text);
  if (QFileInfo::exists(NativePath(newFolder))) {
    return Refuse(
        dialogs,
        "something named " + identifier.text.toStdString() + " already exists in " +
            QDir::toNativeSeparators(NativePath(ScenariosFolderOf(session))).toStdString());
  }
  Result<std::string> newEntry = MakeNewEntry(session, request.boxes, identifier);
  if (!newEntry) return Refuse(dialogs, newEntry.error());

  const std::optional<CurrentIndex> current = ReadIndexBeforeWriting(context, session, dialogs);
  if (!current) return {CommandOutcome::kFailed, {}};
  if (!current->refusal.empty()) return Refuse(dialogs, current->refusal);
  const std::string indexText = current->head + session.scenarioEntry + *newEntry + current->tail;
  SaveTransaction transaction(context);
  StepResult failed = transaction.ReplaceDocument(
      "Scenarios.xml", indexText, QString::fromStdString(session.routeFolder), "Scenarios");
  if (!failed) {
    failed = transaction.WriteNewDocument("Scenario.xml", session.scenarioTextAsRead, newFolder,
                                          "Scenario.bin");
  }
  if (failed) {
    dialogs.ShowMessage(SaveFailureMessage(DescribeFailure(*failed, transaction.RollBack())),
                        MessageIcon::Exclamation);
    return {CommandOutcome::kFailed, {}};
  }

  dialogs.ShowMessage(kClonedMessage, MessageIcon::Information);
  // The index on disk now holds the new entry behind this one.
  session.indexHead = current->head;
  session.indexTail = *newEntry + current->tail;
  session.entryOnDisk = session.scenarioEntry;
  return {CommandOutcome::kDone, identifier.text.toStdString()};
}

}  // namespace fennick
