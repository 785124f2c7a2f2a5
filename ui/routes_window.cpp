#include "ui/routes_window.h"

namespace fennick::ui {

RoutesWindow::RoutesWindow(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs) {
  setObjectName("frmShowRoutes");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kCaption);
  resize(900, 600);
}

}  // namespace fennick::ui
