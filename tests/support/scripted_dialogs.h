#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace fennick::test {

// Records every message and question; answers questions from a queue. A question with no
// scripted answer fails the test instead of blocking.
class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    enum Kind { Message, YesNo, OkCancel, Text } kind;
    std::string text;
    MessageIcon icon;
    std::string title;
  };

  std::vector<Shown> shown;
  std::deque<bool> answers;                      // for YesNo and OkCancel
  std::deque<std::optional<std::string>> texts;  // for AskText

  void ShowMessage(const std::string& text, MessageIcon icon, const std::string& title) override {
    shown.push_back({Shown::Message, text, icon, title});
  }
  bool AskYesNo(const std::string& text, MessageIcon icon, const std::string& title) override {
    return Ask(Shown::YesNo, text, icon, title);
  }
  bool AskOkCancel(const std::string& text, MessageIcon icon, const std::string& title) override {
    return Ask(Shown::OkCancel, text, icon, title);
  }
  std::optional<std::string> AskText(const std::string& prompt, const std::string&,
                                     const std::string& title) override {
    shown.push_back({Shown::Text, prompt, MessageIcon::Information, title});
    if (texts.empty()) throw std::logic_error("unscripted text question: " + prompt);
    auto answer = texts.front();
    texts.pop_front();
    return answer;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& s : shown) out.push_back(s.text);
    return out;
  }

 private:
  bool Ask(Shown::Kind kind, const std::string& text, MessageIcon icon, const std::string& title) {
    shown.push_back({kind, text, icon, title});
    if (answers.empty()) throw std::logic_error("unscripted question: " + text);
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace fennick::test
