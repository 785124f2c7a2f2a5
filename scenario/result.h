#pragma once

#include <string>
#include <utility>
#include <variant>

namespace fennick {

// A failure meant for a person to read.
struct Error {
  std::string message;
};

// A value or an Error. Commands return these instead of throwing past a window. A result
// dropped unread is a failure nobody hears of, so the compiler says so.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }
  const std::string& error() const { return std::get<Error>(state_).message; }

 private:
  std::variant<T, Error> state_;
};

// For operations that return nothing but may fail.
struct Done {};
using Status = Result<Done>;
inline Status Ok() {
  return Done{};
}

}  // namespace fennick
