#pragma once

#include <gtest/gtest.h>
#include <QFile>
#include <QTest>

#include "app/app_state.h"
#include "bridge/converter.h"
#include "bridge/paths.h"
#include "browser/browser_state.h"
#include "browser/display_text.h"
#include "browser/list_row.h"
#include "tests/support/case_file.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick::test {

// Folder names of the sample installation's routes, and of Severn Vale's first scenario (with
// CurrentSave.xml and "Before the junction.xml") and second one (without saved games).
inline const QString kSevernVale = QStringLiteral("2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21");
inline const QString kEmeraldCoast = QStringLiteral("7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04");
inline const QString kMarshJunction = QStringLiteral("c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530");
inline const QString kDamagedRoute = QStringLiteral("f3a81c6e-0d27-4b95-b4f0-6e2c8d1a7b93");
inline const QString kMorningCoal = QStringLiteral("0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301");
inline const QString kEveningCommuters = QStringLiteral("1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4");

// What the sample installation lists (tests/data/route_catalogue/sample_lists.txt).
inline browser::ListRows SampleList(const std::string& list) {
  browser::ListRows rows;
  for (const auto& line : ReadCaseFile(FENNICK_TEST_DATA_DIR "/route_catalogue/sample_lists.txt")) {
    if (line.fields.at(0) == list) {
      rows.push_back({QString::fromStdString(line.fields.at(1)), QString::fromStdString(line.fields.at(2))});
    }
  }
  return rows;
}

// The row of the loaded route list showing this folder.
inline int RowOf(const browser::BrowserState& browser, const QString& route) {
  for (int row = 0; row < int(browser.routeIds.size()); ++row) {
    if (browser::DisplayText(browser.routeIds[row], browser.routesEncoding) == route) return row;
  }
  ADD_FAILURE() << "route " << route.toStdString() << " is not listed";
  return -1;
}

// A fresh sample installation, the program state pointing at it and a scripted person.
class BrowserFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.ok()) << install.error().toStdString();
    app.settings.rsPath = install.RsPath();
    qunsetenv("FENNICK_SERZ_FAIL");
  }
  void TearDown() override { qunsetenv("FENNICK_SERZ_FAIL"); }

  // Below the installation, "/" separated. Where case does not tell names apart (Windows), in
  // the program's own spelling "content", as its messages name the folder.
  QString RoutePath(const QString& route, const QString& relative = {}) const {
#ifdef Q_OS_WIN
    const QString content = QStringLiteral("content");
#else
    const QString content = QStringLiteral("Content");
#endif
    return install.Path(content + "/Routes/" + route + (relative.isEmpty() ? "" : "/" + relative));
  }
  QString MorningCoal(const QString& file = {}) const {
    return RoutePath(kSevernVale, "Scenarios/" + kMorningCoal + (file.isEmpty() ? "" : "/" + file));
  }
  // The same folder as the browser names it.
  QString MorningCoalText() const {
    return app.settings.rsPath + "\\content\\Routes\\" + kSevernVale + "\\Scenarios\\" +
           kMorningCoal;
  }
  QString TempFile(const QString& name) const {
    return NativePath(Converter(install.ProgramFolder(), app.settings.rsPath).ScratchPath(name));
  }
  // The program started since the last call, "" for none: each stand-in writes a line to
  // launches.log once started.
  QByteArray Started(bool waitForOne) {
    const QString log = install.Path("launches.log");
    if (waitForOne) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return ReadFileBytes(log).endsWith('\n'); }, 20000));
    }
    const QByteArray line = ReadFileBytes(log);
    QFile::remove(log);
    return line.left(line.indexOf('\t'));
  }

  SampleInstall install;
  AppState app{AppPaths(install.ProgramFolder()), {}};
  browser::BrowserState browser;
  ScriptedDialogs dialogs;
};

}  // namespace fennick::test
