#pragma once

#include <gtest/gtest.h>
#include <QPointer>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "browser/open_scenario.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/editor_window.h"

namespace fennick::ui {

inline const QString kRoute = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";  // Severn Vale Branch
inline const std::string kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";
inline const QString kMarshJunction = "c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530";
inline const std::string kPullmanExcursion = "b07a91ca-d8e9-4e4b-a7bc-839ae1f2a3b4";

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sample.ok()) << sample.error().toStdString();
    state.settings.rsPath = sample.RsPath();
  }
  void TearDown() override { delete window.data(); }

  void Open(const std::string& folder = kMorningCoal, const QString& routeFolder = kRoute) {
    const QString route = JoinPath(JoinPath(sample.RsPath(), "content\\Routes"), routeFolder);
    const Converter converter(sample.ProgramFolder(), sample.RsPath());
    auto session = OpenScenario(
        converter, route, JoinPath(JoinPath(route, "Scenarios"), QString::fromStdString(folder)),
        folder);
    ASSERT_TRUE(session.ok()) << session.error();
    auto view = LoadEditor(*session);
    ASSERT_TRUE(view.ok()) << view.error();
    EditorWindow::Hooks hooks;
    hooks.closeBrowser = [this] { ++browserClosed; };
    window = new EditorWindow(state, dialogs, stockRun, std::move(*session), *view, hooks);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
  }
  template <class T>
  T* Find(const char* name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  test::SampleInstall sample;
  AppState state{AppPaths(sample.ProgramFolder()), {}};
  test::ScriptedDialogs dialogs;
  EditorWindow::StockRun stockRun;
  QPointer<EditorWindow> window;
  int browserClosed = 0;
};

}  // namespace fennick::ui
