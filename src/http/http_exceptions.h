#pragma once
// Errors of the HTTP layer: the HTTP error status with its code and body, a
// response that cannot be read, the configuration errors of a request, and
// the errors of the URI and date utilities.

#include <string>

#include "net/net_exception.h"

namespace lumora {

// A reply that carries a numeric code.
class ENetProtocolReplyError : public ENetException {
 public:
  ENetProtocolReplyError(int code, std::string message)
      : ENetException(std::move(message)), reply_code_(code) {}
  int ReplyErrorCode() const { return reply_code_; }

 private:
  int reply_code_;
};

// An HTTP error status: the message is the status line, the body the
// response body read for it.
class ENetHTTPProtocolException : public ENetProtocolReplyError {
 public:
  ENetHTTPProtocolException(int code, std::string status_text, std::string body)
      : ENetProtocolReplyError(code, std::move(status_text)), error_message_(std::move(body)) {}
  const std::string& ErrorMessage() const { return error_message_; }

 private:
  std::string error_message_;
};

class ENetUnknownProtocol : public ENetException {
 public:
  ENetUnknownProtocol() : ENetException("") {}
};

class ENetIOHandlerPropInvalid : public ENetException {
 public:
  ENetIOHandlerPropInvalid() : ENetException("IOHandler value is not valid") {}
};

// A response that breaks a bound of http_limits.h, or cannot be parsed.
class ENetHTTPResponseInvalid : public ENetException {
 public:
  using ENetException::ENetException;
};

// A URI that cannot be built ("Protocol field is empty", "Host field is empty").
class ENetURIException : public ENetException {
 public:
  using ENetException::ENetException;
  ~ENetURIException() override;
};

// The C library could not tell the local offset from UTC.
class ENetFailedToRetreiveTimeZoneInfo : public ENetException {
 public:
  using ENetException::ENetException;
  ~ENetFailedToRetreiveTimeZoneInfo() override;
};

}  // namespace lumora
