#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "bridge/process_runner.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/tool_paths.h"
#include "ui/busy_guard.h"
#include "ui/folder_picker.h"
#include "ui/startup_window.h"

namespace fennick::ui {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class StartupWindowTest : public ::testing::Test {
 protected:
  StartupWindow* Open(const char* iniFile) {
    if (iniFile) {
      EXPECT_TRUE(WriteFileBytes(state.paths.IniPath(), iniFile));
    }
    actions.openBrowser = [this] { ++browsersOpened; };
    actions.registry = [] { return QString(); };
    actions.pickFolder = [this](AppState&) { ++pickersShown; };
    window = new StartupWindow(state, dialogs, actions);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    return window;
  }
  void TearDown() override { delete window; }
  QPushButton* Button(const char* name) { return window->findChild<QPushButton*>(name); }

  QTemporaryDir dir;
  AppState state{AppPaths(dir.path()), {}};
  test::ScriptedDialogs dialogs;
  StartupWindow::Actions actions;
  StartupWindow* window = nullptr;
  int browsersOpened = 0;
  int pickersShown = 0;
};

TEST_F(StartupWindowTest, ControlsAndCaption) {
  Open("C:\\Sim\r\n\r\n\r\nFalse\r\n");
  EXPECT_EQ(window->objectName(), "frmStartup");
  EXPECT_EQ(window->windowTitle(),
            "RailSimulator Startup  Version 1.0.45   Rail Simulator path in use is - C:\\Sim");
  EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Rail Simulator fennick");
  EXPECT_EQ(Button("Command1")->text(), "Start");
  EXPECT_TRUE(Button("Command2")->text().isEmpty());
  EXPECT_TRUE(Button("Command2")->isVisible());
  auto* menu = window->findChild<QMenu*>("mnuOptions");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), "Options");
  auto* item = window->findChild<QAction*>("mnuRSPath");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "Select RS Path");
  EXPECT_EQ(pickersShown, 0);
}

TEST_F(StartupWindowTest, AnyContributeMarkHidesTheDonationButton) {
  Open("C:\\Sim\r\nanything\r\n\r\nFalse\r\n");
  EXPECT_FALSE(Button("Command2")->isVisible());
}

TEST_F(StartupWindowTest, NoFolderKnownShowsThePickerAtLoadAndTheMenuShowsItAgain) {
  Open(nullptr);
  EXPECT_EQ(pickersShown, 1);
  EXPECT_TRUE(window->windowTitle().endsWith("Rail Simulator path in use is - "));
  window->findChild<QAction*>("mnuRSPath")->trigger();
  EXPECT_EQ(pickersShown, 2);
}

TEST_F(StartupWindowTest, StartEmptiesTempFilesOpensTheBrowserAndCloses) {
  Open("C:\\Sim\r\n");
  QDir().mkpath(dir.filePath("TempFiles"));
  ASSERT_TRUE(WriteFileBytes(dir.filePath("TempFiles/Scenario.xml"), "<old/>"));
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_EQ(browsersOpened, 1);
  EXPECT_TRUE(QDir(dir.filePath("TempFiles")).exists());
  EXPECT_TRUE(QDir(dir.filePath("TempFiles")).isEmpty());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupWindowTest, StartThatCannotMakeTempFilesReportsAndStays) {
  Open("C:\\Sim\r\n");
  ASSERT_TRUE(WriteFileBytes(dir.filePath("TempFiles"), "a file in the way"));
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_EQ(browsersOpened, 0);
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(QString::fromStdString(dialogs.shown[0].text).startsWith("Error - "));
  EXPECT_TRUE(
      QString::fromStdString(dialogs.shown[0].text).endsWith(" occurred in frmStartup command1\n"));
}

TEST_F(StartupWindowTest, DonationMarksAndWritesSettings) {
  actions.openAddress = [](const QString&) { return true; };
  Open("C:\\Sim\r\n\r\n\r\nFalse\r\n");
  dialogs.answers.push_back(false);
  QTest::mouseClick(Button("Command2"), Qt::LeftButton);
  EXPECT_EQ(ReadFileBytes(state.paths.IniPath()), "C:\\Sim\r\nContribute\r\n\r\nFalse\r\n");
}

TEST(FolderPickerTest, TypedPathIsStoredUnchangedAndCancelChangesNothing) {
  QTemporaryDir dir;
  AppState state{AppPaths(dir.path()), {"old", "Contribute", "stock", true}};
  {
    FolderPicker picker(state);
    EXPECT_EQ(picker.windowTitle(), "Select Folder Containing RailSim.exe");
    auto* text = picker.findChild<QLineEdit*>("Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->text().isEmpty());
    text->setText("/typed, with comma/Rail Simulator");
    QTest::mouseClick(picker.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(state.settings.rsPath, "old");
    EXPECT_FALSE(QFile::exists(state.paths.IniPath()));
  }
  FolderPicker picker(state);
  picker.findChild<QLineEdit*>("Text1")->setText("/typed, with comma/Rail Simulator");
  QTest::mouseClick(picker.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(state.settings.rsPath, "/typed, with comma/Rail Simulator");
  EXPECT_EQ(ReadFileBytes(state.paths.IniPath()),
            "\"/typed, with comma/Rail Simulator\"\r\nContribute\r\nstock\r\nTrue\r\n");
  Settings reread;
  ASSERT_TRUE(LoadSettings(state.paths.IniPath(), reread));
  EXPECT_EQ(reread.rsPath, state.settings.rsPath);
}

TEST(FolderPickerTest, ChoosingAFolderInTheTreeFillsTheTextBox) {
  QTemporaryDir dir;
  QDir().mkpath(dir.filePath("Rail Simulator"));
  AppState state{AppPaths(dir.path()), {dir.filePath("Rail Simulator"), "", "", false}};
  FolderPicker picker(state);
  EXPECT_EQ(picker.findChild<QLineEdit*>("Text1")->text(),
            QDir::toNativeSeparators(dir.filePath("Rail Simulator")));
}

}  // namespace
}  // namespace fennick::ui

namespace fennick::ui {
namespace {

TEST(BusyGuardTest, WhileAConverterRunsClicksAreSwallowedAndTheBusyPointerShows) {
  InstallBusyGuard();
  QPushButton button("Start");
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  button.show();
  // A click arrives while the runner waits for a child process.
  bool sawBusy = false;
  QTimer::singleShot(0, [&] {
    sawBusy =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    QTest::mouseClick(&button, Qt::LeftButton);
  });
  // The click is posted before the child starts, so the wait delivers it before it can learn
  // that the child has ended, however quickly it does.
  const RunOutcome outcome = RunAndWait(Launch{test::SerzStandIn(), {}, {}, {}});
  EXPECT_TRUE(outcome.started);
  EXPECT_TRUE(sawBusy);
  EXPECT_EQ(clicks, 0) << "a click during the wait must not run a command";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  SetBusyHook({});
}

}  // namespace
}  // namespace fennick::ui
