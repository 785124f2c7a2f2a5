#include "ui/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace fennick::ui {

namespace {

QMessageBox::Icon ToIcon(MessageIcon icon) {
  return icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning;
}

QMessageBox::StandardButton Ask(QWidget* parent, const std::string& text, MessageIcon icon,
                                const std::string& title, QMessageBox::StandardButtons buttons) {
  QMessageBox box(ToIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::ShowMessage(const std::string& text, MessageIcon icon, const std::string& title) {
  Ask(parent_, text, icon, title, QMessageBox::Ok);
}

bool QtDialogs::AskYesNo(const std::string& text, MessageIcon icon, const std::string& title) {
  return Ask(parent_, text, icon, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::AskOkCancel(const std::string& text, MessageIcon icon, const std::string& title) {
  return Ask(parent_, text, icon, title, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<std::string> QtDialogs::AskText(const std::string& prompt,
                                              const std::string& defaultText,
                                              const std::string& title) {
  bool ok = false;
  const QString answer =
      QInputDialog::getText(parent_, QString::fromStdString(title), QString::fromStdString(prompt),
                            QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

}  // namespace fennick::ui
