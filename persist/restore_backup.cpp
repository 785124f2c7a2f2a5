#include "persist/restore_backup.h"

#include <string>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "persist/backup_files.h"
#include "persist/keep_backup.h"

namespace fennick {

namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

Outcome Refuse(const std::string& text, Dialogs& dialogs) {
  dialogs.ShowMessage(text);
  return Outcome::Refused(text);
}

Outcome Fail(const std::string& text, Dialogs& dialogs) {
  dialogs.ShowMessage(text);
  return Outcome::Failed(text);
}

const BackupFile* FindBackup(const BackupListing& listing, const QString& name) {
  const BackupFile* found = nullptr;
  for (const BackupFile& backup : listing.backups) {
    if (backup.name == name) return &backup;
    if (!found && backup.name.compare(name, Qt::CaseInsensitive) == 0) found = &backup;
  }
  return found;
}

}  // namespace

Outcome RestoreBackup(const QString& folder, const QString& stem, const QString& name,
                      Dialogs& dialogs) {
  const QString documentName = stem + ".bin";
  const BackupListing listing = ListBackups(folder, stem);
  const BackupFile* chosen = FindBackup(listing, name);
  if (!chosen) {
    return Refuse(Utf8(name + " is not a backup of " + documentName + "."), dialogs);
  }
  const QString chosenPath = JoinPath(folder, chosen->name);
  const std::string question =
      Utf8("Put the backup " + chosen->name + " back as " + documentName + "?") +
      (listing.current ? Utf8("\n\nThe current " + documentName +
                              " is kept as a backup first, so nothing is lost.")
                       : std::string());
  if (!dialogs.AskYesNo(question, MessageIcon::Exclamation)) {
    return Outcome::Refused("The backup was not restored.");
  }

  std::string bytes;
  if (Status read = ReadTextFile(chosenPath, bytes); !read) {
    return Fail(
        Utf8(chosen->name + " could not be restored: ") + read.error() + ". No file was changed.",
        dialogs);
  }
  BackupMove kept{JoinPath(folder, documentName), {}};
  if (listing.current) {
    Result<BackupMove> move = KeepBackup(folder, stem);
    if (!move) {
      return Fail(
          Utf8(chosen->name + " could not be restored: ") + move.error() + ". No file was changed.",
          dialogs);
    }
    // Nothing renamed with the document still there: every backup name is taken.
    if (!move->renamed() && FileExists(move->document)) {
      return Refuse(Utf8(chosen->name + " was not restored: the current " + documentName +
                         " cannot be kept, because " + stem + ".bak and " + stem + ".bak1 to " +
                         stem + ".bak" + QString::number(kNumberedBackups) +
                         " all exist. Delete backups you no longer need, then restore again."),
                    dialogs);
    }
    kept = *move;
  }
  if (Status written = WriteFileAtomically(kept.document, bytes); !written) {
    std::string text = Utf8(chosen->name + " could not be restored: ") + written.error();
    if (Status undone = UndoBackup(kept); !undone) {
      text += Utf8(". The current " + documentName + " is kept as " + LastPathElement(kept.backup) +
                   " (") +
              undone.error() + ").";
    } else {
      text += ". No file was changed.";
    }
    return Fail(text, dialogs);
  }
  return Outcome::Done();
}

}  // namespace fennick
