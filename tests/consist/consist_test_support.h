#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

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

// A desktop whose language writes numbers with a decimal comma, for C and Qt alike, as a German
// desktop leaves the program after QApplication has adopted it; put back afterwards.
// scripts/install-deps.sh generates de_DE.UTF-8 where it is missing.
class CommaDecimalLocale {
 public:
  CommaDecimalLocale() : qtBefore_(QLocale()) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de-DE"}) {
      if (std::setlocale(LC_ALL, name) != nullptr) break;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  ~CommaDecimalLocale() {
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(qtBefore_);
  }
  // False when no comma-decimal locale is installed here: the test cannot show anything then.
  static bool active() { return std::localeconv()->decimal_point[0] == ','; }

 private:
  QLocale qtBefore_;
};

// A fresh sample installation with the stand-in converter logging every run it makes.
class SampleStockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
    Fail("");
    qputenv("FENNICK_SERZ_LOG", Log().toLocal8Bit());
  }
  void TearDown() override {
    qunsetenv("FENNICK_SERZ_LOG");
    Fail("");
  }

  // Makes the stand-in converter fail as FENNICK_SERZ_FAIL says; empty: no fault.
  static void Fail(const char* setting) {
    *setting ? qputenv("FENNICK_SERZ_FAIL", setting) : qunsetenv("FENNICK_SERZ_FAIL");
  }
  Converter converter() const { return Converter(install.ProgramFolder(), install.RsPath()); }
  QString Log() const { return logDir.filePath("serz.log"); }
  int ConverterRuns() const { return static_cast<int>(ReadFileBytes(Log()).count('\n')); }
  QString Assets(const QString& relative) const { return install.Path("Assets/" + relative); }
  QString KujuRailVehicles() const { return Assets("Kuju/RailSimulator/RailVehicles"); }
  // This run's scratch folder below TempFiles.
  QString TempFiles() const { return NativePath(converter().ScratchFolder()); }
  QStringList TempFilesEntries() const { return QDir(TempFiles()).entryList(QDir::Files); }
  // Lays out a blueprint of our own: the XML converted to the stand-in's binary form.
  void WriteBlueprint(const QString& assetsRelativeBin, const std::string& xml) {
    const QString bin = Assets(assetsRelativeBin);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(bin).absolutePath()) && QDir().mkpath(TempFiles()));
    ASSERT_TRUE(WriteFileBytes(TempFiles() + "/seed.xml", QByteArray::fromStdString(xml)));
    const Status made = converter().XmlToBin("seed.xml", bin);
    ASSERT_TRUE(made.ok()) << made.error();
    QFile::remove(TempFiles() + "/seed.xml");
    QFile::remove(Log());
  }

  SampleInstall install;
  QTemporaryDir logDir;
};

// A vehicle blueprint in the converter's layout; parts can be changed for fault tests.
struct BlueprintXml {
  std::string record = "cWagonBlueprint";
  std::string name = "<Name d:type=\"cDeltaString\">Test Wagon</Name>";
  std::string extra;  // more elements behind the name, such as an engine component
  std::string component = "RailVehicleComponent";
  std::string csvFile = "<CsvFile d:type=\"cDeltaString\"></CsvFile>";
  std::string mass = "<Mass d:type=\"sFloat32\">21</Mass>";

  std::string Text() const {
    return "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cBlueprintLoader>\r\n"
           "<Blueprint>\r\n<" +
           record + ">\r\n" + name + "\r\n" + extra + "<" + component +
           "><cRailVehicleComponentBlueprint>\r\n" + csvFile + "\r\n" + mass +
           "\r\n</cRailVehicleComponentBlueprint></" + component + ">\r\n</" + record +
           ">\r\n</Blueprint>\r\n</cBlueprintLoader>\r\n";
  }
};
// The blueprint with one part changed.
inline BlueprintXml With(std::string BlueprintXml::*part, std::string text) {
  BlueprintXml xml;
  xml.*part = std::move(text);
  return xml;
}

// Scenario documents in the converter's layout, built from a few fields so a test can state the
// document it expects after a command as plainly as the one before.
struct TestVehicle {
  std::string record = "cWagon";  // cEngine or cWagon
  std::string number = "310001";
  std::string mass = "25.5";
  std::string provider = "Kuju";
  std::string product = "RailSimulator";
  std::string blueprintId = "RailVehicles\\Freight\\HTA\\HTA_Hopper.xml";
  std::string name = "HTA Coal Hopper";
  std::string preloaded = "eFalse";
  bool loadable = true;  // false: the cargo component holds <InitialLevel/>
};

struct TestConsist {
  std::vector<TestVehicle> vehicles;
  std::string playerDriver = "0";  // empty: the consist has no PlayerDriver element
  std::string playerControlled = "0";
};

inline std::string Value(const std::string& name, const std::string& text,
                         const std::string& type = "cDeltaString") {
  return "<" + name + " d:type=\"" + type + "\">" + text + "</" + name + ">\r\n";
}

// The vehicle block, from "<cOwnedEntity" through "</cOwnedEntity>".
inline std::string VehicleBlock(const TestVehicle& v) {
  return "<cOwnedEntity d:id=\"101\">\r\n<Component>\r\n<" + v.record + " d:id=\"102\">\r\n" +
         Value("UniqueNumber", v.number) +
         "<TotalMass d:type=\"sFloat32\" d:alt_encoding=\"0000000000803940\">" + v.mass +
         "</TotalMass>\r\n</" + v.record + ">\r\n<cCargoComponent d:id=\"103\">\r\n" +
         Value("IsPreloaded", v.preloaded) +
         (v.loadable ? "<InitialLevel>\r\n<e d:type=\"sFloat32\">0</e>\r\n</InitialLevel>\r\n"
                     : "<InitialLevel/>\r\n") +
         "</cCargoComponent>\r\n</Component>\r\n<BlueprintID>\r\n<iBlueprintLibrary-"
         "cAbsoluteBlueprintID>\r\n<BlueprintSetID>\r\n<iBlueprintLibrary-cBlueprintSetID>\r\n" +
         Value("Provider", v.provider) + Value("Product", v.product) +
         "</iBlueprintLibrary-cBlueprintSetID>\r\n</BlueprintSetID>\r\n" +
         Value("BlueprintID", v.blueprintId) +
         "</iBlueprintLibrary-cAbsoluteBlueprintID>\r\n</BlueprintID>\r\n" + Value("Name", v.name) +
         "</cOwnedEntity>";
}

inline std::string ScenarioXml(const std::vector<TestConsist>& consists) {
  std::string x =
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<cRecordSet xmlns:d="
      "\"http://www.kuju.com/TnT/2003/Delta\" d:version=\"1.0\">\r\n<Record>\r\n";
  for (const TestConsist& c : consists) {
    x += "<cConsist d:id=\"200\">\r\n<RailVehicles>\r\n";
    for (const TestVehicle& v : c.vehicles) x += VehicleBlock(v) + "\r\n";
    x += "</RailVehicles>\r\n";
    if (!c.playerDriver.empty()) x += Value("PlayerDriver", c.playerDriver, "bool");
    x += Value("PlayerControlled", c.playerControlled, "bool") + "</cConsist>\r\n";
  }
  return x + "</Record>\r\n</cRecordSet>\r\n";
}

inline TestVehicle Hopper(std::string number = "310001") {
  return {.number = std::move(number)};
}
// Vehicles of the sample's stock that carry no load.
inline TestVehicle Unloadable(std::string record, std::string number, std::string mass,
                              std::string id, std::string name) {
  return {record, number, mass, "Kuju", "RailSimulator", id, name, "eFalse", false};
}
inline TestVehicle Class66(std::string number = "66142") {
  return Unloadable("cEngine", number, "126", "RailVehicles\\Diesel\\Class66\\Class66.xml",
                    "Class 66");
}
inline TestVehicle Mk2(std::string number = "5221") {
  return Unloadable("cWagon", number, "32", "RailVehicles\\Passenger\\Mk2\\Mk2_TSO.xml",
                    "Mk2 Standard Open");
}

// Where the k-th vehicle block of the whole document starts, or where it ends.
inline std::size_t BlockEdge(const std::string& text, int k, bool end) {
  const std::string_view tag = end ? "</cOwnedEntity>" : "<cOwnedEntity";
  std::size_t at = text.find(tag);
  for (int i = 0; i < k; ++i) at = text.find(tag, at + 1);
  return at + (end ? tag.size() : 0);
}
// The text with `block` put in front of / behind vehicle block k of the whole document.
inline std::string Inserted(std::string text, int k, bool behind, const std::string& block) {
  return text.insert(BlockEdge(text, k, behind), block);
}
inline std::string WithoutBlock(std::string text, int k) {
  const std::size_t start = BlockEdge(text, k, false);
  return text.erase(start, BlockEdge(text, k, true) - start);
}
// The text without the first line holding `element`.
inline std::string WithoutLine(std::string text, std::string_view element) {
  const std::size_t at = text.rfind('\n', text.find(element)) + 1;
  return text.erase(at, text.find('\n', at) + 1 - at);
}

// Exactly one message box was shown, with this text and icon, under the program's title.
inline void ExpectOnlyMessage(const ScriptedDialogs& dialogs, std::string_view text,
                              MessageIcon icon) {
  ASSERT_EQ(dialogs.shown.size(), 1u) << (dialogs.shown.empty() ? "" : dialogs.shown[0].text);
  EXPECT_EQ(dialogs.shown[0].text, text);
  EXPECT_EQ(dialogs.shown[0].icon, icon);
  EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
}

}  // namespace fennick::test
