#include "ui/busy_guard.h"

#include <QApplication>
#include <QEvent>
#include <QObject>

#include "bridge/process_runner.h"

namespace fennick::ui {

namespace {

class InputSwallower : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Wheel:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::Close:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

}  // namespace

void InstallBusyGuard() {
  static InputSwallower swallower;
  static int depth = 0;
  SetBusyHook([](bool busy) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    if (busy) {
      if (depth++ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        app->installEventFilter(&swallower);
      }
    } else if (depth > 0 && --depth == 0) {
      app->removeEventFilter(&swallower);
      QApplication::restoreOverrideCursor();
    }
  });
}

}  // namespace fennick::ui
