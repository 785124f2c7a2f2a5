#include "bridge/run_scratch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSet>
#include <map>
#include <memory>
#include <mutex>

#include "bridge/file_utils.h"
#include "bridge/paths.h"

namespace fennick {

namespace {

const QString kLockSuffix = QStringLiteral(".lock");

QString TempFilesOf(const QString& programFolder) {
  return JoinPath(programFolder, "TempFiles");
}

// A lock held by a process that still runs counts, however old: only a dead owner frees it.
std::unique_ptr<QLockFile> LockAt(const QString& nativeLockPath) {
  auto lock = std::make_unique<QLockFile>(nativeLockPath);
  lock->setStaleLockTime(0);
  return lock;
}

class RunScratch {
 public:
  explicit RunScratch(const QString& programFolder)
      : tempFiles_(TempFilesOf(programFolder)),
        name_(QStringLiteral("run-%1-%2")
                  .arg(QCoreApplication::applicationPid())
                  .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))) {}

  ~RunScratch() {
    if (!lock_) return;
    DeleteFolderTree(Folder());
    // Gone with the whole program folder (a test's temporary one): nothing left to unlock, and
    // unlocking would only complain.
    if (!QFileInfo::exists(lockPath_)) (void)lock_.release();
  }

  QString Folder() const { return JoinPath(tempFiles_, name_); }

  Status Make() {
    QString temp = tempFiles_;
    if (!FolderExists(temp)) {
      if (Status made = MakeFolder(temp); !made) return made;
    }
    // The lock comes before the folder: a reset never finds the folder without its lock.
    if (!lock_) {
      lockPath_ = NativePath(JoinPath(tempFiles_, name_ + kLockSuffix));
      auto lock = LockAt(lockPath_);
      if (!lock->tryLock(0)) {
        return Error{"Cannot lock the scratch folder " +
                     QDir::toNativeSeparators(NativePath(Folder())).toStdString()};
      }
      lock_ = std::move(lock);
    }
    return MakeFolder(Folder());
  }

 private:
  QString tempFiles_;
  QString name_;
  QString lockPath_;
  std::unique_ptr<QLockFile> lock_;
};

// One per program folder (tests use several in one process); gone, with the folders, at exit.
struct Runs {
  std::mutex mutex;
  std::map<QString, std::unique_ptr<RunScratch>> byProgramFolder;
};

RunScratch& RunFor(const QString& programFolder) {
  static Runs runs;
  std::lock_guard lock(runs.mutex);
  auto& run = runs.byProgramFolder[programFolder];
  if (!run) run = std::make_unique<RunScratch>(programFolder);
  return *run;
}

}  // namespace

QString RunScratchFolder(const QString& programFolder) {
  return RunFor(programFolder).Folder();
}

Status MakeRunScratchFolder(const QString& programFolder) {
  static std::mutex making;  // workers of one gathering may all ask at once
  std::lock_guard lock(making);
  return RunFor(programFolder).Make();
}

void EmptyTempFiles(const QString& tempFiles) {
  const QString native = NativePath(tempFiles);
  if (!QFileInfo(native).isDir()) return;
  const QDir folder(native);
  const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

  QSet<QString> running;  // the runs whose lock is held by a live process, this one included
  for (const QFileInfo& entry :
       folder.entryInfoList({"*" + kLockSuffix}, QDir::Files | QDir::Hidden)) {
    // Taking a dead run's lock removes it; unlocking removes ours again.
    if (!LockAt(entry.filePath())->tryLock(0)) running.insert(entry.completeBaseName());
  }
  for (const QFileInfo& entry : folder.entryInfoList(everything)) {
    const QString name = entry.fileName();
    const QString run = name.endsWith(kLockSuffix) ? name.chopped(kLockSuffix.size()) : name;
    if (running.contains(run)) continue;
    if (entry.isDir() && !entry.isSymLink()) {
      QDir(entry.filePath()).removeRecursively();
    } else {
      QFile file(entry.filePath());
      file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
      file.remove();
    }
  }
}

}  // namespace fennick
