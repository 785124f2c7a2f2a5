#pragma once

#include <string>
#include <utility>

namespace fennick {

// How a command ended, for the front ends to act on: the window's next state, the command
// line's exit status. The command has already shown its messages through Dialogs; `message`
// repeats why it did not finish, for callers that show nothing themselves.
class [[nodiscard]] Outcome {
 public:
  enum class Kind {
    kDone,     // everything asked for was done
    kRefused,  // a rule said no, or a question was answered "stop"; nothing was changed
    kFailed,   // something went wrong; what had been changed was put back
  };

  static Outcome Done() { return Outcome(Kind::kDone, {}); }
  static Outcome Refused(std::string why) { return Outcome(Kind::kRefused, std::move(why)); }
  static Outcome Failed(std::string why) { return Outcome(Kind::kFailed, std::move(why)); }

  Kind kind() const { return kind_; }
  bool done() const { return kind_ == Kind::kDone; }
  const std::string& message() const { return message_; }

 private:
  Outcome(Kind kind, std::string message) : kind_(kind), message_(std::move(message)) {}
  Kind kind_;
  std::string message_;
};

}  // namespace fennick
