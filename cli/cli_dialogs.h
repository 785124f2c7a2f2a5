#pragma once

#include <iosfwd>

#include "app/dialogs.h"

namespace fennick::cli {

// Messages go to stderr, one a line; questions are answered "stop" unless --yes was given. The
// command's outcome, not what was shown here, decides the exit status.
class CliDialogs : public Dialogs {
 public:
  CliDialogs(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

  void ShowMessage(const std::string& text, MessageIcon icon, const std::string& title) override;
  bool AskYesNo(const std::string& text, MessageIcon icon, const std::string& title) override;
  bool AskOkCancel(const std::string& text, MessageIcon icon, const std::string& title) override;
  std::optional<std::string> AskText(const std::string& prompt, const std::string& defaultText,
                                     const std::string& title) override;

  // The answer AskText gives next (the command line supplies it up front).
  void SetTextAnswer(std::optional<std::string> answer) { textAnswer_ = std::move(answer); }

 private:
  bool Answer(const std::string& text);

  std::ostream& err_;
  bool answerYes_;
  std::optional<std::string> textAnswer_;
};

// One line: line breaks inside a message become blanks.
std::string OneLine(const std::string& text);

}  // namespace fennick::cli
