#include "net/net_exception.h"

namespace lumora {

ENetException::~ENetException() = default;

}  // namespace lumora
