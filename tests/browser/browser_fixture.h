#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "browser/browser_state.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick::test {

// The sample installation's routes (folder names) and the names Routes.xml gives them.
inline const QString kSevernVale = QStringLiteral("2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21");
inline const QString kEmeraldCoast = QStringLiteral("7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04");
inline const QString kMarshJunction = QStringLiteral("c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530");
inline const QString kDamagedRoute = QStringLiteral("f3a81c6e-0d27-4b95-b4f0-6e2c8d1a7b93");
// Severn Vale's first scenario, with CurrentSave.xml and "Before the junction.xml".
inline const QString kMorningCoal = QStringLiteral("0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301");
// Severn Vale's second scenario, without saved games.
inline const QString kEveningCommuters = QStringLiteral("1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4");

// A fresh sample installation, the program state pointing at it and a scripted person.
class BrowserFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
    app.settings.rsPath = install.RsPath();
    qunsetenv("FENNICK_SERZ_FAIL");
  }
  void TearDown() override { qunsetenv("FENNICK_SERZ_FAIL"); }

  // Below the installation, "/" separated.
  QString RoutePath(const QString& route, const QString& relative = {}) const {
    return install.Path("Content/Routes/" + route + (relative.isEmpty() ? "" : "/" + relative));
  }
  QString ScenarioPath(const QString& route, const QString& scenario,
                       const QString& relative = {}) const {
    return RoutePath(route, "Scenarios/" + scenario + (relative.isEmpty() ? "" : "/" + relative));
  }
  QString TempFile(const QString& name) const {
    return install.ProgramFolder() + "/TempFiles/" + name;
  }

  SampleInstall install;
  AppState app{AppPaths(install.ProgramFolder()), {}};
  browser::BrowserState browser;
  ScriptedDialogs dialogs;
};

// A scenario index (Scenarios.xml) of entries with these folder names and English names.
QByteArray IndexXml(const std::vector<std::pair<std::string, std::string>>& folderAndName);

// Writes the XML in the converter's binary form, through the stand-in converter.
bool WriteBin(const QString& binPath, const QByteArray& xml);

// Rows of the route list of the sample installation as the browser loads them.
int RowOf(const browser::BrowserState& browser, const QString& route);

}  // namespace fennick::test
