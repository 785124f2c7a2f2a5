#include "app/app_paths.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "bridge/paths.h"

namespace fennick {

bool FolderIsWritable(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".fennick-write-test-XXXXXX")));
  return probe.open();
}

AppPaths AppPaths::ForExecutable(const QString& executableFolder) {
  if (FolderIsWritable(executableFolder)) return AppPaths(executableFolder);
  QString fallback = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (fallback.isEmpty()) fallback = QDir::homePath() + QStringLiteral("/.rs_fennick");
  QDir().mkpath(fallback);
  return AppPaths(fallback);
}

QString AppPaths::IniPath() const {
  return NativePath(JoinPath(programFolder_, "Fennick.ini"));
}

QString AppPaths::TempFiles() const {
  return JoinPath(programFolder_, "TempFiles");
}

}  // namespace fennick
