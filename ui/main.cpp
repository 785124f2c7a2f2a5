#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "app/app_paths.h"
#include "app/app_state.h"
#include "ui/busy_guard.h"
#include "ui/folder_picker.h"
#include "ui/program_windows.h"
#include "ui/qt_dialogs.h"
#include "ui/startup_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("RS_Fennick"));
  fennick::ui::InstallBusyGuard();

  fennick::AppState state{fennick::AppPaths::ForExecutable(QCoreApplication::applicationDirPath()),
                          {}};
  fennick::ui::QtDialogs dialogs;

  fennick::ui::StartupWindow::Actions actions;
  fennick::ui::ProgramWindows windows(state, dialogs);
  actions.openBrowser = [&] { windows.OpenBrowser(); };
  actions.pickFolder = [](fennick::AppState& s) {
    fennick::ui::FolderPicker picker(s);
    picker.exec();
  };
  actions.openAddress = [](const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
  };

  auto* startup = new fennick::ui::StartupWindow(state, dialogs, actions);
  startup->show();
  return app.exec();
}
