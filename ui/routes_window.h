#pragma once

#include <QMainWindow>

#include "app/app_state.h"
#include "app/dialogs.h"

namespace fennick::ui {

// frmShowRoutes: the route browser.
class RoutesWindow : public QMainWindow {
  Q_OBJECT
 public:
  RoutesWindow(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

  static inline const QString kCaption = QStringLiteral("Select Route");

 private:
  AppState& state_;
  Dialogs& dialogs_;
};

}  // namespace fennick::ui
