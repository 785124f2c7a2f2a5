#pragma once

#include <QString>

namespace fennick {

// Where the program keeps Fennick.ini and TempFiles: the program's own folder, or the
// per-user application data folder when the program folder cannot be written (an installed
// program under /usr).
class AppPaths {
 public:
  explicit AppPaths(QString programFolder) : programFolder_(std::move(programFolder)) {}

  // The folder of the running executable, or the per-user fallback.
  static AppPaths ForExecutable(const QString& executableFolder);

  const QString& ProgramFolder() const { return programFolder_; }
  QString IniPath() const;
  QString TempFiles() const;

 private:
  QString programFolder_;
};

// True when a file can be created in the folder.
bool FolderIsWritable(const QString& folder);

}  // namespace fennick
