#pragma once

#include <optional>
#include <string>

namespace fennick {

enum class MessageIcon { Information, Exclamation };

// The few things a command may ask of a person. The windows show message boxes titled
// "RS_Fennick", the command line writes to stderr, tests script the answers. Texts are UTF-8.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual void ShowMessage(const std::string& text, MessageIcon icon = MessageIcon::Exclamation,
                           const std::string& title = kTitle) = 0;
  // true for Yes.
  virtual bool AskYesNo(const std::string& text, MessageIcon icon = MessageIcon::Exclamation,
                        const std::string& title = kTitle) = 0;
  // true for OK.
  virtual bool AskOkCancel(const std::string& text, MessageIcon icon = MessageIcon::Exclamation,
                           const std::string& title = kTitle) = 0;
  // std::nullopt when the person cancels.
  virtual std::optional<std::string> AskText(const std::string& prompt,
                                             const std::string& defaultText = {},
                                             const std::string& title = kTitle) = 0;

  static inline const std::string kTitle = "RS_Fennick";
};

}  // namespace fennick
