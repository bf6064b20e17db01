#pragma once
// Root of every error the program raises: an exception carrying the
// human-readable message that the error box shows unchanged.

#include <exception>
#include <string>
#include <utility>

namespace lumora {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// A text that does not convert to the value asked for ("'x' is not a valid
// integer value", "Invalid argument to time encode").
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A stream that cannot do what was asked ("Stream read error").
class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be opened or created.
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

}  // namespace lumora
