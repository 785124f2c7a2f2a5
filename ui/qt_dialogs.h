#pragma once

#include "app/dialogs.h"

class QWidget;

namespace fennick::ui {

// Message boxes and the input box of the windows.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  void ShowMessage(const std::string& text, MessageIcon icon, const std::string& title) override;
  bool AskYesNo(const std::string& text, MessageIcon icon, const std::string& title) override;
  bool AskOkCancel(const std::string& text, MessageIcon icon, const std::string& title) override;
  std::optional<std::string> AskText(const std::string& prompt, const std::string& defaultText,
                                     const std::string& title) override;

 private:
  QWidget* parent_;
};

}  // namespace fennick::ui
