#pragma once
// Base of every error raised by the socket and HTTP layers.

#include "base/exception.h"

namespace lumora {

class ENetException : public Exception {
 public:
  using Exception::Exception;
  ~ENetException() override;
};

}  // namespace lumora
