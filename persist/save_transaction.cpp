#include "persist/save_transaction.h"

#include <QDir>
#include <QFileInfo>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "persist/scratch_xml.h"

namespace fennick {
namespace {

std::string Shown(const QString& pathText) {
  return QDir::toNativeSeparators(NativePath(pathText)).toStdString();
}

std::string Utf8(const QString& text) {
  return text.toStdString();
}

bool Exists(const QString& pathText) {
  return QFileInfo::exists(NativePath(pathText));
}

}  // namespace

std::string DescribeFailure(const StepFailure& failure, const std::string& filesNote) {
  std::string detail = failure.detail;
  // The reasons are often whole sentences; the note follows inside the same brackets.
  while (!detail.empty() && (detail.back() == '.' || detail.back() == ' ')) detail.pop_back();
  return failure.what + " (" + detail + "; " + filesNote + ")";
}

SaveTransaction::SaveTransaction(const SaveContext& context)
    : programFolder_(context.programFolder), converter_(context.programFolder, context.rsPath) {}

StepResult SaveTransaction::WriteScratch(const QString& scratchName, const std::string& text) {
  if (Status written = WriteScratchXml(programFolder_, scratchName, text); !written) {
    return StepFailure{"writing the scratch file TempFiles\\" + Utf8(scratchName), written.error()};
  }
  return std::nullopt;
}

StepResult SaveTransaction::Convert(const QString& scratchName, const QString& target) {
  if (Status converted = converter_.XmlToBin(scratchName, target); !converted) {
    return StepFailure{
        "converting TempFiles\\" + Utf8(scratchName) + " into " + Utf8(LastPathElement(target)),
        converted.error()};
  }
  return std::nullopt;
}

StepResult SaveTransaction::ReplaceDocument(const QString& scratchName, const std::string& text,
                                            const QString& folder, const QString& stem) {
  if (StepResult failed = WriteScratch(scratchName, text)) return failed;

  Result<BackupMove> kept = KeepBackup(folder, stem);
  if (!kept) return StepFailure{"keeping " + Utf8(stem) + ".bin as a backup", kept.error()};
  const QString document = kept->document;
  if (kept->renamed()) {
    undo_.push_back({UndoStep::kRenamedToBackup, *kept, document, {}});
  } else if (Exists(document)) {
    // Every backup name is taken, so the converter writes over the document: keep its bytes
    // to put back should a later step fail.
    std::string oldBytes;
    if (Status read = ReadTextFile(document, oldBytes); !read) {
      return StepFailure{"reading " + Shown(document) + " before replacing it", read.error()};
    }
    undo_.push_back({UndoStep::kOverwritten, {}, document, std::move(oldBytes)});
  } else {
    undo_.push_back({UndoStep::kCreatedFile, {}, document, {}});
  }
  return Convert(scratchName, document);
}

StepResult SaveTransaction::WriteNewDocument(const QString& scratchName, const std::string& text,
                                             const QString& newFolder, const QString& fileName) {
  if (StepResult failed = WriteScratch(scratchName, text)) return failed;

  // mkdir, not mkpath: a folder that appeared meanwhile belongs to someone else.
  if (!QDir().mkdir(NativePath(newFolder))) {
    return StepFailure{"creating the scenario folder " + Shown(newFolder),
                       Exists(newFolder) ? "something of that name already exists"
                                         : "the folder could not be made"};
  }
  undo_.push_back({UndoStep::kCreatedFolder, {}, newFolder, {}});
  return Convert(scratchName, JoinPath(newFolder, fileName));
}

std::optional<std::string> SaveTransaction::Undo(const UndoStep& step) {
  switch (step.kind) {
    case UndoStep::kRenamedToBackup:
      if (Status undone = UndoBackup(step.move); !undone) {
        return Shown(step.path) + " could not be put back (" + undone.error() +
               "); the previous one is kept as " + Shown(step.move.backup);
      }
      return std::nullopt;
    case UndoStep::kOverwritten:
      if (Status undone = WriteFileAtomically(step.path, step.oldBytes); !undone) {
        return Shown(step.path) + " could not be put back (" + undone.error() + ")";
      }
      return std::nullopt;
    case UndoStep::kCreatedFile:
      if (Exists(step.path)) {
        if (Status removed = DeleteFile(step.path); !removed) return removed.error();
      }
      return std::nullopt;
    case UndoStep::kCreatedFolder:
      DeleteFolderTree(step.path);
      if (Exists(step.path)) return "the new folder " + Shown(step.path) + " could not be removed";
      return std::nullopt;
  }
  return std::nullopt;
}

std::string SaveTransaction::RollBack() {
  if (undo_.empty()) return kNothingChanged;
  std::string problems;
  for (auto step = undo_.rbegin(); step != undo_.rend(); ++step) {
    if (std::optional<std::string> problem = Undo(*step)) {
      problems += (problems.empty() ? "" : "; ") + *problem;
    }
  }
  undo_.clear();
  if (problems.empty()) return "the scenario files were put back as they were";
  return problems;
}

}  // namespace fennick
