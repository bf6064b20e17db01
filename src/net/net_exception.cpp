#include "net/net_exception.h"

#include "base/text.h"
#include "net/net_stack.h"

namespace lumora {

ENetException::~ENetException() = default;

ENetSocketError::ENetSocketError(int code)
    : ENetException(Format("Socket Error # %d\r\n%s", code, TNetStack::ErrorText(code).c_str())),
      code_(code) {}

ENetInvalidPortRange::ENetInvalidPortRange(int min, int max)
    : ENetException(Format("Invalid Port Range (%d - %d)", min, max)) {}

ENetCanNotBindPortInRange::ENetCanNotBindPortInRange(int min, int max)
    : ENetException(Format("Can not bind in port range (%d - %d)", min, max)) {}

}  // namespace lumora
