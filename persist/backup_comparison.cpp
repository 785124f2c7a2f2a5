#include "persist/backup_comparison.h"

#include <optional>

#include "bridge/paths.h"
#include "persist/backup_files.h"
#include "scenario/index_cut.h"
#include "scenario/scenario_entry.h"

namespace fennick {

namespace {

// A save converts the index a moment before the document; allow for that and for file systems
// that keep times to two seconds.
constexpr qint64 kSameSaveMilliseconds = 2000;

// Private scratch names, so a comparison never overwrites what the editor or a save converted.
const QString kBackupScratch = "Compare-Backup.xml";
const QString kCurrentScratch = "Compare-Current.xml";
const QString kBackupIndexScratch = "Compare-BackupIndex.xml";
const QString kCurrentIndexScratch = "Compare-CurrentIndex.xml";

// The scenario's twelve properties as an index holds them; nothing when it holds no entry for
// the scenario or the entry cannot be read.
std::optional<PropertyBoxes> PropertiesInIndex(const std::string& index,
                                               const std::string& folderName) {
  auto cut = CutScenarioEntry(index, folderName);
  if (!cut) return std::nullopt;
  auto properties = ReadEntryProperties(cut->entry);
  if (!properties) return std::nullopt;
  auto boxes = ShownProperties(*properties, DocumentEncoding(index));
  if (!boxes) return std::nullopt;
  return std::move(*boxes);
}

Result<ComparedScenario> ReadDocument(const Converter& converter, const QString& path,
                                      const QString& scratchName) {
  auto text = converter.BinToXml(path, scratchName);
  if (!text) return Error{text.error()};
  auto consists = ReadConsists(*text);
  if (!consists) return Error{LastPathElement(path).toStdString() + ": " + consists.error()};
  return ComparedScenario{std::nullopt, std::move(*consists), DocumentEncoding(*text)};
}

// The index file written last no later than `moment`.
std::optional<BackupFile> IndexOfTheTime(const QString& routeFolder, const QDateTime& moment) {
  BackupListing indexes = ListBackups(routeFolder, "Scenarios");
  if (indexes.current) indexes.backups.push_back(*indexes.current);
  std::optional<BackupFile> chosen;
  for (const BackupFile& index : indexes.backups) {
    if (index.modified.msecsTo(moment) < -kSameSaveMilliseconds) continue;
    if (!chosen || index.modified > chosen->modified) chosen = index;
  }
  return chosen;
}

}  // namespace

Result<ScenarioBackupComparison> CompareScenarioBackup(const Converter& converter,
                                                       const ScenarioBackupSource& source) {
  const BackupListing documents = ListBackups(source.scenarioFolder, "Scenario");
  const BackupFile* backup = nullptr;
  for (const BackupFile& file : documents.backups) {
    if (file.name.compare(source.backupName, Qt::CaseInsensitive) == 0) backup = &file;
  }
  if (!backup) {
    return Error{(source.backupName + " is not a backup of Scenario.bin.").toStdString()};
  }
  if (Status made = converter.MakeScratchFolder(); !made) return Error{made.error()};

  auto older =
      ReadDocument(converter, JoinPath(source.scenarioFolder, backup->name), kBackupScratch);
  if (!older) return Error{older.error()};
  auto newer =
      ReadDocument(converter, JoinPath(source.scenarioFolder, "Scenario.bin"), kCurrentScratch);
  if (!newer) return Error{newer.error()};
  auto currentIndex =
      converter.BinToXml(JoinPath(source.routeFolder, "Scenarios.bin"), kCurrentIndexScratch);
  if (!currentIndex) return Error{currentIndex.error()};
  newer->properties = PropertiesInIndex(*currentIndex, source.folderName);

  ScenarioBackupComparison comparison;
  if (const auto index = IndexOfTheTime(source.routeFolder, backup->modified)) {
    if (index->number < 0) {
      older->properties = newer->properties;
    } else if (auto text = converter.BinToXml(JoinPath(source.routeFolder, index->name),
                                              kBackupIndexScratch)) {
      older->properties = PropertiesInIndex(*text, source.folderName);
    }
    if (older->properties) comparison.backupIndexName = index->name;
  }
  comparison.rows = CompareScenarios(*older, *newer);
  return comparison;
}

}  // namespace fennick
