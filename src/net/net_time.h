#pragma once
// The overall deadline of a connection and how it narrows a single wait.

#include <chrono>
#include <optional>

namespace lumora {

using TNetClock = std::chrono::steady_clock;
// An absolute point after which no connect, wait or send may go on; none by default.
using TNetDeadline = std::optional<TNetClock::time_point>;

// Milliseconds left until the deadline, rounded up, 0 when it has passed.
int NetMsUntil(TNetClock::time_point deadline);

// Narrows a wait of timeout_ms (-1 for no limit) to what the deadline leaves.
// by_deadline tells whether the deadline is the tighter bound.
int NetLimitWait(int timeout_ms, const TNetDeadline& deadline, bool& by_deadline);

}  // namespace lumora
