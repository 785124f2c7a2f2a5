#pragma once

#include <QMainWindow>
#include <functional>

#include "app/app_state.h"
#include "app/dialogs.h"

class QLabel;
class QPushButton;

namespace fennick::ui {

// frmStartup: settles the simulator folder, shows version and folder in its caption, and
// opens the route browser from its Start button.
class StartupWindow : public QMainWindow {
  Q_OBJECT
 public:
  struct Actions {
    std::function<void()> openBrowser;                // Start succeeded
    std::function<void(AppState&)> pickFolder;        // the folder picker, modal
    std::function<bool(const QString&)> openAddress;  // the person's web browser
    std::function<QString()> registry;                // the simulator's registry entry
  };

  StartupWindow(AppState& state, Dialogs& dialogs, Actions actions, QWidget* parent = nullptr);

 private:
  void Start();
  void Donate();

  AppState& state_;
  Dialogs& dialogs_;
  Actions actions_;
  QPushButton* donate_;
};

}  // namespace fennick::ui
