#include "net/net_time.h"

#include <algorithm>
#include <climits>

namespace lumora {

int NetMsUntil(TNetClock::time_point deadline) {
  auto left = deadline - TNetClock::now();
  if (left <= TNetClock::duration::zero()) return 0;
  auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
  return static_cast<int>(std::min<long long>(ms, INT_MAX));
}

int NetLimitWait(int timeout_ms, const TNetDeadline& deadline, bool& by_deadline) {
  by_deadline = false;
  if (!deadline) return timeout_ms;
  int left = NetMsUntil(*deadline);
  if (timeout_ms < 0 || left <= timeout_ms) {
    by_deadline = true;
    return left;
  }
  return timeout_ms;
}

}  // namespace lumora
