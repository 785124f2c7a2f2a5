#include "tests/support/sample_install.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <algorithm>

#include "tests/support/tool_paths.h"

namespace fennick::test {

SampleInstall::SampleInstall() {
  QDir().mkpath(ProgramFolder());
  QProcess make;
  make.start(MakeSampleInstall(), {RsPath(), "--serz", SerzStandIn(), "--railsim", RailSimStandIn(),
                                   "--railsimeditor", RailSimEditorStandIn()});
  if (!make.waitForFinished(60000) || make.exitStatus() != QProcess::NormalExit ||
      make.exitCode() != 0) {
    error_ = "make_sample_install failed: " + QString::fromLocal8Bit(make.readAllStandardError());
    return;
  }
  ok_ = true;
}

QString SampleInstall::RsPath() const {
  return dir_.filePath("RailSimulator");
}
QString SampleInstall::ProgramFolder() const {
  return dir_.filePath("program");
}
QString SampleInstall::Path(const QString& relative) const {
  return RsPath() + '/' + relative;
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::vector<std::string> FolderEntries(const QString& folder) {
  std::vector<std::string> entries;
  for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
    entries.push_back(entry.fileName().toStdString() +
                      (entry.isDir() ? "/" : "=" + ReadFileBytes(entry.filePath()).toStdString()));
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// One run of the stand-in converter, from a file to a file.
static bool RunSerz(const QString& from, const QString& to) {
  QProcess serz;
  serz.start(SerzStandIn(), {from, "xml:" + to});
  return serz.waitForFinished(30000) && serz.exitStatus() == QProcess::NormalExit && serz.exitCode() == 0;
}

QByteArray DecodeBin(const QString& binPath) {
  QTemporaryDir dir;
  RunSerz(binPath, dir.filePath("out.xml"));
  return ReadFileBytes(dir.filePath("out.xml"));
}

bool WriteBin(const QString& binPath, const std::string& xml) {
  QTemporaryDir dir;
  return WriteFileBytes(dir.filePath("in.xml"), QByteArray::fromStdString(xml)) &&
         RunSerz(dir.filePath("in.xml"), binPath);
}

}  // namespace fennick::test
