#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <string>

#include "bridge/converter.h"
#include "consist/uniform_source.h"
#include "tests/support/sample_install.h"

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

// A fresh sample installation with the stand-in converter logging every run it makes.
class SampleStockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
    qunsetenv("FENNICK_SERZ_FAIL");
    qputenv("FENNICK_SERZ_LOG", LogPath().toLocal8Bit());
  }
  void TearDown() override {
    qunsetenv("FENNICK_SERZ_FAIL");
    qunsetenv("FENNICK_SERZ_LOG");
  }

  Converter converter() const { return Converter(install.ProgramFolder(), install.RsPath()); }
  QString LogPath() const { return logDir.filePath("serz.log"); }
  // Converter runs since the test began.
  int ConverterRuns() const {
    const QByteArray log = ReadFileBytes(LogPath());
    return static_cast<int>(log.count('\n'));
  }
  QString Assets(const QString& relative) const { return install.Path("Assets/" + relative); }
  QString KujuRailVehicles() const { return Assets("Kuju/RailSimulator/RailVehicles"); }
  QString TempFiles() const { return install.ProgramFolder() + "/TempFiles"; }
  QStringList TempFilesEntries() const {
    return QDir(TempFiles()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  }
  // Lays out a blueprint of our own: the XML converted to the stand-in's binary form.
  void WriteBlueprint(const QString& assetsRelativeBin, const std::string& xml) {
    const QString bin = Assets(assetsRelativeBin);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(bin).absolutePath()));
    QDir().mkpath(TempFiles());
    ASSERT_TRUE(WriteFileBytes(TempFiles() + "/seed.xml", QByteArray::fromStdString(xml)));
    const Status made = converter().XmlToBin("seed.xml", bin);
    ASSERT_TRUE(made.ok()) << made.error();
    QFile::remove(TempFiles() + "/seed.xml");
    QFile::remove(LogPath());
  }

  SampleInstall install;
  QTemporaryDir logDir;
};

// A vehicle blueprint in the converter's layout; elements can be left out for fault tests.
struct BlueprintXml {
  std::string record = "cWagonBlueprint";
  std::string name = "<Name d:type=\"cDeltaString\">Test Wagon</Name>";
  std::string extra;  // more elements behind the name, such as an engine component
  bool railVehicleComponent = true;
  std::string csvFile = "<CsvFile d:type=\"cDeltaString\"></CsvFile>";
  std::string mass = "<Mass d:type=\"sFloat32\">21</Mass>";

  std::string Text() const {
    std::string x =
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cBlueprintLoader>\r\n"
        "<Blueprint>\r\n<" +
        record + ">\r\n" + name + "\r\n" + extra;
    if (railVehicleComponent) x += "<RailVehicleComponent><cRailVehicleComponentBlueprint>\r\n";
    x += csvFile + "\r\n" + mass + "\r\n";
    if (railVehicleComponent) x += "</cRailVehicleComponentBlueprint></RailVehicleComponent>\r\n";
    x += "</" + record + ">\r\n</Blueprint>\r\n</cBlueprintLoader>\r\n";
    return x;
  }
};

}  // namespace fennick::test
