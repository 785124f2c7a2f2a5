#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "bridge/converter.h"
#include "persist/keep_backup.h"
#include "persist/save_context.h"

namespace fennick {

// A step of a save that did not succeed: what was being done and why it failed.
struct StepFailure {
  std::string what;    // "converting TempFiles\Scenarios.xml into Scenarios.bin"
  std::string detail;  // the reason, as the file system or the converter gave it
};
using StepResult = std::optional<StepFailure>;  // nothing: the step succeeded

// What became of the files when a save stopped before touching any of them.
inline constexpr const char* kNothingChanged = "no scenario file was changed";

// The description inside the save's failure message: what failed, why, and what became of the
// files ("... (reason; the files were put back as they were)").
std::string DescribeFailure(const StepFailure& failure, const std::string& filesNote);

// The file steps of a save or clone, remembered so that a failed step can put every document
// back as it was. Scratch files in TempFiles are not put back: they are the program's own.
class SaveTransaction {
 public:
  explicit SaveTransaction(const SaveContext& context);

  // Writes TempFiles\scratchName, keeps folder\stem.bin under its next backup name and converts
  // the scratch file into a new folder\stem.bin.
  StepResult ReplaceDocument(const QString& scratchName, const std::string& text,
                             const QString& folder, const QString& stem);

  // Writes TempFiles\scratchName, creates `newFolder` (which must not exist yet) and converts
  // the scratch file into newFolder\fileName.
  StepResult WriteNewDocument(const QString& scratchName, const std::string& text,
                              const QString& newFolder, const QString& fileName);

  // Undoes the steps done so far, latest first, and says what became of the files.
  std::string RollBack();

 private:
  struct UndoStep {
    enum Kind { kRenamedToBackup, kOverwritten, kCreatedFile, kCreatedFolder } kind;
    BackupMove move;       // kRenamedToBackup
    QString path;          // the document or folder
    std::string oldBytes;  // kOverwritten: the document as it was
  };

  StepResult WriteScratch(const QString& scratchName, const std::string& text);
  StepResult Convert(const QString& scratchName, const QString& target);
  std::optional<std::string> Undo(const UndoStep& step);

  QString programFolder_;
  Converter converter_;
  std::vector<UndoStep> undo_;
};

}  // namespace fennick
