#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <deque>
#include <string>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "consist/uniform_source.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick::test {

// Uniform values handed out in order (the last one repeats); counts the draws.
class ScriptedUniform : public UniformSource {
 public:
  explicit ScriptedUniform(std::deque<float> values = {0.0f}) : values_(std::move(values)) {}
  float Next() override {
    ++draws;
    const float u = values_.front();
    if (values_.size() > 1) values_.pop_front();
    return u;
  }
  int draws = 0;

 private:
  std::deque<float> values_;
};

// Makes the stand-in converter fail as FENNICK_SERZ_FAIL says; empty: no fault.
inline void ConverterFault(const std::string& setting) {
  setting.empty() ? qunsetenv("FENNICK_SERZ_FAIL") : qputenv("FENNICK_SERZ_FAIL", setting.c_str());
}

// A fresh sample installation with the stand-in converter logging every run it makes.
class SampleStockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
    ConverterFault("");
    qputenv("FENNICK_SERZ_LOG", Log().toLocal8Bit());
  }
  void TearDown() override {
    qunsetenv("FENNICK_SERZ_LOG");
    ConverterFault("");
  }
  Converter converter() const { return Converter(install.ProgramFolder(), install.RsPath()); }
  QString Log() const { return logDir.filePath("serz.log"); }
  int ConverterRuns() const { return static_cast<int>(ReadFileBytes(Log()).count('\n')); }
  QString Assets(const QString& relative) const { return install.Path("Assets/" + relative); }
  QString KujuRailVehicles() const { return Assets("Kuju/RailSimulator/RailVehicles"); }
  // This run's scratch folder below TempFiles.
  QStringList TempFilesEntries() const {
    return QDir(NativePath(converter().ScratchFolder())).entryList(QDir::Files);
  }

  // Writes every .xml below `folder` as the stand-in's .bin at the same place below Assets.
  void LayBlueprints(const QString& folder) {
    QDirIterator files(folder, {"*.xml"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString xml = files.next(), relative = QDir(folder).relativeFilePath(xml);
      const QString bin = Assets(relative.left(relative.size() - 3) + "bin");
      ASSERT_TRUE(QDir().mkpath(QFileInfo(bin).absolutePath()));
      ASSERT_TRUE(WriteBin(bin, ReadFileBytes(xml).toStdString())) << bin.toStdString();
    }
  }

  SampleInstall install;
  QTemporaryDir logDir;
};

}  // namespace fennick::test
