#pragma once
// Errors raised by the URI and date utilities of the HTTP layer.

#include "net/net_exception.h"

namespace lumora {

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
