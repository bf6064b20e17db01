#pragma once
// Errors raised by the socket and HTTP layers. Each class carries the message
// the user sees; the default constructors give the system's own texts.

#include <string>

#include "base/exception.h"

namespace lumora {

// Base of every error raised by the socket and HTTP layers.
class ENetException : public Exception {
 public:
  using Exception::Exception;
  ~ENetException() override;
};

// A failed socket call: "Socket Error # <code>\r\n<text of the code>", where
// the code is the Winsock error number (errno is translated, see TNetStack).
class ENetSocketError : public ENetException {
 public:
  explicit ENetSocketError(int code);
  int LastError() const { return code_; }

 private:
  int code_;
};

// The peer closed the connection and nothing is left to read.
class ENetConnClosedGracefully : public ENetException {
 public:
  ENetConnClosedGracefully() : ENetException("Connection Closed Gracefully.") {}
};

class ENetReadTimeout : public ENetException {
 public:
  ENetReadTimeout() : ENetException("Read Timeout") {}
};

class ENetConnectTimeout : public ENetException {
 public:
  ENetConnectTimeout() : ENetException("Connect timed out.") {}
};

// A timed connect that failed; the message is that of the underlying error.
class ENetConnectException : public ENetException {
 public:
  using ENetException::ENetException;
};

class ENetNotConnected : public ENetException {
 public:
  ENetNotConnected() : ENetException("Not Connected") {}
};

class ENetAlreadyConnected : public ENetException {
 public:
  ENetAlreadyConnected() : ENetException("Already connected.") {}
};

class ENetReadLnMaxLineLengthExceeded : public ENetException {
 public:
  ENetReadLnMaxLineLengthExceeded() : ENetException("Max line length exceeded.") {}
};

class ENetNoDataToRead : public ENetException {
 public:
  ENetNoDataToRead() : ENetException("No data to read.") {}
};

class ENetNotEnoughDataInBuffer : public ENetException {
 public:
  ENetNotEnoughDataInBuffer() : ENetException("Not enough data in buffer.") {}
};

// The socket library could not be loaded or called. POSIX sockets are part of
// the C library, so these are kept for callers that handle them but are not
// raised on Linux.
class ENetWS2StubError : public ENetException {
 public:
  ENetWS2StubError(std::string message, int error)
      : ENetException(std::move(message)), error_(error) {}
  int Win32Error() const { return error_; }

 private:
  int error_;
};

class ENetStackInitializationFailed : public ENetException {
 public:
  ENetStackInitializationFailed() : ENetException("Winsock Initialization Error.") {}
};

// Binding before connect.
class ENetCouldNotBindSocket : public ENetException {
 public:
  ENetCouldNotBindSocket()
      : ENetException("Could not bind socket. Address and port are already in use.") {}
};

class ENetInvalidPortRange : public ENetException {
 public:
  ENetInvalidPortRange(int min, int max);
};

class ENetCanNotBindPortInRange : public ENetException {
 public:
  ENetCanNotBindPortInRange(int min, int max);
};

}  // namespace lumora
