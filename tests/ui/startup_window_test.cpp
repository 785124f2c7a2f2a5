#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
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

// With the folder known: no picker, the donation writes its mark, Start reports a TempFiles it
// cannot make and stays, then empties the folder, opens the browser and closes.
TEST_F(StartupWindowTest, StartAndDonationWithTheFolderKnown) {
  actions.openAddress = [](const QString&) { return true; };
  Open("C:\\Sim\r\n\r\n\r\nFalse\r\n");
  EXPECT_EQ(window->windowTitle(),
            "RailSimulator Startup  Version 1.0.45   Rail Simulator path in use is - C:\\Sim");
  EXPECT_TRUE(Button("Command2")->isVisible());
  EXPECT_EQ(pickersShown, 0);
  dialogs.answers.push_back(false);
  QTest::mouseClick(Button("Command2"), Qt::LeftButton);
  EXPECT_EQ(ReadFileBytes(state.paths.IniPath()), "C:\\Sim\r\nContribute\r\n\r\nFalse\r\n");

  dialogs.shown.clear();
  ASSERT_TRUE(WriteFileBytes(dir.filePath("TempFiles"), "a file in the way"));
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_EQ(browsersOpened, 0);
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(dialogs.shown[0].text.ends_with(" occurred in frmStartup command1\n"));

  QFile::remove(dir.filePath("TempFiles"));
  QDir().mkpath(dir.filePath("TempFiles"));
  ASSERT_TRUE(WriteFileBytes(dir.filePath("TempFiles/Scenario.xml"), "<old/>"));
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_EQ(browsersOpened, 1);
  EXPECT_TRUE(QDir(dir.filePath("TempFiles")).isEmpty());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

// Any contribute mark hides the donation button; no folder known shows the picker at load, and
// the menu shows it again.
TEST_F(StartupWindowTest, NoFolderKnownAsksAndAnyMarkHidesTheDonation) {
  Open("\r\nanything\r\n\r\nFalse\r\n");
  EXPECT_FALSE(Button("Command2")->isVisible());
  EXPECT_EQ(pickersShown, 1);
  EXPECT_TRUE(window->windowTitle().endsWith("Rail Simulator path in use is - "));
  window->findChild<QAction*>("mnuRSPath")->trigger();
  EXPECT_EQ(pickersShown, 2);
}

// The picker starts at the folder in use; OK stores the typed path unchanged, Cancel nothing.
TEST(FolderPickerTest, TypedPathIsStoredUnchangedAndCancelChangesNothing) {
  QTemporaryDir dir;
  const QString inUse = dir.filePath("Rail Simulator");
  QDir().mkpath(inUse);
  AppState state{AppPaths(dir.path()), {inUse, "Contribute", "stock", true}};
  const QString typed = "/typed, with comma/Rail Simulator";
  {
    FolderPicker picker(state);
    auto* text = picker.findChild<QLineEdit*>("Text1");
    EXPECT_EQ(text->text(), QDir::toNativeSeparators(inUse));
    text->setText(typed);
    QTest::mouseClick(picker.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(state.settings.rsPath, inUse);
    EXPECT_FALSE(QFile::exists(state.paths.IniPath()));
  }
  FolderPicker picker(state);
  picker.findChild<QLineEdit*>("Text1")->setText(typed);
  QTest::mouseClick(picker.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(state.settings.rsPath, typed);
  EXPECT_EQ(ReadFileBytes(state.paths.IniPath()),
            "\"" + typed.toUtf8() + "\"\r\nContribute\r\nstock\r\nTrue\r\n");
}

}  // namespace
}  // namespace fennick::ui

namespace fennick::ui {
namespace {

QWidget* FindOffer() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "frmCancelRun" && window->isVisible()) return window;
  }
  return nullptr;
}

TEST(BusyGuardTest, WhileAConverterRunsOnlyItsCancelOfferTakesClicks) {
  InstallBusyGuard(std::chrono::milliseconds(0));
  QPushButton button("Start");
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  button.show();
  QTemporaryDir dir;
  ASSERT_TRUE(WriteFileBytes(dir.filePath("in.bin"), "<a/>"));
  qputenv("FENNICK_SERZ_FAIL", "hang");  // a converter that never ends by itself
  bool sawBusy = false;
  QTimer::singleShot(0, [&] {
    sawBusy =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    QTest::mouseClick(&button, Qt::LeftButton);
    QWidget* offer = nullptr;
    while (!(offer = FindOffer())) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QTest::mouseClick(offer->findChild<QPushButton*>("cmdCancelRun"), Qt::LeftButton);
  });
  const RunOutcome outcome = RunAndWait(
      Launch{test::SerzStandIn(), {dir.filePath("in.bin"), "xml:" + dir.filePath("out")}, {}, {}});
  qunsetenv("FENNICK_SERZ_FAIL");
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_TRUE(sawBusy);
  EXPECT_EQ(clicks, 0) << "a click during the wait must not run a command";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(FindOffer(), nullptr);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  SetBusyHook({});
}

}  // namespace
}  // namespace fennick::ui
