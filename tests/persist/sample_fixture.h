#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <string>

#include "bridge/converter.h"
#include "bridge/identifier.h"
#include "bridge/paths.h"
#include "browser/open_scenario.h"
#include "persist/save_context.h"
#include "persist/save_scenario.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick::test {

// The sample installation's Severn Vale route and two of its scenarios.
inline constexpr const char* kSevernVale = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";
inline constexpr const char* kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";  // standard
inline constexpr const char* kEveningCommuters = "1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4";
inline constexpr const char* kDriven = "6Z41 Holtby - Marsh Colliery";
inline constexpr const char* kNewId = "00112233-4455-6677-8899-AABBCCDDEEFF";  // a clone's

inline IdentifierText NewId() { return IdentifierFromGuid(QUuid(QString(kNewId))); }

inline void Replace(std::string& text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

// A fresh sample installation per test, the stand-in converter told to behave.
class SampleFixture : public ::testing::Test {
 public:
  void SetUp() override {
    ClearConverterFaults();
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
  }
  void TearDown() override { ClearConverterFaults(); }
  static void ClearConverterFaults() {
    qunsetenv("FENNICK_SERZ_FAIL");
    qunsetenv("FENNICK_SERZ_LOG");
  }

  // Opens and loads a scenario as "Edit Selected Scenario" does.
  OpenedScenario Open(const char* scenario = kMorningCoal) {
    const QString route = JoinPath(install.RsPath(), QString("content\\Routes\\") + kSevernVale);
    const Converter converter(install.ProgramFolder(), install.RsPath());
    Result<ScenarioSession> session = OpenScenario(
        converter, route, JoinPath(route, QString("Scenarios\\") + scenario), scenario);
    Result<EditorView> view = session ? LoadEditor(*session) : Error{session.error()};
    if (!view) {
      ADD_FAILURE() << "cannot open " << scenario << ": " << view.error();
      return {};
    }
    return {std::move(*session), std::move(*view)};
  }
  SaveContext Context() const { return {install.ProgramFolder(), install.RsPath()}; }

  QString RouteDir() const { return install.Path(QString("Content/Routes/") + kSevernVale); }
  QString ScenariosDir() const { return RouteDir() + "/Scenarios"; }
  QString ScenarioDir() const { return ScenariosDir() + "/" + kMorningCoal; }
  QString Scratch(const QString& name) const {
    return NativePath(Converter(install.ProgramFolder(), install.RsPath()).ScratchPath(name));
  }
  // Another copy of the program opens the scenario and saves it under a new name meanwhile.
  void SaveElsewhere(const char* scenario, const std::string& name) {
    OpenedScenario other = Open(scenario);
    other.view.boxes[kBoxDisplayName] = name;
    ScriptedDialogs dialogs;
    EXPECT_EQ(SaveScenario(Context(), other.session,
                           {other.view.boxes, other.session.isTimetable, false, kDriven}, dialogs),
              CommandOutcome::kDone)
        << testing::PrintToString(dialogs.Messages());
  }
  QByteArray IndexBin() const { return ReadFileBytes(RouteDir() + "/Scenarios.bin"); }
  QByteArray DocumentBin() const { return ReadFileBytes(ScenarioDir() + "/Scenario.bin"); }
  // The documents as XML, decoded outside the program's code.
  std::string IndexXml() const { return DecodeBin(RouteDir() + "/Scenarios.bin").toStdString(); }
  std::string DocumentXml() const {
    return DecodeBin(ScenarioDir() + "/Scenario.bin").toStdString();
  }
  static QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
  }

  SampleInstall install;
};

}  // namespace fennick::test
