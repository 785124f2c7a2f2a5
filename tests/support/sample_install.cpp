#include "tests/support/sample_install.h"

#include <QDir>
#include <QFile>
#include <QProcess>

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

QByteArray DecodeBin(const QString& binPath) {
  QTemporaryDir dir;
  const QString out = dir.filePath("out.xml");
  QProcess serz;
  serz.start(SerzStandIn(), {binPath, "xml:" + out});
  serz.waitForFinished(30000);
  return ReadFileBytes(out);
}

bool WriteBin(const QString& binPath, const std::string& xml) {
  QTemporaryDir dir;
  const QString input = dir.filePath("in.xml");
  if (!WriteFileBytes(input, QByteArray::fromStdString(xml))) return false;
  QProcess serz;
  serz.start(SerzStandIn(), {input, "xml:" + binPath});
  return serz.waitForFinished(30000) && serz.exitStatus() == QProcess::NormalExit &&
         serz.exitCode() == 0;
}

}  // namespace fennick::test
