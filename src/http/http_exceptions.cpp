#include "http/http_exceptions.h"

namespace lumora {

// Out-of-line destructors anchor the vtables in this library.
ENetURIException::~ENetURIException() = default;
ENetFailedToRetreiveTimeZoneInfo::~ENetFailedToRetreiveTimeZoneInfo() = default;

}  // namespace lumora
