#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "bridge/process_runner.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/tool_paths.h"
#include "ui/busy_guard.h"
#include "ui/startup_window.h"

namespace fennick::ui {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

// The startup window over Fennick.ini as given: the donation button, the picker and Start.
TEST(StartupWindowTest, StartDonationAndPicker) {
  for (const char* ini : {"C:\\Sim\r\n\r\n\r\nFalse\r\n", "\r\nanything\r\n\r\nFalse\r\n"}) {
    QTemporaryDir dir;
    AppState state{AppPaths(dir.path()), {}};
    test::ScriptedDialogs dialogs;
    int browsersOpened = 0, pickersShown = 0;
    StartupWindow::Actions actions;
    actions.openBrowser = [&] { ++browsersOpened; };
    actions.registry = [] { return QString(); };
    actions.pickFolder = [&](AppState&) { ++pickersShown; };
    actions.openAddress = [](const QString&) { return true; };
    WriteFileBytes(state.paths.IniPath(), ini);
    StartupWindow window(state, dialogs, actions);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    auto* donate = window.findChild<QPushButton*>("Command2");
    if (state.settings.rsPath.isEmpty()) {
      // No folder known: the picker at load, and again from the menu; any mark hides the button.
      EXPECT_EQ(pickersShown, 1);
      EXPECT_TRUE(window.windowTitle().endsWith("Rail Simulator path in use is - "));
      window.findChild<QAction*>("mnuRSPath")->trigger();
      EXPECT_EQ(pickersShown, 2);
      EXPECT_FALSE(donate->isVisible());
      continue;
    }
    EXPECT_EQ(window.windowTitle(),
              "RailSimulator Startup  Version 1.0.45   Rail Simulator path in use is - C:\\Sim");
    EXPECT_EQ(pickersShown, 0);
    dialogs.answers.push_back(false);
    QTest::mouseClick(donate, Qt::LeftButton);
    EXPECT_EQ(ReadFileBytes(state.paths.IniPath()), "C:\\Sim\r\nContribute\r\n\r\nFalse\r\n");

    // Start reports a TempFiles it cannot make and stays; then it empties the folder, opens the
    // browser and closes.
    ASSERT_TRUE(WriteFileBytes(dir.filePath("TempFiles"), "a file in the way"));
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(browsersOpened == 0 && window.isVisible());
    EXPECT_TRUE(dialogs.shown.at(1).text.ends_with(" occurred in frmStartup command1\n"));
    QFile::remove(dir.filePath("TempFiles"));
    QDir().mkpath(dir.filePath("TempFiles"));
    ASSERT_TRUE(WriteFileBytes(dir.filePath("TempFiles/Scenario.xml"), "<old/>"));
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(browsersOpened, 1);
    EXPECT_TRUE(QDir(dir.filePath("TempFiles")).isEmpty());
    EXPECT_FALSE(window.isVisible());
  }
}

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
