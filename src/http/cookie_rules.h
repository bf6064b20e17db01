#pragma once
// Which hosts may set a cookie for a domain and which requests get it back.
// Host names compare ignoring ASCII case; paths compare exactly.

#include <string_view>

namespace lumora {

// A literal IPv4 address in any form the resolver takes ("10.0.0.1",
// "127.1") or an IPv6 literal.
bool IsIPAddress(std::string_view host);

// Whether requestHost may store a cookie for domain. An address may only
// set cookies for itself. A host name may set its own name, or the domain of
// its parent (".b.c" from "a.b.c"), provided that domain holds an embedded
// dot, so that nothing is stored for a top-level domain such as ".com".
bool IsCookieDomainAllowed(std::string_view domain, std::string_view requestHost);

// Whether a cookie stored for domain goes to host. Matching is on whole
// labels only: "b.c" reaches "b.c" and "x.b.c", ".b.c" reaches "x.b.c", and
// neither reaches "xb.c". Addresses match only themselves.
bool CookieDomainMatches(std::string_view domain, std::string_view host);

// Whether a cookie path covers the request path: equal, or a prefix that
// ends with "/" or is followed by "/" ("/foo" covers "/foo/x", not
// "/foobar"). An empty cookie path covers nothing.
bool CookiePathMatches(std::string_view cookiePath, std::string_view requestPath);

// Bytes below 0x20 and DEL, which a cookie name or value must not hold.
bool HasControlCharacters(std::string_view text);

}  // namespace lumora
