#include "cli/cli_dialogs.h"

#include <ostream>

namespace fennick::cli {

std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line.push_back(c == '\n' || c == '\r' ? ' ' : c);
  }
  return line;
}

void CliDialogs::ShowMessage(const std::string& text, MessageIcon, const std::string&) {
  err_ << OneLine(text) << '\n';
}

bool CliDialogs::Answer(const std::string& text) {
  err_ << OneLine(text) << (answerYes_ ? " [yes]" : " [no]") << '\n';
  return answerYes_;
}

bool CliDialogs::AskYesNo(const std::string& text, MessageIcon, const std::string&) {
  return Answer(text);
}

bool CliDialogs::AskOkCancel(const std::string& text, MessageIcon, const std::string&) {
  return Answer(text);
}

std::optional<std::string> CliDialogs::AskText(const std::string&, const std::string&,
                                               const std::string&) {
  return textAnswer_;
}

}  // namespace fennick::cli
