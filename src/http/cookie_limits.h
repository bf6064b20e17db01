#pragma once
// Bounds on what servers can make the cookie store hold. Past a bound the
// oldest cookie goes, so a server can never grow the store without end.

namespace lumora {

// Cookies kept under one domain of the store.
inline constexpr int kMaxCookiesPerDomain = 50;
// Cookies kept in the whole store.
inline constexpr int kMaxCookies = 3000;

}  // namespace lumora
