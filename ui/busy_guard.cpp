#include "ui/busy_guard.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "bridge/process_runner.h"

namespace fennick::ui {

namespace {

// The window offering to cancel a run that takes long; it lives only while the run does.
class CancelOffer {
 public:
  CancelOffer(RunCancel* cancel, std::chrono::milliseconds delay) : cancel_(cancel) {
    if (!cancel_) return;
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Show(); });
    timer_.start(delay);
  }

  // Whether input for this object belongs to the offer and may pass.
  bool Owns(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return window_ && widget && widget->window() == window_.get();
  }

 private:
  void Show() {
    auto frame = std::make_unique<QFrame>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);  // stands out even without a title
    frame->setLineWidth(2);
    window_ = std::move(frame);
    window_->setObjectName(QStringLiteral("frmCancelRun"));
    window_->setWindowTitle(QStringLiteral("RS_Fennick"));
    auto* layout = new QHBoxLayout(window_.get());
    auto* label = new QLabel(QObject::tr("serz.exe is still converting..."), window_.get());
    auto* button = new QPushButton(QObject::tr("Cancel"), window_.get());
    button->setObjectName(QStringLiteral("cmdCancelRun"));
    layout->addWidget(label);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this, label, button] {
      cancel_->Cancel();
      button->setEnabled(false);
      label->setText(QObject::tr("Cancelling..."));
    });
    if (QWidget* active = QApplication::activeWindow()) {
      window_->adjustSize();
      window_->move(active->geometry().center() - window_->rect().center());
    }
    window_->show();
  }

  RunCancel* cancel_;
  QTimer timer_;
  std::unique_ptr<QWidget> window_;
};

std::unique_ptr<CancelOffer>& Offer() {
  static std::unique_ptr<CancelOffer> offer;
  return offer;
}

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
        if (Offer() && Offer()->Owns(watched)) return false;
        return true;
      case QEvent::Close:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

}  // namespace

void InstallBusyGuard(std::chrono::milliseconds offerDelay) {
  static InputSwallower swallower;
  static int depth = 0;
  SetBusyHook([offerDelay](bool busy, RunCancel* cancel) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    if (busy) {
      if (depth++ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        app->installEventFilter(&swallower);
        Offer() = std::make_unique<CancelOffer>(cancel, offerDelay);
      }
    } else if (depth > 0 && --depth == 0) {
      Offer().reset();
      app->removeEventFilter(&swallower);
      QApplication::restoreOverrideCursor();
    }
  });
}

}  // namespace fennick::ui
